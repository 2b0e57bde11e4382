#pragma once
// Turbulence and wind variation: random bumps (single bank and pitch steps
// through the same control steps as the keys) and gusts (the wind jumping to
// random values around the wind set on the start panel). Both run once per
// tick after the scenario checks, over the flight state, drawing from the
// generator they are given.
#include <QString>
#include <optional>

#include "platform/random.h"
#include "simulator/simstate.h"

namespace tvx::flight {

// The items of the turbulence menu, in menu order.
enum class TurbulenceLevel { None, Light, Moderate, Severe };
// The items of the wind menu, in menu order.
enum class GustLevel { NotVariable, Small, Medium, Large };

// A new bump interval is drawn this often (s) on TurbulenceClock.
constexpr double kBumpIntervalPeriod = 15;
// Climbing or descending faster than this (ft/min), a bump banks only.
constexpr double kBumpPitchVerticalSpeedLimit = 1000;
// The pitch step of a bump, for both the pistons (AoaStep) and the jet (PathStep).
constexpr double kBumpPitchStep = 0.125;
// Below these the aircraft counts as wings level / level, and the next bump's
// bank / pitch direction is drawn again every tick.
constexpr double kWingsLevelBank = 1;
constexpr double kLevelVerticalSpeed = 60;

// Bump directions: 1 banks left / pitches up, 2 banks right / pitches down.
constexpr int kBumpLeftOrUp = 1;
constexpr int kBumpRightOrDown = 2;

// How far a gust moves the wind from the set wind: the direction by up to
// `DirectionSpread` degrees either side in steps of 10, the speed by up to
// `SpeedSpread` kt either side in steps of 1.
struct GustSpread {
  int DirectionSpread = 0;
  int SpeedSpread = 0;
};
GustSpread GustSpreadOf(GustLevel level);

// Seconds between gusts while the wind is variable: 2, 3 or 4.
constexpr int kShortestGustInterval = 2;
constexpr int kGustIntervalChoices = 3;

// The wind typed on the start panel, when the two texts hold a direction in
// 0..360 and a speed in 0..60 kt (what FLY accepts); none otherwise, and then
// the gusts leave the wind as it is.
struct PanelWind {
  int Direction = 0;
  int Speed = 0;
};
std::optional<PanelWind> ReadPanelWind(const QString& directionText, const QString& speedText);

// A bump direction: 1 or 2, equally likely.
int DrawBumpDirection(RandomGenerator& rng);

// A new time between bumps (s): light 2.0..4.4, moderate 1.0..2.9, severe or
// none 1.0..1.9, in steps of 0.1.
double DrawBumpInterval(TurbulenceLevel level, RandomGenerator& rng);

// A wind direction brought back into 0..360 after a gust moved it by at most
// 60 degrees: below 0 gains 360, above 360 loses 360.
int WrapGustDirection(int direction);

// The turbulence part of a tick: new directions while wings level / level,
// a new bump interval every 15 s, and a bump when BumpClock reaches
// BumpInterval (bank and pitch steps unless there is no turbulence; during an
// active windshear a random climb rate of -500..+300 ft/min).
void BumpStep(SimState& s, TurbulenceLevel level, RandomGenerator& rng = Rng());

// The gust part of a tick: when GustClock reaches GustInterval, the wind is
// set from the panel wind (exactly, while not variable; else moved by a
// random amount within the level's spread, with a new interval of 2..4 s).
void GustStep(SimState& s, GustLevel level, const std::optional<PanelWind>& panel, RandomGenerator& rng = Rng());

// Both, in the tick's order.
void TurbulenceTick(SimState& s, TurbulenceLevel turbulence, GustLevel gusts,
                    const std::optional<PanelWind>& panel, RandomGenerator& rng = Rng());

}  // namespace tvx::flight
