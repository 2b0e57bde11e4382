#include "simulator/autopilot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/textutil.h"
#include "simulator/flightmodel.h"
#include "simulator/keys.h"

namespace tvx::autopilot {

namespace {

// The range the power keys keep the engine lever in.
constexpr double kRpmLeverLow = 1300;
constexpr double kRpmLeverHigh = 2700;

// The autopilot's RPM change with each pitch step.
constexpr double kRpmPerPitchStep = 5;

// The indicated airspeed of Mach 0.78 is 0.78 x 39 x sqrt(T x density ratio).
constexpr double kMachBugFactor = 30.42;
constexpr int kMaxBug = 280;

// A value rounded to the nearest hundred, halves to the even hundred.
int RoundedToHundred(double value) { return static_cast<int>(RoundHalfEven(value / 100) * 100); }

}  // namespace

EngageWindows Engage(SimState& s) {
  EngageWindows w;
  w.Heading = static_cast<int>(RoundHalfEven(s.Heading));
  w.VerticalSpeed = RoundedToHundred(s.VerticalSpeed);
  w.Altitude = RoundedToHundred(s.Altitude);
  s.AutopilotEngaged = true;
  s.SelectedHeading = w.Heading;
  s.TargetBank = 0;
  s.SelectedHeadingWhole = w.Heading;
  s.SelectedVerticalSpeed = w.VerticalSpeed;
  return w;
}

void Disengage(SimState& s) { s.AutopilotEngaged = false; }

double TargetBankFor(double heading, double selectedHeading) {
  // The error the short way round; within half a turn it is the plain difference.
  double d = std::fmod(selectedHeading - heading, 360.0);
  if (d > 180) d -= 360;
  else if (d < -180) d += 360;
  const double e = std::fabs(d);
  double bank = 25;
  if (e < 0.4) bank = 0;
  else if (e < 2) bank = 3;
  else if (e < 3) bank = 4;
  else if (e < 6) bank = 6;
  else if (e < 8) bank = 10;
  else if (e < 10) bank = 15;
  return d < 0 ? -bank : bank;
}

double PitchStepFor(double v) {
  if (v < 20) return 0.002;
  if (v < 50) return 0.004;
  if (v < 200) return 0.007;
  return 0.015;
}

void WrapSelectedHeading(SimState& s) {
  if (std::fabs(s.Heading - s.SelectedHeading) <= 360) return;
  if (s.SelectedHeading > 360) s.SelectedHeading -= 360;
  if (s.SelectedHeading < 0) s.SelectedHeading += 360;
}

double StepRpmLever(double rpm, double delta) {
  if (delta > 0) return std::max(rpm, std::min(rpm + delta, kRpmLeverHigh));
  return std::min(rpm, std::max(rpm + delta, kRpmLeverLow));
}

void AutopilotStep(SimState& s) {
  WrapSelectedHeading(s);
  s.TargetBank = TargetBankFor(s.Heading, s.SelectedHeading);
  if (std::fabs(s.BankAngle - s.TargetBank) > 0.5) {
    if (s.BankAngle <= s.TargetBank) flight::draairechts(s);
    else flight::draailinks(s);
  }

  const double step = PitchStepFor(std::fabs(s.VerticalSpeed - s.SelectedVerticalSpeed));
  if (flight::IsPiston(s)) s.AoaStep = step;
  else s.PathStep = step;
  // A pitch step on every tick, also on target: the hold is a gentle hunt.
  if (s.VerticalSpeed < s.SelectedVerticalSpeed) {
    flight::Doeklimmen(s);
    s.CommandedRpm = StepRpmLever(s.CommandedRpm, kRpmPerPitchStep);
  } else {
    flight::Doedalen(s);
    s.CommandedRpm = StepRpmLever(s.CommandedRpm, -kRpmPerPitchStep);
  }
}

int MachSpeedBug(double altitudeFt, double densityRatio) {
  const double t = flight::TemperatureAt(altitudeFt);
  const double ias = kMachBugFactor * std::sqrt(std::max(0.0, t * densityRatio));
  return static_cast<int>(std::min<long long>(RoundHalfEven(ias), kMaxBug));
}

void DoeSpeedBug(SimState& s) {
  const bool engineOut = s.OneEngineOut;
  const double elevation = s.AirportElevation;
  const int flaps = s.FlapSetting;
  const bool failureActive = engineOut && s.FailurePhase == 2;

  if (s.SpeedBugPhase == "TO" && s.Airspeed > 205) s.SpeedBugPhase = "APCH";

  if (s.SpeedBugPhase == "TO") {
    if (!engineOut) {
      if (flaps == 5 && s.Altitude > elevation + 800 && s.VerticalSpeed < 2000) s.SpeedBug = 250;
      if (s.Altitude > 10000) s.SpeedBug = 280;
    } else if (flaps == 5 && s.Altitude > s.AltitudeBug) {
      s.SpeedBug = 205;
    }
  } else if (s.SpeedBugPhase == "APCH") {
    // In this order; the last rule that applies wins.
    if (flaps == 0 && s.N1 < 57) s.SpeedBug = 205;
    if (flaps == 0 && s.Airspeed < 240) s.SpeedBug = 205;
    if (flaps == 0 && s.N1 > 75 && s.Airspeed > 255) s.SpeedBug = 280;
    if (!engineOut && flaps == 0 && s.N1 > 75) s.SpeedBug = 250;
    if (flaps == 1) s.SpeedBug = 184;
    if (flaps == 5) s.SpeedBug = 164;
    if (flaps == 15) s.SpeedBug = 154;
    if (flaps == 40) s.SpeedBug = 144;
  } else if (engineOut) {
    if (flaps == 1 && s.VerticalSpeed < 200) {
      s.SpeedBug = 184;
      s.SpeedBugPhase = "APCH";
    }
  } else if (flaps == 15 && s.Altitude > elevation + 800 && s.VerticalSpeed < 2000) {
    s.SpeedBug = 164;
  }

  if ((s.Altitude >= 10000 && s.N1 > 88) || s.Altitude >= 11000) {
    s.SpeedBug = MachSpeedBug(s.Altitude, s.DensityRatio);
    if (failureActive) s.SpeedBug = 230;
  } else if (s.Altitude - elevation > 5000) {
    s.SpeedBug = 250;
    if (failureActive) s.SpeedBug = 230;
  }
}

std::int32_t StepMinimums(std::int32_t minimums, int step) {
  const long long moved = static_cast<long long>(minimums) + step;
  return static_cast<std::int32_t>(std::clamp<long long>(moved, std::numeric_limits<std::int32_t>::min(),
                                                         std::numeric_limits<std::int32_t>::max()));
}

int MinimumsKeyStep(bool plusButton, Qt::KeyboardModifiers modifiers) {
  if (!FineStep(modifiers)) return 0;
  return plusButton ? 100 : -100;
}

QString WindowText(int value) { return QString::number(value); }

}  // namespace tvx::autopilot
