#include "instruments/mapprofile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tvx {
namespace {

using Op = RecordingCanvas::Op;

AreaBeacon Ils(const char* name, const char* freq, double x, double y, int course, int elevation) {
  AreaBeacon b;
  b.Name = name;
  b.Frequency = freq;
  b.X = x;
  b.Y = y;
  b.FinalCourse = course;
  b.Elevation = elevation;
  return b;
}

TEST(ProfileScales, ThreeDegreeEndPointAtCell100Scale1) {
  const ProfileScale p = ProfileScaleOf(100, 1);
  EXPECT_EQ(p.X0, 25);
  EXPECT_EQ(p.Yg, 566);
  EXPECT_EQ(p.H, 50);
  EXPECT_EQ(p.V, 100);
  const QPoint end = GlidePathEnd(p, 3.0);
  EXPECT_EQ(end.x() - p.X0, 800);
  EXPECT_EQ(p.Yg - end.y(), 509);
  EXPECT_EQ(ProfileScaleOf(100, 3).H, 150);
  EXPECT_EQ(ProfileScaleOf(179, 1).H, 89);  // halving truncates
  EXPECT_EQ(ProfileScaleOf(179, 1).Yg, 119 + 895);
}

TEST(ProfileScales, AltitudeLinesAboveTheAirport) {
  const ProfileScale p = ProfileScaleOf(100, 1);
  const auto lines = AltitudeLines(p, 1500);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].Feet, 2000);
  EXPECT_EQ(lines[4].Feet, 6000);
  EXPECT_EQ(lines[0].Y, p.Yg - 50);  // U/2 above the ground line
  EXPECT_EQ(lines[1].Y - lines[0].Y, -100);
  const auto low = AltitudeLines(p, 120);
  EXPECT_EQ(low[0].Feet, 1000);
  EXPECT_EQ(low[0].Y, p.Yg - 100 + 12);
}

TEST(ProfileScales, PointsAlongTheApproach) {
  const ProfileScale p = ProfileScaleOf(100, 1);
  EXPECT_EQ(ProfilePoint(p, 0, 120, 120), QPoint(25, 566));
  EXPECT_EQ(ProfilePoint(p, 4, 1393, 120), QPoint(225, 566 - 127));
  EXPECT_EQ(ProfilePoint(p, 0.01, 2000, 0), QPoint(26, 366));  // 25.5 -> 26
  EXPECT_EQ(ProfilePoint(p, -2, 0, 1000), QPoint(-75, 666));  // behind the threshold, below it
}

TEST(ProfileTrack, BearingFromTheStation) {
  const QPointF s(1, 1);
  EXPECT_EQ(BearingFromStation(s, QPointF(1, -3)), 0);  // exactly north: same X, smaller Y
  EXPECT_EQ(BearingFromStation(s, QPointF(1, 4)), 180);
  EXPECT_EQ(BearingFromStation(s, QPointF(1, 1)), 0);
  EXPECT_NEAR(BearingFromStation(s, QPointF(3, 1)), 90, 1e-12);
  EXPECT_NEAR(BearingFromStation(s, QPointF(-3, 1)), 270, 1e-12);
  EXPECT_NEAR(BearingFromStation(s, QPointF(2, 0)), 45, 1e-12);
  EXPECT_NEAR(BearingFromStation(s, QPointF(2, 2)), 135, 1e-12);
  EXPECT_NEAR(BearingFromStation(s, QPointF(0, 2)), 225, 1e-12);
  EXPECT_NEAR(BearingFromStation(s, QPointF(0, 0)), 315, 1e-12);
}

TEST(ProfileTrack, DistanceAlongTheCourse) {
  const QPointF s(0, 0);
  EXPECT_NEAR(AlongCourseDistance(s, QPointF(5, 0), 270), 5, 1e-12);    // on the approach side
  EXPECT_NEAR(AlongCourseDistance(s, QPointF(-3, 0), 270), -3, 1e-12);  // past the runway
  EXPECT_NEAR(AlongCourseDistance(s, QPointF(4, 3), 270), 4, 1e-12);    // abeam offset ignored
  EXPECT_NEAR(AlongCourseDistance(s, QPointF(0, -6), 180), 6, 1e-12);   // approach from the north
}

