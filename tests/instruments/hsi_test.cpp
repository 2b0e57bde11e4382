// Heading indicator and HSI: cross-track distance, read-outs, pointers,
// course arrow, deviation bar, flags and banners.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "instruments/hsi.h"
#include "instruments/layout.h"
#include "simulator/aircrafttype.h"

using namespace tvx;
using Op = RecordingCanvas::Op;
using Prim = RecordingCanvas::Primitive;

namespace {

SimState Type(const QString& type) {
  SimState s;
  s.AircraftType = type;
  ComputeCellLayout(s, 1600, 900);
  s.CellFrameMargin = 2;
  s.CellFrameCornerCut = 30;
  s.Vor1ToFrom = "TO";
  if (!IsRoundDialPanel(type)) s.HsiCentreX = s.HsiCentreY = 223;
  return s;
}

RecordingCanvas Draw(const SimState& s, bool hsi = true) {
  RecordingCanvas c;
  InstrOptions o;
  o.HSIBool = hsi;
  const int size = IsRoundDialPanel(s.AircraftType) ? 298 : 447;
  DrawHeadingIndicator(c, s, o, size, size);
  return c;
}

std::optional<Prim> FindText(const RecordingCanvas& c, const QString& text) {
  for (const auto& p : c.log)
    if ((p.op == Op::Text || p.op == Op::RotatedText) && p.text == text) return p;
  return std::nullopt;
}

QVector<Prim> LinesIn(const RecordingCanvas& c, TColor colour, int width) {
  QVector<Prim> out;
  for (const auto& p : c.log)
    if (p.op == Op::Line && p.pen.color == colour && p.pen.width == width) out << p;
  return out;
}

}  // namespace

TEST(CrossTrack, CourseLinesThroughTheStation) {
  SimState s;
  s.AircraftX = 3;
  s.AircraftY = -2;
  s.Obs1Course = 90;
  EXPECT_NEAR(CrossTrackDistanceOf(s), 2, 1e-9);
  s.Obs1Course = 270;
  EXPECT_NEAR(CrossTrackDistanceOf(s), 2, 1e-9);
  for (int course : {0, 180, 360}) {
    s.Obs1Course = course;
    EXPECT_EQ(CrossTrackDistanceOf(s), 3) << course;
  }
  // Course 045 through a station at (1, 1): the line runs north-east (Y is south).
  s.Vor1StationX = 1;
  s.Vor1StationY = 1;
  s.AircraftX = 2;
  s.AircraftY = 1;
  s.Obs1Course = 45;
  EXPECT_NEAR(CrossTrackDistanceOf(s), std::sqrt(0.5), 1e-9);
  s.AircraftX = 3;
  s.AircraftY = -1;  // on the line
  EXPECT_NEAR(CrossTrackDistanceOf(s), 0, 1e-9);
}

TEST(HeadingIndicator, PlainCardWithoutTheHsiOption) {
  SimState s = Type("SEP");
  s.Heading = 123;
  s.AdfReceived = s.Vor1Received = s.Vor2Received = true;
  s.AutopilotEngaged = true;
  const RecordingCanvas c = Draw(s, false);
  // Frame, face, 72 ticks, 12 figures, 8 index marks; nothing else.
  EXPECT_EQ(c.Count(Op::Polyline), 1);
  EXPECT_EQ(c.Count(Op::Ellipse), 1);
  EXPECT_EQ(c.Count(Op::Line), 72 + 8);
  EXPECT_EQ(c.Count(Op::RotatedText), 12);
  EXPECT_EQ(c.Count(Op::Text), 0);
  // Faces first: the frame, then the black face of radius 134.
  EXPECT_EQ(c.log[0].op, Op::Polyline);
  EXPECT_EQ(c.log[1].op, Op::Ellipse);
  EXPECT_EQ(c.log[1].points[0], QPoint(15, 15));
  EXPECT_EQ(c.log[1].brush.color, clr::Black);
  // Index marks stay put: the one at 90 degrees from 146 to 134 px right of the centre.
  EXPECT_EQ(LinesIn(c, clr::White, 3)[2].points[0], QPoint(149 + 146, 149));
  // The card turns: "12" (120 degrees) stands near the top at heading 123.
  const auto twelve = FindText(c, "12");
  ASSERT_TRUE(twelve);
  EXPECT_EQ(twelve->angle, 3);
}

TEST(HeadingIndicator, HeadingReadoutRoundsToThreeDigits) {
  SimState s = Type("SEP EFIS");
  const struct {
    double heading;
    const char* text;
  } cases[] = {{9.6, "010"}, {99.7, "100"}, {359.6, "360"}, {4.4, "004"}};
  for (const auto& k : cases) {
    s.Heading = k.heading;
    const auto p = FindText(Draw(s), k.text);
    ASSERT_TRUE(p) << k.heading;
    EXPECT_EQ(p->points[0], QPoint(223 - 18, 10));
    EXPECT_EQ(p->font.size, 16);
  }
}

