// VOR 1/ILS and VOR 2: the deviation table, the ILS deviations, the marker
// flag and the classic indicators' key primitives.
#include <gtest/gtest.h>

#include <cmath>

#include "instruments/layout.h"
#include "instruments/vorindicators.h"

using namespace tvx;
using Op = RecordingCanvas::Op;

namespace {

SimState Classic() {
  SimState s;
  s.AircraftType = "SEP";
  ComputeCellLayout(s, 1600, 900);
  s.Vor1Received = s.Vor2Received = true;
  s.Vor1Distance = s.Vor2Distance = 10;
  s.Altitude = 3000;
  s.AirportElevation = 120;
  return s;
}

const RecordingCanvas::Primitive* FindText(const RecordingCanvas& c, const QString& text) {
  for (const auto& p : c.log)
    if ((p.op == Op::Text || p.op == Op::RotatedText) && p.text == text) return &p;
  return nullptr;
}

// The width-2 vertical line of the deviation bar.
const RecordingCanvas::Primitive* Bar(const RecordingCanvas& c) {
  for (const auto& p : c.log)
    if (p.op == Op::Line && p.pen.width == 2 && p.points[0].x() == p.points[1].x()) return &p;
  return nullptr;
}

}  // namespace

TEST(CdiTable, EveryRowAndTheFlagBands) {
  struct Case {
    double radial;
    int course;
    double deviation;
    const char* flag;
  };
  const Case cases[] = {
      {90, 90, 0, "FROM"},      // on the radial
      {95, 90, -5, "FROM"},     // row 1: the difference
      {89.5, 100, 10, "FROM"},  // row 2: 10.5 off, full scale
      {110.5, 100, -10, "FROM"},
      {0.5, 90, 0, "FROM"},    // row 3: 89.5 off, centred, flag still FROM
      {0, 90, 0, "OFF"},       // exactly 90 off
      {0, 100, 10, "TO"},      // row 4
      {90, 270, 0, "TO"},      // row 5 on the reciprocal
      {95, 270, 5, "TO"},      // row 5: reciprocal 275
      {184, 359, 5, "TO"},     // row 6 across north: reciprocal 4, B 355
      {176, 1, -5, "TO"},      // row 6, the other way round: reciprocal 356
      {10, 215, -10, "TO"},    // row 7
      {215, 10, 10, "TO"},
      {0, 270, 0, "OFF"},      // row 8: 270 off
      {0.6, 270, -10, "TO"},   // 269.4 off
      {0, 300, -10, "FROM"},   // row 9
      {355, 2, 7, "FROM"},     // row 10 across north
      {2, 355, -7, "FROM"},
  };
  for (const Case& c : cases) {
    const CdiReading r = CdiFromRadial(c.radial, c.course);
    EXPECT_DOUBLE_EQ(r.Deviation, c.deviation) << c.radial << " / " << c.course;
    EXPECT_EQ(r.ToFrom, c.flag) << c.radial << " / " << c.course;
  }
  const CdiReading off = ReadCdi(false, 184, 359);
  EXPECT_EQ(off.ToFrom, "OFF");
  EXPECT_EQ(off.Deviation, 0);
}

TEST(IlsDeviation, GlideslopeLaw) {
  EXPECT_NEAR(GlideslopeDeviationFor(3.35), -5, 1e-9);
  EXPECT_EQ(GlideslopeDeviationFor(3.71), -10);
  EXPECT_NEAR(GlideslopeDeviationFor(3.7), -10, 1e-9);
  EXPECT_NEAR(GlideslopeDeviationFor(2.3), 10, 1e-9);
  EXPECT_EQ(GlideslopeDeviationFor(1), 10);
  EXPECT_EQ(GlideAngle(3000, 120, 0), 90);
  EXPECT_NEAR(GlideAngle(120 + 6076 * std::tan(3.0 * M_PI / 180), 120, 1), 3.0, 1e-9);
}

