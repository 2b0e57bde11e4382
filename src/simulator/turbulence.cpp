#include "simulator/turbulence.h"

#include <algorithm>
#include <cmath>

#include "platform/textutil.h"
#include "simulator/flightmodel.h"
#include "simulator/tickmodel.h"

namespace tvx::flight {

namespace {

// Gust directions move in steps of this many degrees.
constexpr int kGustDirectionStep = 10;
// A windshear bump sets a climb rate of -500 + 100 x Random(9) ft/min, and
// only while the aircraft is not already sinking faster than -500 ft/min.
constexpr double kWindshearSinkFloor = -500;
constexpr int kWindshearClimbChoices = 9;
constexpr int kWindshearClimbStep = 100;

// The wind the start panel accepts.
constexpr int kMaxPanelWindSpeed = 60;

}  // namespace

GustSpread GustSpreadOf(GustLevel level) {
  switch (level) {
    case GustLevel::Small: return {30, 4};
    case GustLevel::Medium: return {40, 7};
    case GustLevel::Large: return {60, 10};
    case GustLevel::NotVariable: break;
  }
  return {0, 0};
}

std::optional<PanelWind> ReadPanelWind(const QString& directionText, const QString& speedText) {
  PanelWind wind;
  if (!TryParseInt(directionText, wind.Direction) || !TryParseInt(speedText, wind.Speed)) return std::nullopt;
  if (wind.Direction < 0 || wind.Direction > 360) return std::nullopt;
  if (wind.Speed < 0 || wind.Speed > kMaxPanelWindSpeed) return std::nullopt;
  return wind;
}

int DrawBumpDirection(RandomGenerator& rng) { return rng.Random(2) + 1; }

double DrawBumpInterval(TurbulenceLevel level, RandomGenerator& rng) {
  switch (level) {
    case TurbulenceLevel::Light: return rng.Random(25) / 10.0 + 2;
    case TurbulenceLevel::Moderate: return rng.Random(20) / 10.0 + 1;
    case TurbulenceLevel::Severe:
    case TurbulenceLevel::None: break;
  }
  return rng.Random(10) / 10.0 + 1;
}

int WrapGustDirection(int direction) {
  if (direction < 0) return direction + 360;
  if (direction > 360) return direction - 360;
  return direction;
}

void BumpStep(SimState& s, TurbulenceLevel level, RandomGenerator& rng) {
  // Nearly wings level and level, the next bump may go either way.
  if (std::fabs(s.BankAngle) < kWingsLevelBank) s.BumpBankDirection = DrawBumpDirection(rng);
  if (std::fabs(s.VerticalSpeed) < kLevelVerticalSpeed) s.BumpPitchDirection = DrawBumpDirection(rng);

  if (ClockReached(s.TurbulenceClock, kBumpIntervalPeriod)) {
    s.BumpInterval = DrawBumpInterval(level, rng);
    s.BumpBankDirection = DrawBumpDirection(rng);
    s.BumpPitchDirection = DrawBumpDirection(rng);
    s.TurbulenceClock = 0;
  }

  if (!ClockReached(s.BumpClock, s.BumpInterval)) return;
  if (level != TurbulenceLevel::None) {
    if (s.BumpBankDirection == kBumpLeftOrUp) draailinks(s);
    else draairechts(s);
    if (std::fabs(s.VerticalSpeed) < kBumpPitchVerticalSpeedLimit) {
      s.AoaStep = kBumpPitchStep;
      s.PathStep = kBumpPitchStep;
      if (s.BumpPitchDirection == kBumpLeftOrUp) Doeklimmen(s);
      else Doedalen(s);
    }
  }
  if (WindshearActive(s) && s.VerticalSpeed >= kWindshearSinkFloor)
    s.VerticalSpeed = rng.Random(kWindshearClimbChoices) * kWindshearClimbStep + kWindshearSinkFloor;
  s.BumpClock = 0;
}

void GustStep(SimState& s, GustLevel level, const std::optional<PanelWind>& panel, RandomGenerator& rng) {
  if (!ClockReached(s.GustClock, s.GustInterval)) return;
  int directionOffset = 0, speedOffset = 0;
  if (level != GustLevel::NotVariable) {
    s.GustInterval = rng.Random(kGustIntervalChoices) + kShortestGustInterval;
    const GustSpread spread = GustSpreadOf(level);
    directionOffset = spread.DirectionSpread -
                      rng.Random(2 * spread.DirectionSpread / kGustDirectionStep + 1) * kGustDirectionStep;
    speedOffset = spread.SpeedSpread - rng.Random(2 * spread.SpeedSpread + 1);
  }
  // Text on the panel that is not a wind FLY would accept leaves the wind as
  // it is: the flight goes on with the last good wind.
  if (panel) {
    s.WindDirection = WrapGustDirection(panel->Direction + directionOffset);
    s.WindSpeed = std::max(panel->Speed + speedOffset, 0);
  }
  s.GustClock = 0;
}

void TurbulenceTick(SimState& s, TurbulenceLevel turbulence, GustLevel gusts, const std::optional<PanelWind>& panel,
                    RandomGenerator& rng) {
  BumpStep(s, turbulence, rng);
  GustStep(s, gusts, panel, rng);
}

}  // namespace tvx::flight