TEST(HeadingIndicator, GlassCardRadiusAndCentreDiscWithoutStations) {
  SimState s = Type("737");
  s.InstrumentRadius = 50;  // the glass card does not use it
  const RecordingCanvas c = Draw(s);
  // r = 447 div 2 - 60 = 163.
  EXPECT_EQ(c.log[0].op, Op::Ellipse);
  EXPECT_EQ(c.log[0].points[0], QPoint(223 - 163, 223 - 163));
  // No pointers; centre disc radius (163 - 7 - 15) div 2 + 5 = 75.
  EXPECT_TRUE(LinesIn(c, clr::Aqua, 2).isEmpty());
  EXPECT_TRUE(LinesIn(c, clr::Lime, 2).isEmpty());
  bool disc = false;
  for (const auto& p : c.log)
    if (p.op == Op::Ellipse && p.points[0] == QPoint(223 - 75, 223 - 75) && p.brush.color == clr::Black &&
        p.pen.color == clr::Black)
      disc = true;
  EXPECT_TRUE(disc);
}

TEST(HeadingIndicator, BearingPointersPointAtTheStations) {
  SimState s = Type("SEP EFIS");
  s.Heading = 90;
  s.AdfReceived = true;
  s.AdfQdr = 180;  // NDB due north: 9 o'clock on a card turned to 090
  s.Vor2Received = true;
  s.Vor2Radial = 90;  // VOR 2 due west: tail at 12 o'clock... head at 6 o'clock
  const RecordingCanvas c = Draw(s);
  const auto adf = LinesIn(c, clr::Aqua, 2);
  ASSERT_EQ(adf.size(), 3);
  const int rho = 163 - 7 - 15;
  EXPECT_EQ(adf[0].points[0], QPoint(223 - rho, 223));
  EXPECT_EQ(adf[0].points[1], QPoint(223 + rho, 223));
  const auto vor2 = LinesIn(c, clr::Blue, 2);
  ASSERT_EQ(vor2.size(), 3);
  EXPECT_EQ(vor2[0].points[0], QPoint(223, 223 + 163 - 7 - 5));
  // The last pointer (VOR 2) sizes the centre disc: (151) div 2 + 5 = 80.
  bool disc = false;
  for (const auto& p : c.log)
    if (p.op == Op::Ellipse && p.points[0] == QPoint(223 - 80, 223 - 80)) disc = true;
  EXPECT_TRUE(disc);
  // Identifiers in their colours.
  ASSERT_TRUE(FindText(c, "ADF: "));
  EXPECT_EQ(FindText(c, "ADF: ")->font.color, clr::Aqua);
  EXPECT_TRUE(FindText(c, "ADF: ")->font.bold);
}

TEST(HeadingIndicator, IlsHidesTheVor1PointerFlagAndCrossTrack) {
  SimState s = Type("737");
  s.Vor1Received = true;
  s.IlsTuned = true;
  s.CrossTrackDistance = 2.5;
  s.GlideslopeDeviation = 5;
  RecordingCanvas c = Draw(s);
  EXPECT_TRUE(LinesIn(c, clr::Lime, 2).isEmpty());
  EXPECT_FALSE(FindText(c, "TO"));
  EXPECT_FALSE(FindText(c, "2.5"));
  // Glideslope bar on the glass scale: g = 72 x 5 / 10 = 36 above the middle.
  const auto gs = LinesIn(c, clr::Fuchsia, 4);
  ASSERT_EQ(gs.size(), 1);
  EXPECT_EQ(gs[0].points[0], QPoint(447 - 40, 223 - 36));
  s.GlideslopeOff = true;
  c = Draw(s);
  EXPECT_TRUE(LinesIn(c, clr::Fuchsia, 4).isEmpty());
  ASSERT_TRUE(FindText(c, "GS"));
  EXPECT_EQ(FindText(c, "GS")->brush.color, clr::Red);

  s.IlsTuned = false;
  s.GlideslopeOff = false;
  c = Draw(s);
  const auto xtk = FindText(c, "2.5");
  ASSERT_TRUE(xtk);
  EXPECT_EQ(xtk->points[0], QPoint(223 - 10, 447 - 30));
  EXPECT_EQ(LinesIn(c, clr::Lime, 2).size(), 3);
  // Only the jets show it.
  s.AircraftType = "SEP EFIS";
  EXPECT_FALSE(FindText(Draw(s), "2.5"));
}