TEST(IlsDeviation, LocaliserFourTimesAndLimited) {
  SimState s = Classic();
  s.IlsTuned = true;
  s.Obs1Course = 270;
  s.Vor1Radial = 269;  // 1 degree off
  ComputeVor1Ils(s);
  EXPECT_DOUBLE_EQ(s.Vor1Deviation, 4);
  s.Vor1Radial = 273;
  ComputeVor1Ils(s);
  EXPECT_DOUBLE_EQ(s.Vor1Deviation, -10);
  // On a 3.35 degree path 5 NM out: half scale, fly down.
  s.Vor1Distance = 5;
  s.Altitude = 120 + 5 * 6076 * std::tan(3.35 * M_PI / 180);
  ComputeVor1Ils(s);
  EXPECT_NEAR(s.GlideslopeDeviation, -5, 1e-9);
  s.Vor1Distance = 0;
  ComputeVor1Ils(s);
  EXPECT_EQ(s.GlideslopeDeviation, -10);
  // Close to the ILS the flag stays as the angle gives it.
  EXPECT_EQ(s.Vor1ToFrom, "FROM");
}

TEST(IlsDeviation, NoIlsMeansNoGlideslope) {
  SimState s = Classic();
  s.Obs1Course = 90;
  s.Vor1Radial = 92;
  s.GlideslopeDeviation = 3;
  ComputeVor1Ils(s);
  EXPECT_EQ(s.GlideslopeDeviation, -10);
  EXPECT_DOUBLE_EQ(s.Vor1Deviation, -2);
  EXPECT_EQ(s.Vor1ToFrom, "FROM");
}

TEST(IlsDeviation, OuterMarkerWithinHalfAMile) {
  SimState s = Classic();
  s.IlsTuned = true;
  s.OuterMarkerX = 4;
  s.OuterMarkerY = 0;
  s.AircraftX = 4.49;
  ComputeVor1Ils(s);
  EXPECT_TRUE(s.OverOuterMarker);
  s.AircraftX = 4.51;
  ComputeVor1Ils(s);
  EXPECT_FALSE(s.OverOuterMarker);
  s.AircraftX = 4;
  s.AircraftY = -0.49;
  ComputeVor1Ils(s);
  EXPECT_TRUE(s.OverOuterMarker);
  // Over the same point with no ILS tuned: cleared.
  s.IlsTuned = false;
  ComputeVor1Ils(s);
  EXPECT_FALSE(s.OverOuterMarker);
}

TEST(IlsDeviation, StationPassageTurnsTheFlagOffAndKeepsTheBar) {
  SimState s = Classic();
  s.Obs1Course = 90;
  s.Vor1Radial = 95;
  s.Vor1Distance = 0.18;
  ComputeVor1Ils(s);
  EXPECT_EQ(s.Vor1ToFrom, "OFF");
  EXPECT_DOUBLE_EQ(s.Vor1Deviation, -5);
  s.Vor1Distance = 0.19;
  ComputeVor1Ils(s);
  EXPECT_EQ(s.Vor1ToFrom, "FROM");
  s.Vor2Radial = 95;
  s.Obs2Course = 90;
  s.Vor2Distance = 0.1;
  EXPECT_EQ(ComputeVor2(s).ToFrom, "OFF");
  EXPECT_DOUBLE_EQ(ComputeVor2(s).Deviation, -5);
}

TEST(VorIndicators, ScaleAndBarPosition) {
  SimState s = Classic();
  EXPECT_EQ(CdiScale(s), 67);  // 2 x (134 - 20 - 13) div 3
  s.Vor1Deviation = 5;
  s.Vor1ToFrom = "TO";
  RecordingCanvas c;
  DrawVOR1Needles(c, s);
  const auto* bar = Bar(c);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->points[0], QPoint(481, 149 - 67));  // 447 + 33.5
  EXPECT_EQ(bar->points[1], QPoint(481, 149 + 67));
  EXPECT_EQ(bar->pen.color, clr::White);
  const auto* flag = FindText(c, "TO");
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(flag->points[0], QPoint(452, 119));
  EXPECT_EQ(flag->brush.color, clr::Black);
  ASSERT_NE(FindText(c, "VOR 1"), nullptr);
  ASSERT_NE(FindText(c, "[ U - I ]"), nullptr);
  // 22 scale dots and the centre dot.
  EXPECT_EQ(c.Count(Op::Ellipse), 23);
}

