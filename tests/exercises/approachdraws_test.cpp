#include "exercises/approachdraws.h"

#include <gtest/gtest.h>

#include <set>

#include "areas/areamodel.h"
#include "exercises/drawsets.h"
#include "platform/random.h"
#include "simulator/radios.h"

namespace tvx {
namespace {

using test::Steps;

TEST(ApproachDraws, WindFromEitherQuarter) {
  Rng().RandSeed = 1;
  std::set<int> southWest, northWest, speeds;
  for (int i = 0; i < 2000; ++i) {
    const ApproachWind w = DrawApproachWind();
    (w.Side == 0 ? southWest : northWest).insert(w.Direction);
    speeds.insert(w.Speed);
  }
  EXPECT_EQ(southWest, Steps(180, 240, 10));
  EXPECT_EQ(northWest, Steps(300, 360, 10));  // 360 stays 360
  EXPECT_EQ(speeds, (std::set<int>{10, 20}));
  // Side, direction, speed: one draw each, in that order.
  Rng().RandSeed = 11;
  const ApproachWind w = DrawApproachWind();
  Rng().RandSeed = 11;
  EXPECT_EQ(w.Side, Rng().Random(2));
  const int k = Rng().Random(7);
  EXPECT_EQ(w.Direction, w.Side == 0 ? k * 10 + 180 : 360 - k * 10);
  EXPECT_EQ(w.Speed, Rng().Random(2) * 10 + 10);
}

TEST(ApproachDraws, StartEitherSideOfTheCentreLine) {
  const ApproachStart north = ApproachStartOfSide(0);
  EXPECT_EQ(north.Heading, "240");
  EXPECT_EQ(north.Radial, "087");
  const ApproachStart south = ApproachStartOfSide(1);
  EXPECT_EQ(south.Heading, "300");
  EXPECT_EQ(south.Radial, "093");
}

// The approaches tune the stations the default area holds: the ILS, its
// locator and the VOR, and start from beacons the area has.
TEST(ApproachDraws, ApproachesTuneTheDefaultAreasStations) {
  AreaState area;
  FillDefaultArea(area);
  const AreaBeacon& ils = area.IlsList[0];
  const AreaBeacon& vor = area.VorList[0];
  ASSERT_EQ(ils.Name, "ILA");
  ASSERT_EQ(vor.Name, "AAA");
  for (const ApproachKind* k : {&IlsApproach(), &LocaliserApproach(), &VorDmeApproach(), &NdbApproach()}) {
    EXPECT_TRUE(FrequencyMatches(ils.LocatorFreq, k->AdfActive, kNdbFrequencySuffix)) << k->Beacon.toStdString();
    EXPECT_TRUE(k->Beacon == ils.Name || k->Beacon == vor.Name || k->Beacon == ils.LocatorName) << k->Beacon.toStdString();
    EXPECT_FALSE(k->Task.isEmpty());
  }
  EXPECT_TRUE(FrequencyMatches(ils.Frequency, IlsApproach().Vor1Active, kVorFrequencySuffix));
  EXPECT_TRUE(FrequencyMatches(ils.Frequency, LocaliserApproach().Vor1Active, kVorFrequencySuffix));
  EXPECT_TRUE(VorDmeApproach().Vor1Active.isEmpty());
  EXPECT_TRUE(FrequencyMatches(vor.Frequency, NdbApproach().Vor1Active, kVorFrequencySuffix));
  EXPECT_TRUE(FrequencyMatches(vor.Frequency, NdbApproach().Vor2Active, kVorFrequencySuffix));
  // The final course the approaches are flown on is the runway's.
  for (const ApproachKind* k : {&IlsApproach(), &LocaliserApproach(), &VorDmeApproach()})
    EXPECT_EQ(k->Obs1Course, ils.FinalCourse);
  EXPECT_EQ(NdbApproach().Obs1Course, 360);
  EXPECT_EQ(NdbApproach().Obs2Course, 360);
  // Only the localiser approach goes without a glideslope.
  EXPECT_TRUE(LocaliserApproach().GlideslopeOff);
  EXPECT_FALSE(IlsApproach().GlideslopeOff || VorDmeApproach().GlideslopeOff || NdbApproach().GlideslopeOff);
  EXPECT_EQ(IlsApproach().Dme, "11");
  EXPECT_EQ(LocaliserApproach().Dme, "11");
  EXPECT_EQ(VorDmeApproach().Dme, "13");
  EXPECT_EQ(NdbApproach().Dme, "7");
}

TEST(ApproachDraws, RateOfDescent) {
  EXPECT_EQ(RodAnswer(60), 300);
  EXPECT_EQ(RodAnswer(195), 975);
  Rng().RandSeed = 2;
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(DrawRodGroundspeed());
  EXPECT_EQ(seen, Steps(60, 195, 5));
}

TEST(ApproachDraws, VisualDescentPoint) {
  EXPECT_EQ(VdpAnswer(420), "1.4");
  EXPECT_EQ(VdpAnswer(450), "1.5");
  EXPECT_EQ(VdpAnswer(600), "2.0");
  EXPECT_EQ(VdpAnswer(690), "2.3");
  Rng().RandSeed = 2;
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) seen.insert(DrawVdpMdh());
  EXPECT_EQ(seen, Steps(420, 690, 30));
  // Every answer is a tenth of a mile that, at 300 ft per NM, gives the MDH.
  for (int mdh : seen) {
    const QString answer = VdpAnswer(mdh);
    EXPECT_EQ(answer.size(), 3) << mdh;
    EXPECT_EQ(answer[1], '.') << mdh;
    EXPECT_EQ(answer.left(1).toInt() * 300 + answer.right(1).toInt() * 30, mdh);
  }
}

TEST(ApproachDraws, FullApproach) {
  Rng().RandSeed = 1;
  std::set<int> qdrs;
  for (int i = 0; i < 200; ++i) {
    const FullApproach a = DrawFullApproach();
    EXPECT_EQ(a.Qdr, a.Side == 0 ? 64 : 116);
    qdrs.insert(a.Qdr);
  }
  EXPECT_EQ(qdrs, (std::set<int>{64, 116}));
  // Wind first, then the side of the QDR.
  Rng().RandSeed = 21;
  const FullApproach a = DrawFullApproach();
  Rng().RandSeed = 21;
  const ApproachWind w = DrawApproachWind();
  EXPECT_EQ(a.Wind.Direction, w.Direction);
  EXPECT_EQ(a.Wind.Speed, w.Speed);
  EXPECT_EQ(a.Side, Rng().Random(2));
  EXPECT_EQ(FullApproachTask(true, 64),
            "Fly to LCA locator. When overhead, intercept QDR 64, and descend to 2000 ft. Fly outbound for 1.5 "
            "minute, then turn and intercept the ILS at 80 knots.");
  EXPECT_EQ(FullApproachTask(false, 116),
            "Fly to LCA locator. Then intercept QDR 116, and descend to 2000 ft. Fly outbound for 1.5 minute, then "
            "turn and fly an NDB approach at 80 knots. LOM=1400 ft. MDA=600 ft. LOM to MAP=2 min 35 sec (at 80 "
            "knots).");
}

TEST(ApproachDraws, ClimbGradient) {
  EXPECT_EQ(ClimbRateForGradient("3.3"), 330);
  EXPECT_EQ(ClimbRateForGradient("8.2"), 820);
  EXPECT_EQ(ClimbRateForGradient("4.7"), 470);
  EXPECT_EQ(ClimbRateForGradient("x"), 0);
  Rng().RandSeed = 1;
  std::set<QString> seen;
  for (int i = 0; i < 3000; ++i) seen.insert(DrawClimbGradientText());
  ASSERT_EQ(seen.size(), 50u);
  EXPECT_EQ(*seen.begin(), "3.3");
  EXPECT_EQ(*seen.rbegin(), "8.2");
  // Each tenth from 3.3 to 8.2 once; its rate is the text without its point.
  for (const QString& g : seen) {
    ASSERT_EQ(g.size(), 3) << g.toStdString();
    const int tenths = QString(g).remove('.').toInt();
    EXPECT_GE(tenths, 33);
    EXPECT_LE(tenths, 82);
    EXPECT_EQ(ClimbRateForGradient(g), tenths * 10) << g.toStdString();
  }
}

TEST(ApproachDraws, ClimbToCrossADme) {
  EXPECT_EQ(HeightAtDme(400, 3), 720);
  EXPECT_EQ(HeightAtDme(900, 10), 5400);
  Rng().RandSeed = 1;
  std::set<int> rocs, distances;
  for (int i = 0; i < 3000; ++i) {
    const DmeClimb d = DrawDmeClimb();
    rocs.insert(d.Roc);
    distances.insert(d.Distance);
    // 0.6 minute per NM at 100 kt.
    EXPECT_EQ(d.Height * 10, d.Roc * 6 * d.Distance);
  }
  EXPECT_EQ(rocs, Steps(400, 900, 100));
  EXPECT_EQ(distances, Steps(3, 10, 1));
  Rng().RandSeed = 8;
  const DmeClimb d = DrawDmeClimb();
  Rng().RandSeed = 8;
  EXPECT_EQ(d.Roc, Rng().Random(6) * 100 + 400);
  EXPECT_EQ(d.Distance, Rng().Random(8) + 3);
}

}  // namespace
}  // namespace tvx