TEST(HeadingIndicator, OffFlagIsARedPatch) {
  SimState s = Type("SEP");
  s.Vor1ToFrom = "OFF";
  const auto flag = FindText(Draw(s), "OFF");
  ASSERT_TRUE(flag);
  EXPECT_EQ(flag->brush.color, clr::Red);
  EXPECT_EQ(flag->brush.style, BrushStyle::Solid);
  EXPECT_EQ(flag->font.color, clr::Red);
  // Anchored at 5 degrees right of the course, radius 30.
  EXPECT_EQ(flag->points[0], QPoint(152, 119));
}

TEST(HeadingIndicator, CourseArrowAndDeviationBar) {
  SimState s = Type("SEP");
  s.Heading = 90;
  s.Obs1Course = 90;
  s.Vor1Deviation = 10;
  const RecordingCanvas c = Draw(s);
  // R1 = 116, s = 58; arrow straight up from 58 to 116 px above the centre.
  const auto white2 = LinesIn(c, clr::White, 2);
  ASSERT_GE(white2.size(), 5);
  EXPECT_EQ(white2[0].points[0], QPoint(149, 149 - 116));
  EXPECT_EQ(white2[0].points[1], QPoint(149, 149 - 58));
  EXPECT_EQ(white2[3].points[0], QPoint(149, 149 + 58));  // tail
  EXPECT_EQ(white2[3].points[1], QPoint(149, 149 + 116));
  // Full-scale right: the bar 58 px right of the centre, 53 px each way.
  EXPECT_EQ(white2[4].points[0], QPoint(149 + 58, 149 - 53));
  EXPECT_EQ(white2[4].points[1], QPoint(149 + 58, 149 + 53));
  const auto course = FindText(c, "090");
  ASSERT_TRUE(course);
  EXPECT_EQ(course->angle, 0);
  EXPECT_EQ(course->font.color, clr::White);
  // Eleven dots across and eleven along the course.
  int dots = 0;
  for (const auto& p : c.log)
    if (p.op == Op::Ellipse && p.points[1].x() - p.points[0].x() == 2) ++dots;
  EXPECT_EQ(dots, 22);
}

TEST(HeadingIndicator, RoundDialGlideslopeAcrossTheArrow) {
  SimState s = Type("SEP");
  s.Heading = 0;
  s.Obs1Course = 0;
  s.IlsTuned = true;
  s.GlideslopeDeviation = 10;  // below the path: bar toward the arrowhead
  const auto white2 = LinesIn(Draw(s), clr::White, 2);
  ASSERT_EQ(white2.size(), 6);
  EXPECT_EQ(white2[5].points[0], QPoint(149 - 53, 149 - 58));
  EXPECT_EQ(white2[5].points[1], QPoint(149 + 53, 149 - 58));
}

TEST(HeadingIndicator, SelectedHeadingAndTrackMarks) {
  SimState s = Type("737");
  s.Heading = 100;
  s.AutopilotEngaged = true;
  s.SelectedHeading = 130;
  s.SelectedHeadingWhole = 130;
  s.MapVisible = true;
  s.TrackAngle = 100;
  const RecordingCanvas c = Draw(s);
  ASSERT_TRUE(FindText(c, "Sel. HDG: 130"));
  const auto sel = LinesIn(c, clr::Fuchsia, 3);
  ASSERT_EQ(sel.size(), 1);
  EXPECT_EQ(sel[0].points[0], QPoint(std::lround(223 + 161 * std::sin(M_PI / 6)), std::lround(223 - 161 * std::cos(M_PI / 6))));
  const auto track = LinesIn(c, clr::Green, 3);
  ASSERT_EQ(track.size(), 1);
  EXPECT_EQ(track[0].points[0], QPoint(223, 223 - 161));
  EXPECT_EQ(track[0].points[1], QPoint(223, 223 - (163 - 14 - 9)));
  s.MapVisible = false;
  EXPECT_TRUE(LinesIn(Draw(s), clr::Green, 3).isEmpty());
}

TEST(HeadingIndicator, BannersWhateverTheOption) {
  SimState s = Type("SEP");
  s.Paused = true;
  s.FailureCode = "TCAS";
  s.FailurePhase = 3;
  const RecordingCanvas c = Draw(s, false);
  const auto pause = FindText(c, "  P A U S E  ");
  ASSERT_TRUE(pause);
  EXPECT_EQ(pause->brush.color, clr::Red);
  EXPECT_EQ(pause->points[0], QPoint(149 - 55, 149));
  const auto traffic = FindText(c, "TRAFFIC");
  ASSERT_TRUE(traffic);
  EXPECT_EQ(traffic->font.color, clr::Red);
  EXPECT_EQ(traffic->font.size, 18);
  s.FailurePhase = 5;
  EXPECT_FALSE(FindText(Draw(s), "TRAFFIC"));
  s.FailureCode = "GPWS";
  s.FailurePhase = 2;
  EXPECT_TRUE(FindText(Draw(s), "TERRAIN"));
  s.FailurePhase = 1;
  EXPECT_FALSE(FindText(Draw(s), "TERRAIN"));
}