TEST(ProfileApproachChoice, TunedIlsByFrequencyElseSlotOne) {
  AreaBeaconList ils{};
  ils[0] = Ils("09", "108.6", 1, 0, 90, 200);
  ils[2] = Ils("27", "110.30", 5, 0, 270, 300);
  ils[3] = Ils("33", "111.1", 7, 0, 330, 400);
  EXPECT_EQ(ApproachSlot(ils, "110.3", true), 2);   // "110.3" matches "110.30"
  EXPECT_EQ(ApproachSlot(ils, "110.30", true), 2);
  EXPECT_EQ(ApproachSlot(ils, "111.10", true), 3);  // the stored text shorter
  EXPECT_EQ(ApproachSlot(ils, "110.5", true), -1);
  EXPECT_EQ(ApproachSlot(ils, "110.3", false), 0);  // nothing tuned: slot 1
  EXPECT_EQ(ApproachSlot(ils, "114.0", false), 0);
  ils[0] = AreaBeacon{};
  EXPECT_EQ(ApproachSlot(ils, "114.0", false), -1);
  // An emptied slot keeps no frequency that could match.
  ils[4] = Ils("", "110.5", 0, 0, 0, 0);
  EXPECT_EQ(ApproachSlot(ils, "110.5", true), -1);
}

TEST(ProfileApproachChoice, CopiesNeverTheFlightState) {
  AreaBeaconList ils{};
  ils[0] = Ils("27", "108.6", 1.5, 0.25, 270, 120);
  ils[0].LocatorName = "LCA";
  ils[0].LocatorDistance = 4.0;
  SimState s;
  s.IlsTuned = false;
  s.Vor1StationX = -6.1;
  s.Vor1StationY = 4.0;
  s.AirportElevation = 777;
  const auto a = ChooseApproach(ils, "114.6", s);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->StationX, 1.5);
  EXPECT_EQ(a->StationY, 0.25);
  EXPECT_EQ(a->Elevation, 120);
  EXPECT_EQ(a->RunwayName, "27");
  EXPECT_EQ(a->LocatorName, "LCA");
  EXPECT_EQ(a->FinalCourse, 270);
  EXPECT_EQ(s.Vor1StationX, -6.1);
  EXPECT_EQ(s.AirportElevation, 777);

  s.IlsTuned = true;  // tuned: measured from the tuned station
  const auto t = ChooseApproach(ils, "108.60", s);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->StationX, -6.1);
  EXPECT_EQ(t->Elevation, 777);
}

class ProfileDrawing : public ::testing::Test {
 protected:
  SimState s;
  ProfileApproach approach;
  void SetUp() override {
    ClearTrackHistory(s);
    s.CellSize = 100;
    s.CellFrameMargin = 2;
    s.VerticalMapScale = 1;
    s.AirportElevation = 555;
    s.Vor1StationX = 9;
    s.Vor1StationY = 9;
    approach.FinalCourse = 270;
    approach.LocatorDistance = 4.0;
    approach.LocatorName = "LCA";
    approach.RunwayName = "ILA";
    approach.StationX = 0;
    approach.StationY = 0;
    approach.Elevation = 120;
  }
  const RecordingCanvas::Primitive* Find(const RecordingCanvas& c, Op op, TColor pen) const {
    for (const auto& p : c.log)
      if (p.op == op && p.pen.color == pen) return &p;
    return nullptr;
  }
};

TEST_F(ProfileDrawing, RunwayGlidePathsScalesAndLocator) {
  RecordingCanvas c;
  DrawVerticalProfile(c, s, approach, 28);
  const auto texts = c.Texts();
  EXPECT_EQ(texts[0], "Runway: ILA . Angles not to scale.");
  EXPECT_EQ(texts[1], "Press [A] or [Q] to close window. Press [S] to zoom.");
  EXPECT_EQ(c.log[1].points[0], QPoint(10, 28));
  for (const auto& p : c.log)
    if (p.op == Op::Text) EXPECT_EQ(p.brush.style, BrushStyle::Clear) << p.text.toStdString();
  const auto* runway = &c.log[2];
  EXPECT_EQ(runway->op, Op::Rectangle);
  EXPECT_EQ(runway->points, (QVector<QPoint>{{35, 566}, {25 - 66, 576}}));
  EXPECT_EQ(runway->brush.color, clr::White);
  EXPECT_EQ(texts[2], "120");  // the approach's elevation, not the flight's
  // Glide paths 3.0, 3.35, 2.65 degrees from the threshold, 16 NM out.
  EXPECT_EQ(c.log[4].points, (QVector<QPoint>{{25, 566}, {825, 57}}));
  EXPECT_EQ(c.log[5].points[1], QPoint(825, 566 - 568));
  EXPECT_EQ(c.log[6].points[1], QPoint(825, 566 - 449));
  // Distance marks every 2 NM, dotted red, figures on the ground line.
  EXPECT_TRUE(texts.contains("24"));
  for (const auto& p : c.log)
    if (p.op == Op::Text && p.text == "2") {
      EXPECT_EQ(p.points[0], QPoint(125, 566));
    }
  // Altitude lines 1000..5000 ft above an airport at 120 ft.
  EXPECT_TRUE(texts.contains("1000"));
  EXPECT_TRUE(texts.contains("5000"));
  EXPECT_FALSE(texts.contains("6000"));
  // The locator 4 NM out, blue, width 2, its name beside the line.
  const auto* loc = Find(c, Op::Line, clr::Blue);
  ASSERT_NE(loc, nullptr);
  EXPECT_EQ(loc->points, (QVector<QPoint>{{225, 566}, {225, 0}}));
  EXPECT_EQ(loc->pen.width, 2);
  EXPECT_EQ(loc->pen.style, PenStyle::Solid);
  EXPECT_TRUE(texts.contains("LCA"));
}

