// The map layers drawn on a recording canvas: what is drawn, where, with
// which pen.
#include "instruments/mapdraw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "instruments/mapgeometry.h"
#include "support/defaultarea.h"

namespace tvx {
namespace {

using Op = RecordingCanvas::Op;

AreaState DefaultArea() { return test::ProjectedDefaultArea(); }

SimState MapState() {
  SimState s;
  ClearTrackHistory(s);
  s.CellSize = 100;
  s.CellFrameMargin = 2;
  s.MapCentreX = 200;
  s.MapCentreY = 200;
  s.MapPixelsPerNm = 20;
  s.Heading = 270;
  s.HoldingSide = "RIGHT";
  s.HoldingRadial = 180;
  s.HoldingSpeed = 115;
  s.WindDirection = 240;
  s.WindSpeed = 20;
  s.Vor1Received = true;
  s.Vor1Distance = 3.04;
  return s;
}

const RecordingCanvas::Primitive* FindText(const RecordingCanvas& c, const QString& text) {
  for (const auto& p : c.log)
    if ((p.op == Op::Text || p.op == Op::RotatedText) && p.text == text) return &p;
  return nullptr;
}

bool HasLine(const RecordingCanvas& c, QPoint a, QPoint b) {
  for (const auto& p : c.log)
    if (p.op == Op::Line && ((p.points[0] == a && p.points[1] == b) || (p.points[0] == b && p.points[1] == a)))
      return true;
  return false;
}

TEST(MapBeaconsLayer, DefaultAreaDrawsEveryUsedSlot) {
  const SimState s = MapState();
  const AreaState a = DefaultArea();
  RecordingCanvas c;
  DrawMapBeacons(c, s, a);
  // 3 VOR circles, 3 NDBs of 3 circles, the locator's 3 circles.
  EXPECT_EQ(c.Count(Op::Ellipse), 15);
  for (const char* name : {"AAA", "BBB", "CCC", "MMM", "NNN", "PPP", "ILA", "LCA"})
    EXPECT_NE(FindText(c, name), nullptr) << name;
  // VOR 1 lies under the aircraft at the centre: circle, cross and name below it.
  EXPECT_EQ(c.log[0].op, Op::Ellipse);
  EXPECT_EQ(c.log[0].points, (QVector<QPoint>{{194, 194}, {206, 206}}));
  EXPECT_EQ(c.log[0].brush.color, clr::Black);
  EXPECT_TRUE(HasLine(c, {194, 200}, {206, 200}));
  EXPECT_TRUE(HasLine(c, {200, 194}, {200, 206}));
  EXPECT_EQ(FindText(c, "AAA")->points[0], QPoint(200, 206));
  EXPECT_EQ(FindText(c, "AAA")->font.color, clr::White);
  // The ILS centre line runs 10 NM east of the runway (course 270).
  const QPoint runway = MapViewOf(s).Screen(QPointF(a.IlsList[0].X, a.IlsList[0].Y));
  EXPECT_TRUE(HasLine(c, runway, runway + QPoint(200, 0)));
  EXPECT_EQ(FindText(c, "LCA")->points[0], runway + QPoint(80, 6));
}

TEST(MapBeaconsLayer, GapsAndEmptyListsAndLocatorDistanceZero) {
  const SimState s = MapState();
  AreaState a = DefaultArea();
  a.VorList[1].Name.clear();
  a.IlsList[0].LocatorDistance = 0;
  RecordingCanvas c;
  DrawMapBeacons(c, s, a);
  EXPECT_EQ(FindText(c, "BBB"), nullptr);
  EXPECT_NE(FindText(c, "CCC"), nullptr);
  EXPECT_EQ(FindText(c, "LCA"), nullptr);
  EXPECT_EQ(c.Count(Op::Ellipse), 2 + 9);

  AreaState empty;
  RecordingCanvas e;
  DrawMapBeacons(e, s, empty);
  EXPECT_TRUE(e.log.isEmpty());
}

TEST(MapBeaconsLayer, CourseLineInYellowWhenShown) {
  SimState s = MapState();
  const AreaState a;
  s.CourseLineShown = true;
  s.CourseLineX = 0;
  s.CourseLineY = 0;
  s.CourseLineCourse = 90;
  RecordingCanvas c;
  DrawMapBeacons(c, s, a);
  ASSERT_EQ(c.Count(Op::Line), 1);
  EXPECT_EQ(c.log[0].points, (QVector<QPoint>{{200, 200}, {200 - 300, 200}}));
  EXPECT_EQ(c.log[0].pen.color, clr::Yellow);
  EXPECT_EQ(c.Pen.color, clr::Yellow);  // the pen stays yellow for the next layer
}

TEST(MapWindLayer, TextAndArrow) {
  SimState s = MapState();
  s.MapPixelsPerNm = 5;  // no range ring passes the read-out
  RecordingCanvas c;
  DrawMapWind(c, 400, s);
  const auto* t = FindText(c, "240 / 20");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->points[0], QPoint(70, 360));
  EXPECT_EQ(t->font.color, clr::Green);
  EXPECT_EQ(t->font.size, 10);
  EXPECT_EQ(c.Count(Op::Line), 4);
  const WindArrow w = ComputeWindArrow(240, 400);
  EXPECT_TRUE(HasLine(c, w.Tail, w.Centre));
  EXPECT_TRUE(HasLine(c, w.Centre, w.Head));
  EXPECT_TRUE(HasLine(c, w.Head, w.Barb1));
  for (const auto& p : c.log)
    if (p.op == Op::Line) EXPECT_EQ(p.pen.color, clr::Green);
}

TEST(MapHoldingLayer, LegsArcsAndRotatedLabels) {
  const SimState s = MapState();
  RecordingCanvas c;
  DrawMapHolding(c, s);
  const MapView v = MapViewOf(s);
  const HoldingPattern h = ComputeHolding(QPointF(0, 0), 180, "RIGHT", 115);
  EXPECT_TRUE(HasLine(c, v.Screen(h.F), v.Screen(h.A)));
  EXPECT_TRUE(HasLine(c, v.Screen(h.B), v.Screen(h.P)));
  EXPECT_TRUE(HasLine(c, v.Screen(h.F), v.Screen(h.P)));
  EXPECT_FALSE(HasLine(c, v.Screen(h.F), v.Screen(h.B)));
  EXPECT_EQ(c.Count(Op::Arc), 2);
  const auto* inbound = FindText(c, "000");
  ASSERT_NE(inbound, nullptr);
  EXPECT_EQ(inbound->op, Op::RotatedText);
  EXPECT_EQ(inbound->points[0], v.Screen(h.A));
  EXPECT_EQ(inbound->angle, 90);
  const auto* radial = FindText(c, "180");
  ASSERT_NE(radial, nullptr);
  EXPECT_EQ(radial->points[0], v.Screen(h.P));
  EXPECT_EQ(radial->angle, -270);
  for (const auto& p : c.log) EXPECT_EQ(p.pen.color, clr::Yellow);
}

TEST(MapOverlayLayer, RingsAtScale5And10) {
  SimState s = MapState();
  const AreaState a = DefaultArea();
  for (int scale : {5, 10}) {
    s.MapPixelsPerNm = scale;
    RecordingCanvas c;
    DrawMapOverlay(c, 400, 400, s, a);
    const bool two = scale > 5;
    EXPECT_EQ(c.Count(Op::Arc), two ? 6 : 5) << scale;
    EXPECT_EQ(FindText(c, "2") != nullptr, two) << scale;
    const auto* ten = FindText(c, "10");
    ASSERT_NE(ten, nullptr);
    EXPECT_EQ(ten->points[0], QPoint(200, 200 - 10 * scale));
    EXPECT_EQ(ten->font.color, clr::Red);
    for (const auto& p : c.log)
      if (p.op == Op::Arc) {
        const int r = (p.points[1].x() - p.points[0].x()) / 2;
        EXPECT_EQ(p.points[0], QPoint(200 - r, 200 - r));
        EXPECT_EQ(p.points[2], p.points[3]);  // a full circle
        EXPECT_EQ(p.pen.color, clr::Red);
      }
  }
}

TEST(MapOverlayLayer, TextsAndReadOuts) {
  SimState s = MapState();
  const AreaState a = DefaultArea();
  s.TrackAngle = 99.6;
  s.DriftAngle = 7.2;
  s.TrueAirspeed = 118;
  s.GroundSpeed = 101;
  RecordingCanvas c;
  DrawMapOverlay(c, 400, 400, s, a);
  // On a map 400 px wide the header takes two lines; what stands under it
  // moves down by one.
  const auto* keys = FindText(c, "Press [Z] or [W] to close Map. Press [X] to zoom.");
  const auto* name = FindText(c, "= Area1 =    (North up)");
  ASSERT_TRUE(keys && name);
  EXPECT_EQ(keys->points[0], QPoint(10, 10));
  const int line = name->points[0].y() - keys->points[0].y();
  EXPECT_GT(line, 0);
  EXPECT_EQ(name->points[0].x(), 10);
  EXPECT_EQ(FindText(c, "[ G - H ]")->points[0], QPoint(10, 50 + line));
  EXPECT_EQ(FindText(c, "Tck:100")->points[0], QPoint(330, 340));
  EXPECT_EQ(FindText(c, "Dft:  7")->points[0], QPoint(330, 360));
  EXPECT_EQ(FindText(c, "TAS:118")->points[0], QPoint(70, 320));
  EXPECT_EQ(FindText(c, "GS:101")->points[0], QPoint(70, 340));
  EXPECT_EQ(FindText(c, "D 3.0")->points[0], QPoint(25, 30 + line));
  EXPECT_EQ(FindText(c, "D 3.0")->font.color, clr::Red);

  s.Vor1Received = false;
  RecordingCanvas full;
  DrawMapOverlay(full, 800, 600, s, a);  // 8 x 6 cells: full size
  EXPECT_NE(FindText(full, "Press [D] to close this Map. Press [X] to zoom.  = Area1 =    (North up)"), nullptr);
  EXPECT_NE(FindText(full, "D--- "), nullptr);
}

TEST(MapOverlayLayer, TrackOldestFirstAndAircraftSymbol) {
  SimState s = MapState();
  const AreaState a;
  for (int i = 0; i < kTrackSlots + 5; ++i) AddTrackPoint(s, i * 0.01, 0, 2000);
  RecordingCanvas c;
  DrawMapOverlay(c, 400, 400, s, a);
  ASSERT_EQ(c.Count(Op::Polyline), 1);
  const auto* line = &*std::find_if(c.log.begin(), c.log.end(), [](const auto& p) { return p.op == Op::Polyline; });
  ASSERT_EQ(line->points.size(), 600);
  EXPECT_EQ(line->points.front(), MapViewOf(s).Screen(QPointF(5 * 0.01, 0)));
  EXPECT_EQ(line->points.back(), MapViewOf(s).Screen(QPointF(604 * 0.01, 0)));
  EXPECT_EQ(line->pen.color, clr::Fuchsia);
  // The symbol last: four lime strokes of width 3 from the centre.
  int strokes = 0;
  for (const auto& p : c.log)
    if (p.op == Op::Line && p.pen.color == clr::Lime) {
      EXPECT_EQ(p.pen.width, 3);
      EXPECT_EQ(p.points[0], QPoint(200, 200));
      ++strokes;
    }
  EXPECT_EQ(strokes, 4);
  EXPECT_TRUE(HasLine(c, {200, 200}, {193, 200}));  // nose, heading 270

  ClearTrackHistory(s);
  RecordingCanvas none;
  DrawMapOverlay(none, 400, 400, s, a);
  EXPECT_EQ(none.Count(Op::Polyline), 0);
}

TEST(MapChart, LayersInOrderAndHoldingOnlyWhenChosen) {
  const SimState s = MapState();
  const AreaState a = DefaultArea();
  RecordingCanvas with, without;
  DrawMap(with, 400, 400, s, a, true);
  DrawMap(without, 400, 400, s, a, false);
  // The frame first, inset by the margin.
  EXPECT_EQ(with.log[0].points, (QVector<QPoint>{{2, 2}, {398, 2}}));
  EXPECT_EQ(with.log[3].points, (QVector<QPoint>{{2, 398}, {2, 2}}));
  EXPECT_EQ(with.log[0].pen.color, clr::White);
  EXPECT_EQ(with.Count(Op::Arc) - without.Count(Op::Arc), 2);
  EXPECT_NE(FindText(with, "000"), nullptr);
  EXPECT_EQ(FindText(without, "000"), nullptr);
}

// Beacons, a holding and a track a world away (as a damaged area file could
// once bring): nothing of them is drawn where it does not belong, the lines
// towards them keep their direction, and no pixel arithmetic overflows.
AreaState FarOffArea() {
  AreaState a = DefaultArea();
  a.VorList[1].X = 1e12;     // far east
  a.NdbList[2].Y = -1e15;    // far north
  a.IlsList[0].X = 3e11;     // runway, feather and locator far off
  a.IlsList[0].Y = -2e11;
  a.IlsList[0].LocatorDistance = 1e300;
  return a;
}

SimState FarOffState() {
  SimState s = MapState();
  s.HoldingX = -4e13;
  s.CourseLineShown = true;
  s.CourseLineX = 2e14;
  s.CourseLineY = 0;
  AddTrackPoint(s, 0, 0, 2000);        // under the aircraft
  AddTrackPoint(s, 1e12, 5e11, 2000);  // far east-south-east
  AddTrackPoint(s, 0.5, 0, 2000);      // a jump back beside the aircraft
  AddTrackPoint(s, 1, 0, 2000);
  return s;
}

TEST(MapFarOff, FarPointsDrawNothingWrong) {
  const SimState s = FarOffState();
  const AreaState a = FarOffArea();
  RecordingCanvas c;
  DrawMap(c, 400, 400, s, a, true);
  const int far = 1 << 20;
  for (const auto& p : c.log)
    for (const QPoint& q : p.points) {
      EXPECT_LE(std::abs(q.x()), far + 6) << int(p.op) << " " << p.text.toStdString();
      EXPECT_LE(std::abs(q.y()), far + 6) << int(p.op) << " " << p.text.toStdString();
    }
  // The far beacons, the runway's name and its locator are left out; the others stay.
  for (const char* name : {"BBB", "PPP", "ILA", "LCA"}) EXPECT_EQ(FindText(c, name), nullptr) << name;
  for (const char* name : {"AAA", "CCC", "MMM", "NNN"}) EXPECT_NE(FindText(c, name), nullptr) << name;
  EXPECT_EQ(FindText(c, "000"), nullptr);  // the holding's labels
  for (const auto& p : c.log)  // the range rings alone, round the centre
    if (p.op == Op::Arc) EXPECT_EQ(p.points[0] + p.points[1], QPoint(400, 400));

  // The track: from the centre towards the far point, cut at the edge of
  // the plane in the far point's direction, then on again from beside the
  // aircraft.
  std::vector<const RecordingCanvas::Primitive*> track;
  for (const auto& p : c.log)
    if (p.op == Op::Polyline) track.push_back(&p);
  ASSERT_EQ(track.size(), 2u);
  ASSERT_EQ(track[0]->points.size(), 2);
  EXPECT_EQ(track[0]->points[0], QPoint(200, 200));
  const QPoint cut = track[0]->points[1];
  EXPECT_EQ(cut.x(), far);
  EXPECT_NEAR(std::atan2(cut.y() - 200.0, cut.x() - 200.0), std::atan2(5e11, 1e12), 2e-6);
  ASSERT_EQ(track[1]->points.size(), 3);
  EXPECT_EQ(track[1]->points[0].x(), far);
  EXPECT_EQ(track[1]->points[1], QPoint(210, 200));
  EXPECT_EQ(track[1]->points[2], QPoint(220, 200));
}

TEST(MapRepaint, ShownAtNormalOrFullSize) {
  SimState s;
  const struct {
    bool visible, full, repaint;
  } cases[] = {{false, false, false}, {true, false, true}, {false, true, true}, {true, true, true}};
  for (const auto& c : cases) {
    s.MapVisible = c.visible;
    s.MapFullSize = c.full;
    EXPECT_EQ(MapNeedsRepaint(s), c.repaint) << c.visible << c.full;
  }
}

}  // namespace
}  // namespace tvx
