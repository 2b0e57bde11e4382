#pragma once
// The computation of the 100 ms simulation tick that needs no window: the
// tick clocks, the held power command with the jet's thrust model, the
// engine lag and the outer-marker light's blink.
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx::flight {

// Tick clocks add 0.1 s at a time, and ten of those make 0.9999999999999999,
// not 1. Every clock is compared with its threshold through this one test,
// which allows for that rounding, so "once a second" is every tenth tick.
constexpr double kClockTolerance = 1e-9;
inline bool ClockReached(double clock, double threshold) { return clock >= threshold - kClockTolerance; }

// The scenario clock counts only up to this many seconds.
constexpr double kScenarioClockLimit = 50;

// A held command makes its step when its clock, in whole milliseconds, is a
// multiple of 100 ms.
bool HeldStepDue(double clockSeconds);

// Every tick clock advanced by ClockStep; the scenario clock only while
// below its limit.
void AdvanceClocks(SimState& s);

// The jets' commanded thrust (N) at thrust lever `n1` (% N1); with one engine
// out, the remaining engine's share, less 4 % per 1000 ft above 24000 ft.
double JetCommandedThrust(double n1, bool oneEngineOut, double altitudeFt);

// The power command held by the keys moves both levers (RPM and N1) within
// their limits; then, for the jets, the thrust model sets CommandedThrust and
// tilts the flight path by the change of thrust.
void ApplyPowerCommand(SimState& s);
void JetThrustModel(SimState& s);

// The engine follows its lever: RPM with a lag, the RPM needle faster (slower
// while the stick's throttle sets the power), the jets' thrust at once.
void EngineLag(SimState& s, bool joystickThrust);

// The outer-marker light: while over the marker it toggles between lit
// (solid) and unlit (diagonal cross) every 0.5 s on MarkerBlinkClock; else unlit.
BrushStyle MarkerLightStyle(SimState& s, BrushStyle current);

}  // namespace tvx::flight
