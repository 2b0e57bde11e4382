#include "simulator/tickmodel.h"

#include <algorithm>

#include "platform/textutil.h"
#include "simulator/flightmodel.h"

namespace tvx::flight {

bool HeldStepDue(double clockSeconds) { return RoundPixel(clockSeconds * 1000) % 100 == 0; }

void AdvanceClocks(SimState& s) {
  for (double* clock : {&s.PhysicsClock, &s.RepaintClock, &s.SecondClock, &s.MarkerBlinkClock, &s.BumpClock,
                        &s.TurbulenceClock, &s.GustClock, &s.JoyTurnClock, &s.JoyPitchClock})
    *clock += s.ClockStep;
  if (!ClockReached(s.ScenarioClock, kScenarioClockLimit)) s.ScenarioClock += s.ClockStep;
}

double JetCommandedThrust(double n, bool oneEngineOut, double altitudeFt) {
  double thrust = 0;
  if (n < 55) thrust = 132720 - (55 - n) * 500;
  else if (n < 58) thrust = 135720 + (n - 58) * 1000;
  else if (n < 80) thrust = 135720 + (n - 58) * 2900;
  else thrust = 199520 + (n - 80) * (oneEngineOut ? 1000 : 2000);
  if (oneEngineOut) {
    thrust = thrust * 1.46 / 2;
    if (altitudeFt > 24000) thrust += (24000 - altitudeFt) * 4 / 100000 * thrust;
  }
  return thrust;
}

void JetThrustModel(SimState& s) {
  s.CommandedThrust = JetCommandedThrust(s.N1, s.OneEngineOut, s.Altitude);
  // A change of thrust tilts the flight path at once (Thrust still holds the
  // previous tick's value here).
  if (!s.OnGround && s.Weight > 0) s.FlightPathAngle += SafeAsinDeg((s.CommandedThrust - s.Thrust) / s.Weight);
}

void ApplyPowerCommand(SimState& s) {
  const QString& c = s.PowerCommand;
  if (c == "increase" || c == "fastincrease") {
    const bool fast = c == "fastincrease";
    s.CommandedRpm = std::min(s.CommandedRpm + (fast ? 50 : 25), 2700.0);
    s.N1 = std::min(s.N1 + (fast ? 3 : 0.2), 100.0);
  } else if (c == "decrease" || c == "fastdecrease") {
    const bool fast = c == "fastdecrease";
    s.CommandedRpm = std::max(s.CommandedRpm - (fast ? 50 : 25), 1300.0);
    s.N1 = std::max(s.N1 - (fast ? 3 : 0.2), 20.0);
  }
  if (!IsPiston(s)) JetThrustModel(s);
}

void EngineLag(SimState& s, bool joystickThrust) {
  s.EngineRpm += (s.CommandedRpm - s.EngineRpm) * 0.05;
  s.DisplayedRpm += (s.CommandedRpm - s.DisplayedRpm) * (joystickThrust ? 0.125 : 0.25);
  s.Thrust += (s.CommandedThrust - s.Thrust) * 1.0;
}

BrushStyle MarkerLightStyle(SimState& s, BrushStyle current) {
  if (!s.OverOuterMarker) return BrushStyle::DiagCross;
  if (!ClockReached(s.MarkerBlinkClock, 0.5)) return current;
  s.MarkerBlinkClock = 0;
  return current == BrushStyle::DiagCross ? BrushStyle::Solid : BrushStyle::DiagCross;
}

}  // namespace tvx::flight
