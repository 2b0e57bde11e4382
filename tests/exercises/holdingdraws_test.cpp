#include "exercises/holdingdraws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "instruments/mapgeometry.h"
#include "exercises/drawsets.h"
#include "exercises/exercisesetup.h"
#include "platform/random.h"
#include "simulator/radios.h"

namespace tvx {
namespace {

using test::Steps;

// The entry a pilot chooses from where he arrives: the arrival bearing from
// the fix measured from the inbound course; for right turns 0..110 is the
// parallel sector, 110..290 the direct one, 290..360 the teardrop one, and
// mirrored for left turns.
int StandardEntry(int heading, int holdingRadial, int side) {
  const int from = (heading + 180) % 360;
  const int inbound = (holdingRadial + 180) % 360;
  int rel = ((from - inbound) % 360 + 360) % 360;
  if (side == kLeftTurns) rel = (360 - rel) % 360;
  if (rel > 0 && rel < 110) return kParallelEntry;
  if (rel > 110 && rel < 290) return kDirectEntry;
  if (rel > 290) return kTeardropEntry;
  return -1;  // on a border
}

// The angle from `expected` to the bearing from `from` to `to`, in -180..180.
double BearingOff(QPointF from, QPointF to, int expected) {
  const double bearing = BearingFromStation(from.x(), from.y(), to.x(), to.y());
  return std::fmod(bearing - expected + 540.0, 360.0) - 180.0;
}

TEST(HoldingDraws, TextsOfSideAndEntry) {
  EXPECT_EQ(HoldingTurnsLine(50, kRightTurns), "Holding on radial 50 with RIGHT turns.");
  EXPECT_EQ(HoldingTurnsLine(0, kLeftTurns), "Holding on radial 0 with LEFT turns.");
  EXPECT_EQ(TurnsLine(kRightTurns), "with right turns.");
  EXPECT_EQ(TurnsLine(kLeftTurns), "with left turns.");
  EXPECT_EQ(EntryLetter(kTeardropEntry), "T");
  EXPECT_EQ(EntryLetter(kDirectEntry), "D");
  EXPECT_EQ(EntryLetter(kParallelEntry), "P");
}

TEST(HoldingDraws, OtixRadials) {
  struct Case {
    int radial, side, kind, answer;
  };
  for (const Case& c : {Case{0, kRightTurns, 0, 330}, Case{300, kLeftTurns, 1, 30}, Case{330, kLeftTurns, 0, 0},
                        Case{0, kRightTurns, 1, 270}, Case{90, kLeftTurns, 0, 120}, Case{80, kRightTurns, 1, 350},
                        Case{350, kLeftTurns, 1, 80}})
    EXPECT_EQ(OtixAnswer(c.radial, c.side, c.kind), c.answer) << c.radial << " " << c.side << " " << c.kind;
}

// The teardrop and abeam radials are where the map draws the far end of the
// outbound leg and the point abeam the fix.
TEST(HoldingDraws, OtixRadialsLieOnTheMapsHolding) {
  for (int radial = 0; radial < 360; radial += 10) {
    for (int side : {kRightTurns, kLeftTurns}) {
      const HoldingPattern h = ComputeHolding(QPointF(3, -2), radial, TurnSideText(side), 120);
      EXPECT_NEAR(BearingOff(h.F, h.B, OtixAnswer(radial, side, 0)), 0, 1e-6) << radial << " " << side;
      EXPECT_NEAR(BearingOff(h.F, h.P, OtixAnswer(radial, side, 1)), 0, 1e-6) << radial << " " << side;
    }
  }
}

TEST(HoldingDraws, OtixDrawsInOrder) {
  Rng().RandSeed = 1;
  const OtixQuestion q = DrawOtixQuestion();
  Rng().RandSeed = 1;
  EXPECT_EQ(q.Radial, Rng().Random(36) * 10);
  EXPECT_EQ(q.Side, Rng().Random(2));
  EXPECT_EQ(q.Kind, Rng().Random(2));
  std::set<int> radials, sides, kinds;
  for (int i = 0; i < 2000; ++i) {
    const OtixQuestion d = DrawOtixQuestion();
    radials.insert(d.Radial);
    sides.insert(d.Side);
    kinds.insert(d.Kind);
  }
  EXPECT_EQ(radials, Steps(0, 350, 10));
  EXPECT_EQ(sides, (std::set<int>{0, 1}));
  EXPECT_EQ(kinds, (std::set<int>{0, 1}));
}

TEST(HoldingDraws, BeaconHoldingWinds) {
  Rng().RandSeed = 1;
  std::set<int> radials, sides, calmWinds, fixedSpeeds, drawnSpeeds, directions;
  for (int i = 0; i < 2000; ++i) {
    const BeaconHolding calm = DrawBeaconHolding(HoldingWind::Calm);
    radials.insert(calm.Radial);
    sides.insert(calm.Side);
    EXPECT_EQ(calm.Heading, Compass0To359(calm.Radial + 180));
    calmWinds.insert(calm.WindDirection * 1000 + calm.WindSpeed);
    const BeaconHolding fixed = DrawBeaconHolding(HoldingWind::Fixed15);
    fixedSpeeds.insert(fixed.WindSpeed);
    directions.insert(fixed.WindDirection);
    drawnSpeeds.insert(DrawBeaconHolding(HoldingWind::Drawn).WindSpeed);
  }
  EXPECT_EQ(radials, Steps(0, 350, 10));
  EXPECT_EQ(sides, (std::set<int>{0, 1}));
  EXPECT_EQ(calmWinds, (std::set<int>{0}));
  EXPECT_EQ(fixedSpeeds, (std::set<int>{15}));
  EXPECT_EQ(drawnSpeeds, (std::set<int>{10, 20}));
  EXPECT_EQ(directions, Steps(0, 350, 10));

  // Radial, side, wind direction, wind speed: one draw each, in that order.
  Rng().RandSeed = 77;
  const BeaconHolding h = DrawBeaconHolding(HoldingWind::Drawn);
  Rng().RandSeed = 77;
  EXPECT_EQ(h.Radial, Rng().Random(36) * 10);
  EXPECT_EQ(h.Side, Rng().Random(2));
  EXPECT_EQ(h.WindDirection, Rng().Random(36) * 10);
  EXPECT_EQ(h.WindSpeed, Rng().Random(2) * 10 + 10);
  // A calm holding draws the radial and the side only.
  Rng().RandSeed = 77;
  DrawBeaconHolding(HoldingWind::Calm);
  const std::uint32_t afterCalm = Rng().RandSeed;
  Rng().RandSeed = 77;
  Rng().Random(2);
  Rng().Random(2);
  EXPECT_EQ(Rng().RandSeed, afterCalm);
}

TEST(HoldingDraws, TeardropStartRadial) {
  EXPECT_EQ(TeardropStartRadial(330, kLeftTurns), 360);
  EXPECT_EQ(TeardropStartRadial(340, kLeftTurns), 10);
  EXPECT_EQ(TeardropStartRadial(0, kLeftTurns), 30);
  EXPECT_EQ(TeardropStartRadial(0, kRightTurns), 330);
  EXPECT_EQ(TeardropStartRadial(30, kRightTurns), 0);
  EXPECT_EQ(TeardropStartRadial(20, kRightTurns), 350);
  Rng().RandSeed = 5;
  std::set<int> starts;
  for (int i = 0; i < 3000; ++i) {
    const TeardropStart t = DrawTeardropStart();
    EXPECT_EQ(t.Inbound, Compass0To359(t.Radial + 180));
    EXPECT_EQ(t.StartRadial, TeardropStartRadial(t.Radial, t.Side));
    EXPECT_TRUE(t.WindSpeed == 10 || t.WindSpeed == 20);
    EXPECT_EQ(t.WindDirection % 10, 0);
    starts.insert(t.StartRadial);
  }
  // Every multiple of 10 from 0 to 360 but 0 from left turns.
  EXPECT_EQ(starts, Steps(0, 360, 10));
}

// Every drawn offset makes its entry the one a pilot chooses, at least 10
// degrees inside its sector, and the draws cover each sector's table.
TEST(HoldingDraws, EntryOffsetsLieInTheirSectors) {
  const std::map<std::pair<int, int>, std::set<int>> table = {
      {{kTeardropEntry, kRightTurns}, Steps(10, 60, 10)},   {{kTeardropEntry, kLeftTurns}, Steps(300, 350, 10)},
      {{kDirectEntry, kRightTurns}, Steps(80, 240, 10)},    {{kDirectEntry, kLeftTurns}, Steps(120, 280, 10)},
      {{kParallelEntry, kRightTurns}, Steps(260, 350, 10)}, {{kParallelEntry, kLeftTurns}, Steps(10, 100, 10)}};
  Rng().RandSeed = 1;
  for (const auto& [key, offsets] : table) {
    std::set<int> seen;
    for (int i = 0; i < 1500; ++i) seen.insert(DrawEntryOffset(key.first, key.second));
    EXPECT_EQ(seen, offsets) << key.first << " " << key.second;
    for (int offset : offsets) {
      for (int heading = 0; heading < 360; heading += 10) {
        const int radial = Compass0To359(heading + offset);
        EXPECT_EQ(StandardEntry(heading, radial, key.second), key.first) << heading << " " << offset;
        // 10 degrees either way stays in the sector or on its border.
        for (int nudge : {-9, 9}) {
          const int e = StandardEntry(heading + nudge + 360, radial, key.second);
          EXPECT_EQ(e, key.first) << heading << " " << offset << " " << nudge;
        }
      }
    }
  }
}

TEST(HoldingDraws, EntrySetupDraws) {
  Rng().RandSeed = 1;
  std::map<int, int> entries;
  for (int i = 0; i < 3000; ++i) {
    const EntrySetup e = DrawEntrySetup(-1);
    ++entries[e.Entry];
    EXPECT_EQ(e.Heading % 10, 0);
    EXPECT_EQ(e.HoldingRadial, Compass0To359(e.Heading + e.Offset));
    EXPECT_EQ(StandardEntry(e.Heading, e.HoldingRadial, e.Side), e.Entry);
  }
  EXPECT_EQ(entries.size(), 3u);
  for (const auto& [entry, count] : entries) EXPECT_GT(count, 800) << entry;
  // A given entry is not drawn: heading, side, offset.
  Rng().RandSeed = 9;
  const EntrySetup fixed = DrawEntrySetup(kParallelEntry);
  Rng().RandSeed = 9;
  EXPECT_EQ(fixed.Heading, Rng().Random(36) * 10);
  EXPECT_EQ(fixed.Side, Rng().Random(2));
  EXPECT_EQ(fixed.Offset, fixed.Side == kRightTurns ? Rng().Random(10) * 10 + 260 : Rng().Random(10) * 10 + 10);
  EXPECT_EQ(fixed.Entry, kParallelEntry);
}

TEST(HoldingDraws, OutboundTiming) {
  EXPECT_EQ(OutboundTimingAnswer(0, 10), 65);
  EXPECT_EQ(OutboundTimingAnswer(0, 30), 75);
  EXPECT_EQ(OutboundTimingAnswer(1, 20), 50);
  EXPECT_EQ(OutboundTimingAnswer(1, 30), 45);
  EXPECT_EQ(CorrectedTimingAnswer(0, 10), 65);
  EXPECT_EQ(CorrectedTimingAnswer(0, 20), 70);
  EXPECT_EQ(CorrectedTimingAnswer(1, 30), 45);
  Rng().RandSeed = 3;
  std::set<int> values, sides;
  for (int i = 0; i < 500; ++i) {
    const TimingQuestion q = DrawTimingQuestion();
    values.insert(q.Value);
    sides.insert(q.Side);
  }
  EXPECT_EQ(values, (std::set<int>{10, 20, 30}));
  EXPECT_EQ(sides, (std::set<int>{0, 1}));
}

TEST(HoldingDraws, OutboundHeading) {
  EXPECT_EQ(OutboundHeadingAnswer(0, 1, 25), 335);
  EXPECT_EQ(OutboundHeadingAnswer(350, 0, 40), 30);
  EXPECT_EQ(OutboundHeadingAnswer(180, 0, 10), 190);
  Rng().RandSeed = 4;
  std::set<int> speeds;
  for (int i = 0; i < 2000; ++i) {
    const OutboundHeadingQuestion q = DrawOutboundHeadingQuestion();
    speeds.insert(q.WindSpeed);
    // The wind blows square across the outbound leg (heading = radial), from
    // the right for side 0; the heading turns into it.
    const int fromRight = Compass0To359(q.WindDirection - q.Radial);
    EXPECT_EQ(fromRight, q.Side == 0 ? 90 : 270);
    const int correction = Compass0To359(OutboundHeadingAnswer(q.Radial, q.Side, q.WindSpeed) - q.Radial);
    EXPECT_EQ(correction, q.Side == 0 ? q.WindSpeed : 360 - q.WindSpeed);
  }
  EXPECT_EQ(speeds, Steps(10, 40, 5));
  // Radial 0, wind from 270 at 25 kt.
  for (std::uint32_t seed = 0;; ++seed) {
    Rng().RandSeed = seed;
    const OutboundHeadingQuestion q = DrawOutboundHeadingQuestion();
    if (q.Radial != 0 || q.Side != 1 || q.WindSpeed != 25) continue;
    EXPECT_EQ(q.WindDirection, 270);
    EXPECT_EQ(OutboundHeadingAnswer(q.Radial, q.Side, q.WindSpeed), 335);
    break;
  }
}

}  // namespace
}  // namespace tvx
