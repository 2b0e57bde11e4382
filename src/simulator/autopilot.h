#pragma once
// The jet's autopilot, speed bug and minimums without the window: engaging
// captures the heading and vertical speed to hold, each tick one bank step
// and one pitch step fly towards them, and the speed bug follows the phase of
// flight, the flaps, the altitude and the engines.
#include <QString>
#include <Qt>
#include <cstdint>

#include "simulator/simstate.h"

namespace tvx::autopilot {

// What the panel's three windows show after engaging: the heading held, the
// vertical speed held, and the altitude (shown only; there is no altitude hold).
struct EngageWindows {
  int Heading = 0;
  int VerticalSpeed = 0;
  int Altitude = 0;
};

// Engages: the heading rounded to whole degrees and the vertical speed
// rounded to 100 ft/min become the selections, the target bank is level.
// Every rounding takes halves to the even neighbour.
EngageWindows Engage(SimState& s);
void Disengage(SimState& s);

// The bank the heading law asks for, left negative. The error is taken the
// short way round the compass, so the turn never goes the long way (an
// error of exactly 180 turns right when the selection lies above the heading).
double TargetBankFor(double heading, double selectedHeading);

// The size of the next pitch step (degrees) for a vertical-speed error (ft/min).
double PitchStepFor(double verticalSpeedError);

// A selection more than a whole turn from the heading is brought a turn closer.
void WrapSelectedHeading(SimState& s);

// The engine lever moved by the autopilot: by `delta`, but never past the
// range the power keys keep it in (a value already outside is not pulled in).
double StepRpmLever(double rpm, double delta);

// One autopilot step: heading law with one bank step, then one pitch step
// (of the type flown) and the matching RPM change. Runs the flight model's
// own bank and pitch steps, so the attitude disc's rotation is updated too.
void AutopilotStep(SimState& s);

// The indicated airspeed (kt) of Mach 0.78 at `altitudeFt` with the given
// density ratio, rounded, at most 280.
int MachSpeedBug(double altitudeFt, double densityRatio);

// The speed bug and its phase from the phase of flight, the flap detent, the
// altitude and the engines: one physics step.
void DoeSpeedBug(SimState& s);

// The minimums moved by `step` feet; they have no bounds of their own but
// stop at the ends of their whole-number range.
std::int32_t StepMinimums(std::int32_t minimums, int step);

// A key pressed on a minimums button: +/-100 ft while exactly Shift or
// exactly Ctrl is held, else 0 (the key does nothing).
int MinimumsKeyStep(bool plusButton, Qt::KeyboardModifiers modifiers);

// The whole number a window of the autopilot panel shows.
QString WindowText(int value);

}  // namespace tvx::autopilot