TEST_F(ProfileDrawing, NoLocatorLineForDistanceZero) {
  approach.LocatorDistance = 0;
  RecordingCanvas c;
  DrawVerticalProfile(c, s, approach, 28);
  EXPECT_EQ(Find(c, Op::Line, clr::Blue), nullptr);
  EXPECT_FALSE(c.Texts().contains("LCA"));
}

TEST_F(ProfileDrawing, EmptyTrackDrawsNeitherLineNorCross) {
  RecordingCanvas c;
  DrawVerticalProfile(c, s, approach, 28);
  EXPECT_EQ(c.Count(Op::Polyline), 0);
  EXPECT_EQ(Find(c, Op::Line, clr::Lime), nullptr);
}

TEST_F(ProfileDrawing, OnlyFilledSlotsAreDrawnAndTheNewestGetsTheCross) {
  AddTrackPoint(s, 6, 0, 2000);
  AddTrackPoint(s, 5, 0, 1800);
  AddTrackPoint(s, 4, 0.1, 1393);
  RecordingCanvas c;
  DrawVerticalProfile(c, s, approach, 28);
  const auto* track = Find(c, Op::Polyline, clr::Fuchsia);
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(track->pen.width, 2);
  EXPECT_EQ(track->pen.style, PenStyle::Solid);
  const ProfileScale p = ProfileScaleOf(100, 1);
  EXPECT_EQ(track->points, (QVector<QPoint>{ProfilePoint(p, 6, 2000, 120), ProfilePoint(p, 5, 1800, 120),
                                            ProfilePoint(p, AlongCourseDistance({0, 0}, {4, 0.1}, 270), 1393, 120)}));
  int cross = 0;
  for (const auto& l : c.log)
    if (l.op == Op::Line && l.pen.color == clr::Lime) {
      EXPECT_EQ(l.points[0], QPoint(225, 439));
      EXPECT_EQ(std::abs(l.points[1].x() - 225) + std::abs(l.points[1].y() - 439), 7);
      ++cross;
    }
  EXPECT_EQ(cross, 4);
}

TEST_F(ProfileDrawing, WithoutAnApproachOnlyTheScales) {
  AddTrackPoint(s, 6, 0, 2000);
  RecordingCanvas c;
  DrawVerticalProfile(c, s, std::nullopt, 28);
  EXPECT_FALSE(c.Texts()[0].startsWith("Runway"));
  EXPECT_EQ(c.Count(Op::Rectangle), 0);
  EXPECT_EQ(c.Count(Op::Polyline), 0);
  EXPECT_EQ(Find(c, Op::Line, clr::White), nullptr);  // no glide paths
  EXPECT_EQ(Find(c, Op::Line, clr::Lime), nullptr);
  EXPECT_NE(Find(c, Op::Line, clr::Red), nullptr);
  EXPECT_TRUE(c.Texts().contains("1000"));  // lines over the flight's elevation of 555 ft
  EXPECT_FALSE(c.Texts().contains("6000"));
}

TEST_F(ProfileDrawing, ChartFrameThenProfile) {
  RecordingCanvas c;
  DrawProfileChart(c, 1600, 600, s, approach, 28);
  EXPECT_EQ(c.log[0].points, (QVector<QPoint>{{2, 2}, {1598, 2}}));
  EXPECT_EQ(c.log[1].points, (QVector<QPoint>{{1598, 2}, {1598, 598}}));
  EXPECT_EQ(c.log[0].pen.color, clr::White);
  EXPECT_EQ(c.log[4].text, "Runway: ILA . Angles not to scale.");
}

}  // namespace
}  // namespace tvx