TEST(VorIndicators, NotReceivedShowsTheRedFlagAndACentredBar) {
  SimState s = Classic();
  s.Vor1Received = false;
  s.Vor1Radial = 120;
  s.Obs1Course = 90;
  ComputeVor1Ils(s);
  RecordingCanvas c;
  DrawVOR1Needles(c, s);
  const auto* flag = FindText(c, "OFF");
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(flag->brush.color, clr::Red);
  EXPECT_EQ(flag->brush.style, BrushStyle::Solid);
  EXPECT_EQ(flag->font.color, clr::Black);
  EXPECT_EQ(Bar(c)->points[0].x(), 447);
  const auto* course = FindText(c, "090");
  ASSERT_NE(course, nullptr);
  EXPECT_EQ(course->brush.color, clr::Black);
}

TEST(VorIndicators, IlsFlagsAndGlideslopeBar) {
  SimState s = Classic();
  s.IlsTuned = true;
  s.Vor1ToFrom = "TO";
  s.GlideslopeDeviation = 5;
  RecordingCanvas c;
  DrawVOR1Needles(c, s);
  EXPECT_EQ(FindText(c, "TO"), nullptr);  // no flag on an ILS
  EXPECT_EQ(FindText(c, "GS"), nullptr);
  bool gsBar = false;
  for (const auto& p : c.log)
    if (p.op == Op::Line && p.pen.width == 2 && p.points[0] == QPoint(447 - 67, 116) &&
        p.points[1] == QPoint(447 + 67, 116))
      gsBar = true;  // 149 - 33.5 rounded away from zero
  EXPECT_TRUE(gsBar);

  s.GlideslopeOff = true;
  RecordingCanvas off;
  DrawVOR1Needles(off, s);
  const auto* gs = FindText(off, "GS");
  ASSERT_NE(gs, nullptr);
  EXPECT_EQ(gs->points[0], QPoint(417, 119));
  EXPECT_EQ(gs->brush.color, clr::Red);
  for (const auto& p : off.log)
    if (p.op == Op::Line && p.pen.width == 2) EXPECT_EQ(p.points[0].x(), p.points[1].x());
}

TEST(VorIndicators, GlassTypesDrawNothingHere) {
  SimState s = Classic();
  for (const char* type : {"SEP EFIS", "737"}) {
    s.AircraftType = type;
    RecordingCanvas c;
    DrawVOR1Needles(c, s);
    EXPECT_TRUE(c.log.isEmpty()) << type;
  }
}

TEST(VorIndicators, CardTurnsWithTheCourse) {
  SimState s = Classic();
  s.Obs2Course = 90;
  RecordingCanvas c;
  DrawVOR2Card(c, s);
  // The face first: black, radius 134 about (447, 447).
  ASSERT_EQ(c.log[0].op, Op::Ellipse);
  EXPECT_EQ(c.log[0].points[0], QPoint(447 - 134, 447 - 134));
  EXPECT_EQ(c.log[0].brush.color, clr::Black);
  // "9" (90 degrees) stands at the top, upright: anchor at angle -1 on the rim.
  const auto* nine = FindText(c, "9");
  ASSERT_NE(nine, nullptr);
  EXPECT_EQ(nine->angle, 0);
  EXPECT_EQ(nine->points[0], QPoint(445, 313));  // 447 - 134 sin 1 = 444.66, 447 - 133.98
  EXPECT_EQ(nine->font.size, 7);
  // "0" turned by the course: anchor at angle -91, rotated 90 counter-clockwise.
  const auto* zero = FindText(c, "0");
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->angle, 90);
  // 72 ticks, then the index triangle at the top of the course circle (radius 106).
  EXPECT_EQ(c.Count(Op::Line), 72);
  const auto& index = c.log.last();
  ASSERT_EQ(index.op, Op::Polyline);
  EXPECT_EQ(index.points[1], QPoint(447, 447 - 106));
  EXPECT_EQ(index.points[0], index.points[3]);
}

TEST(VorIndicators, Vor2FlagAlwaysDrawn) {
  SimState s = Classic();
  s.Vor2Received = false;
  s.IlsTuned = true;  // VOR 2 has no ILS
  RecordingCanvas c;
  DrawVOR2Needle(c, s);
  const auto* flag = FindText(c, "OFF");
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(flag->points[0], QPoint(447 + 5, 447 - 30));
  EXPECT_EQ(flag->brush.color, clr::Red);
  EXPECT_EQ(c.log[0].text, "VOR 2");
  EXPECT_EQ(c.log[0].font.size, 10);
  EXPECT_NE(FindText(c, "[ J - K ]"), nullptr);
}
