#include "instruments/mapgeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/canvas.h"

namespace tvx {
namespace {

constexpr double kNm = 0.005;  // 1/200 NM: the figures of the cases are given to two decimals

MapView ViewAt(int cx, int cy, int scale, double ax = 0, double ay = 0) {
  MapView v;
  v.CentreX = cx;
  v.CentreY = cy;
  v.PixelsPerNm = scale;
  v.AircraftX = ax;
  v.AircraftY = ay;
  return v;
}

// The screen direction (counter-clockwise degrees, 0 = east, 90 = up) of the
// middle of an arc, as the canvas draws it.
double ArcMiddleDeg(const ScreenArc& a) {
  double start = 0, span = 0;
  ArcAngles(a.X1, a.Y1, a.X2, a.Y2, a.From.x(), a.From.y(), a.To.x(), a.To.y(), start, span);
  return start + span / 2.0;
}

// How far `deg` lies from `expected`, the shorter way round.
double Off(double deg, double expected) { return std::abs(std::remainder(deg - expected, 360.0)); }

TEST(MapProjection, NorthUpAroundTheAircraft) {
  const MapView v = ViewAt(100, 100, 20, 1, 1);
  EXPECT_EQ(v.Screen(QPointF(1, 1)), QPoint(100, 100));
  EXPECT_EQ(v.Screen(QPointF(2, 0.5)), QPoint(120, 90));    // east and north of the aircraft
  // Half pixels round away from zero: 100.5 -> 101, 99.5 -> 100.
  const MapView fine = ViewAt(100, 100, 2, 1, 1);
  EXPECT_EQ(fine.Screen(QPointF(1.25, 1)), QPoint(101, 100));
  EXPECT_EQ(fine.Screen(QPointF(0.75, 1)), QPoint(100, 100));
}

TEST(MapProjection, PointOnBearingAndStrokes) {
  const QPointF east = PointOnBearing(QPointF(1, 1), 2, 90);
  EXPECT_NEAR(east.x(), 3, 1e-12);
  EXPECT_NEAR(east.y(), 1, 1e-12);
  const QPointF north = PointOnBearing(QPointF(0, 0), 2, 0);
  EXPECT_NEAR(north.y(), -2, 1e-12);  // y grows to the south
  EXPECT_EQ(StrokeEnd(QPoint(50, 50), 10, 180), QPoint(50, 60));
}

TEST(MapHolding, RightHoldingOnRadial180At115Knots) {
  const HoldingPattern h = ComputeHolding(QPointF(0, 0), 180, "RIGHT", 115);
  EXPECT_TRUE(h.RightTurns);
  EXPECT_NEAR(h.A.x(), 0.0, kNm);
  EXPECT_NEAR(h.A.y(), 1.92, kNm);
  EXPECT_NEAR(h.P.x(), 1.11, kNm);
  EXPECT_NEAR(h.P.y(), 0.0, kNm);
  EXPECT_NEAR(h.B.x(), 1.11, kNm);
  EXPECT_NEAR(h.B.y(), 1.92, kNm);
  EXPECT_EQ(h.InboundCourse, 0);
}

TEST(MapHolding, LeftAndUnknownSidesMirrorThePattern) {
  for (const char* side : {"LEFT", "links"}) {
    const HoldingPattern h = ComputeHolding(QPointF(2, 3), 180, side, 115);
    EXPECT_FALSE(h.RightTurns) << side;
    EXPECT_NEAR(h.P.x(), 2 - 1.11, kNm) << side;
    EXPECT_NEAR(h.P.y(), 3, kNm) << side;
    EXPECT_NEAR(h.B.x(), 2 - 1.11, kNm) << side;
    EXPECT_NEAR(h.B.y(), 3 + 1.92, kNm) << side;
  }
}

TEST(MapHolding, InboundCourseIsTheRadialReversed) {
  const struct {
    int radial, inbound;
  } cases[] = {{180, 0}, {0, 180}, {360, 180}, {90, 270}, {270, 90}, {179, 359}};
  for (const auto& c : cases) EXPECT_EQ(ComputeHolding({}, c.radial, "RIGHT", 115).InboundCourse, c.inbound) << c.radial;
}

TEST(MapHolding, ArcsHaveTheirDiametersAndBulgeAwayFromTheLegs) {
  const MapView v = ViewAt(200, 200, 20);
  const HoldingPattern right = ComputeHolding(QPointF(0, 0), 180, "RIGHT", 115);
  const ScreenArc far = HoldingFarArc(v, right);
  // Centre halfway between A (200, 238.3) and B (222.1, 238.3), radius 11.1 px.
  EXPECT_EQ(QPoint((far.X1 + far.X2) / 2, (far.Y1 + far.Y2) / 2), QPoint(211, 238));
  EXPECT_EQ(far.X2 - far.X1, 22);
  EXPECT_EQ(far.From, v.Screen(right.A));
  EXPECT_EQ(far.To, v.Screen(right.B));
  EXPECT_LT(Off(ArcMiddleDeg(far), 270), 1);  // the far turn bulges south
  const ScreenArc fix = HoldingFixArc(v, right);
  EXPECT_EQ(fix.From, v.Screen(right.P));
  EXPECT_EQ(fix.To, v.Screen(right.F));
  EXPECT_LT(Off(ArcMiddleDeg(fix), 90), 1);  // the fix turn bulges north

  const HoldingPattern left = ComputeHolding(QPointF(0, 0), 180, "LEFT", 115);
  const ScreenArc farL = HoldingFarArc(v, left);
  EXPECT_EQ(farL.From, v.Screen(left.B));
  EXPECT_EQ(farL.To, v.Screen(left.A));
  EXPECT_LT(Off(ArcMiddleDeg(farL), 270), 1);
  const ScreenArc fixL = HoldingFixArc(v, left);
  EXPECT_EQ(fixL.From, v.Screen(left.F));
  EXPECT_LT(Off(ArcMiddleDeg(fixL), 90), 1);

  // Radial 090: the pattern lies east, the far turn bulges east.
  const ScreenArc farEast = HoldingFarArc(v, ComputeHolding(QPointF(0, 0), 90, "RIGHT", 120));
  EXPECT_LT(Off(ArcMiddleDeg(farEast), 0), 1);
}

TEST(MapHolding, LabelsTurnAlongTheirLegs) {
  EXPECT_EQ(CourseLabelAngle(0), 90);
  EXPECT_EQ(CourseLabelAngle(90), 0);
  EXPECT_EQ(CourseLabelAngle(179), -89);
  EXPECT_EQ(CourseLabelAngle(180), -270);
  EXPECT_EQ(CourseLabelAngle(270), -360);
  EXPECT_EQ(CourseDigits(0), "000");
  EXPECT_EQ(CourseDigits(9), "009");
  EXPECT_EQ(CourseDigits(10), "010");
  EXPECT_EQ(CourseDigits(99), "099");
  EXPECT_EQ(CourseDigits(100), "100");
  EXPECT_EQ(CourseDigits(360), "360");
}

TEST(MapBeacons, IlsFeatherAndLocator) {
  const auto ends = IlsFeatherEnds(QPointF(0, 0), 270);
  EXPECT_NEAR(ends[0].x(), 10, 1e-9);  // 10 NM east for course 270
  EXPECT_NEAR(ends[0].y(), 0, 1e-9);
  EXPECT_NEAR(ends[1].x(), 10 * std::cos(1.25 * M_PI / 180), 1e-9);
  EXPECT_NEAR(ends[1].y(), -0.218, 0.001);
  EXPECT_NEAR(ends[2].y(), 0.218, 0.001);
  const auto north = IlsFeatherEnds(QPointF(1, 1), 180);  // approach from the north
  EXPECT_NEAR(north[0].x(), 1, 1e-9);
  EXPECT_NEAR(north[0].y(), -9, 1e-9);
  const QPointF loc = LocatorPoint(QPointF(1.53, 0), 270, 4.0);
  EXPECT_NEAR(loc.x(), 5.53, 1e-9);
  EXPECT_NEAR(loc.y(), 0, 1e-9);
  EXPECT_FALSE(HasLocator(0.0));
  EXPECT_TRUE(HasLocator(0.1));
}

TEST(MapBeacons, CourseLineRunsBackAlongTheCourse) {
  const QPointF end = CourseLineEnd(QPointF(0, 0), 90);
  EXPECT_NEAR(end.x(), -15, 1e-9);
  EXPECT_NEAR(end.y(), 0, 1e-9);
  const QPointF end2 = CourseLineEnd(QPointF(2, 2), 360);
  EXPECT_NEAR(end2.y(), 17, 1e-9);
}

TEST(MapOverlay, RangeRingsByScale) {
  EXPECT_EQ(RangeRingsNm(5), (std::vector<int>{70, 50, 20, 10, 5}));
  EXPECT_EQ(RangeRingsNm(10), (std::vector<int>{70, 50, 20, 10, 5, 2}));
  EXPECT_EQ(RangeRingsNm(80).back(), 2);
}

TEST(MapOverlay, ReadOuts) {
  EXPECT_EQ(TrackReadout(5.4), "Tck:005");
  EXPECT_EQ(TrackReadout(99.6), "Tck:100");
  EXPECT_EQ(TrackReadout(9.5), "Tck:010");
  EXPECT_EQ(TrackReadout(0.2), "Tck:000");
  EXPECT_EQ(TrackReadout(359.4), "Tck:359");
  EXPECT_EQ(DriftReadout(3.4), "Dft:  3");
  EXPECT_EQ(TasReadout(115.5), "TAS:116");
  EXPECT_EQ(GsReadout(98.2), "GS: 98");
  EXPECT_EQ(DmeReadout(true, 12.34), "D 12.3");
  EXPECT_EQ(DmeReadout(true, 3.0), "D 3.0");
  EXPECT_EQ(DmeReadout(false, 12.34), "D--- ");
  EXPECT_EQ(WindReadout(45, 15), "045 / 15");
  EXPECT_EQ(WindReadout(5, 0), "005 / 0");
  EXPECT_EQ(WindReadout(240, 20), "240 / 20");
}

TEST(MapOverlay, WindArrowPointsDownwind) {
  const WindArrow north = ComputeWindArrow(360, 100);  // wind from the north
  EXPECT_EQ(north.Centre, QPoint(40, 50));
  EXPECT_EQ(north.Tail, QPoint(40, 33));
  EXPECT_EQ(north.Head, QPoint(40, 67));
  EXPECT_EQ(north.Barb1, QPoint(35, 57));
  EXPECT_EQ(north.Barb2, QPoint(45, 57));
  const WindArrow west = ComputeWindArrow(270, 100);
  EXPECT_EQ(west.Tail, QPoint(23, 50));
  EXPECT_EQ(west.Head, QPoint(57, 50));
}

TEST(MapOverlay, AircraftSymbolFollowsTheHeading) {
  const auto s = AircraftSymbol(QPoint(100, 100), 90);
  EXPECT_EQ(s[0], QPoint(107, 100));  // nose
  EXPECT_EQ(s[1], QPoint(100, 79));   // left wing
  EXPECT_EQ(s[2], QPoint(70, 100));   // tail
  EXPECT_EQ(s[3], QPoint(100, 120));  // right wing
}

// --- Track order over the ring ---

class TrackOrder : public ::testing::Test {
 protected:
  SimState s;
  void SetUp() override { ClearTrackHistory(s); }
  void Fill(int n) {
    for (int i = 0; i < n; ++i) AddTrackPoint(s, i, 0, 1000);
  }
  std::vector<int> Order() const { return TrackDrawOrder(s.TrackHistory, s.TrackIndex); }
};

TEST_F(TrackOrder, EmptyRingDrawsNothing) { EXPECT_TRUE(Order().empty()); }

TEST_F(TrackOrder, RingNotYetFullDrawsTheFilledSlotsInOrder) {
  Fill(3);
  EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2}));
  // A gap (as a loaded or cleared slot) is skipped, slot 0 still starts the line.
  s.TrackHistory[1] = TrackPoint{};
  EXPECT_EQ(Order(), (std::vector<int>{0, 2}));
}

TEST_F(TrackOrder, FullRingEndingAtTheLastSlotDrawsAllInOrder) {
  Fill(kTrackSlots);
  ASSERT_EQ(s.TrackIndex, kTrackSlots - 1);
  const auto o = Order();
  ASSERT_EQ(o.size(), 600u);
  EXPECT_EQ(o.front(), 0);
  EXPECT_EQ(o.back(), 599);
}

TEST_F(TrackOrder, WrappedRingStartsAfterTheNewestSlot) {
  Fill(kTrackSlots + 10);  // the newest point went into slot 9
  ASSERT_EQ(s.TrackIndex, 9);
  const auto o = Order();
  ASSERT_EQ(o.size(), 600u);
  EXPECT_EQ(o.front(), 10);
  EXPECT_EQ(o[589], 599);
  EXPECT_EQ(o[590], 0);
  EXPECT_EQ(o.back(), 9);
  // Oldest first: the X values (the point numbers) rise along the line.
  for (std::size_t i = 1; i < o.size(); ++i)
    EXPECT_LT(s.TrackHistory[static_cast<std::size_t>(o[i - 1])].X, s.TrackHistory[static_cast<std::size_t>(o[i])].X);
}

}  // namespace
}  // namespace tvx
