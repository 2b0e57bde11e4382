#include "simulator/joystickcontrol.h"

#include <algorithm>
#include <cstdlib>

#include "joystick/joystickex.h"
#include "simulator/flightmodel.h"
#include "simulator/tickmodel.h"

namespace tvx {

namespace {
// A deflection up to this many units is no command.
constexpr int kDeadBand = 9;
// Up to this deflection the bank steps come at the slower pace.
constexpr int kGentleBank = 15;
// The stick's way from one end of its scale to the other.
constexpr long long kLargestDeflection = 200;
}  // namespace

void SetUpFlyingJoystick(TJoystickex& j) {
  j.SetGamePort(TGamePort::Gameport1);
  j.SetPolling(true);
  j.SetInterval(10);
  j.SetEventThreshold(10.0);
  j.SetScaled(true);
  j.SetXScaledBy(100);
  j.SetYScaledBy(100);
  j.SetZScaledBy(100);
  j.SetCalAutoSave(true);
  j.SetCalAutoLoad(true);
}

StickSteps StickControl(SimState& s, int xpos, int ypos, bool flying) {
  if (s.JoyAwaitCentre) {
    s.JoyCentreX = xpos;
    s.JoyCentreY = ypos;
    s.JoyAwaitCentre = false;
  }
  // 64 bits: a damaged calibration can put the centre anywhere in the int range.
  const long long dx = std::llabs(static_cast<long long>(s.JoyCentreX) - xpos);
  const long long dy = std::llabs(static_cast<long long>(s.JoyCentreY) - ypos);
  s.JoyTurnInterval = dx <= kGentleBank ? 0.2 : 0.1;
  s.JoyPitchInterval = 0.1;

  StickSteps steps;
  if (!flying) return steps;
  if (dx > kDeadBand && s.JoyTurnReady) {
    s.JoyTurnReady = false;
    if (xpos < s.JoyCentreX) steps.bank = -1;
    if (xpos > s.JoyCentreX) steps.bank = 1;
  }
  if (dy > kDeadBand && s.JoyPitchReady) {
    s.JoyPitchReady = false;
    // Beyond twice the full scale only a damaged calibration reaches; the step
    // stays what a full deflection from one end gives.
    const double d = static_cast<double>(std::min(dy, kLargestDeflection));
    const double step = dy < 30 ? 0.01 : dy < 80 ? 0.002 * d : 0.003 * d;
    if (flight::IsPiston(s))
      s.AoaStep = step;
    else
      s.PathStep = step;
    if (ypos < s.JoyCentreY) steps.pitch = -1;
    if (ypos > s.JoyCentreY) steps.pitch = 1;
  }
  return steps;
}

void RearmStickSteps(SimState& s) {
  if (flight::ClockReached(s.JoyTurnClock, s.JoyTurnInterval)) {
    s.JoyTurnReady = true;
    s.JoyTurnClock = 0;
  }
  if (flight::ClockReached(s.JoyPitchClock, s.JoyPitchInterval)) {
    s.JoyPitchReady = true;
    s.JoyPitchClock = 0;
  }
}

double ThrottleLeverRpm(int z) { return std::clamp((97 - z) * 1400.0 / 96 + 1300, 1300.0, 2700.0); }

double ThrottleLeverN1(int z) {
  double n1 = 0;
  if (z >= 91)
    n1 = (97 - z) * 4.0 + 20;
  else if (z >= 11)
    n1 = (90 - z) * 0.5 + 48;
  else
    n1 = (10 - z) * 2.0 + 88;
  return std::clamp(n1, 20.0, 100.0);
}

void ThrottleControl(SimState& s, int z, bool joystickThrust) {
  s.JoystickLeverRpm = ThrottleLeverRpm(z);
  s.JoystickLeverN1 = ThrottleLeverN1(z);
  if (!joystickThrust) return;
  // Both categories: the flight model reads the one of its type.
  s.N1 = s.JoystickLeverN1;
  s.DisplayedN1 = s.JoystickLeverN1;
  s.CommandedRpm = s.JoystickLeverRpm;
  s.DisplayedRpm = s.JoystickLeverRpm;
}

void RestorePresetPower(SimState& s) {
  if (flight::IsPiston(s))
    s.DisplayedRpm = s.PresetPower;
  else
    s.DisplayedN1 = s.PresetPower;
}

}  // namespace tvx
