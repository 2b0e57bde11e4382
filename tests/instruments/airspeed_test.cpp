#include <gtest/gtest.h>

#include <QLineF>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "instruments/gauges.h"
#include "instruments/gaugetestsupport.h"
#include "simulator/panellayout.h"

namespace tvx {
namespace {

using namespace test;

TEST(AirspeedDial, AngleLaw) {
  EXPECT_NEAR(AirspeedDialAngle(40), 30.0, 1e-9);
  EXPECT_NEAR(AirspeedDialAngle(44), 38.8, 1e-9);
  EXPECT_NEAR(AirspeedDialAngle(50), 52.0, 1e-9);
  EXPECT_NEAR(AirspeedDialAngle(103), 168.6, 1e-9);
  EXPECT_NEAR(AirspeedDialAngle(126), 219.2, 1e-9);
  EXPECT_NEAR(AirspeedDialAngle(160), 294.0, 1e-9);
  EXPECT_NEAR(AirspeedDialAngle(0), -58.0, 1e-9);
}

TEST(AirspeedDial, NeedleLiesOnTheArcEnds) {
  const struct {
    double kt, angle;
  } cases[] = {{44, 38.8}, {50, 52.0}, {103, 168.6}, {126, 219.2}, {160, 294.0}, {200, 338.0}, {0, -58.0}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.kt);
    SimState s = LaidOut("SEP");
    s.Airspeed = k.kt;
    RecordingCanvas c;
    DrawAirspeedNeedle(c, s);
    const auto needles = LinesOfWidth(c, 5);
    ASSERT_EQ(needles.size(), 1);
    EXPECT_EQ(needles[0].points[0], QPoint(149, 149));
    EXPECT_EQ(needles[0].points[1], Expected(149, 149, 134 - 20 - 5, k.angle));
    EXPECT_EQ(c.Pen.width, 1);
  }
}

TEST(AirspeedDial, ArcsTicksFiguresAndRedLine) {
  SimState s = LaidOut("SEP");
  RecordingCanvas c;
  DrawAirspeedDial(c, s);
  const QPoint centre(149, 149);
  // Face.
  const auto faces = Select(c, Op::Ellipse);
  ASSERT_EQ(faces.size(), 1);
  EXPECT_EQ(faces[0].points[0], QPoint(15, 15));
  EXPECT_EQ(faces[0].points[1], QPoint(283, 283));
  EXPECT_EQ(faces[0].brush.color, clr::Black);
  // Ticks: 13 long, 13 short, white.
  const auto ticks = LinesOfWidth(c, 1);
  ASSERT_EQ(ticks.size(), 26);
  EXPECT_EQ(ticks[0].points[0], Expected(149, 149, 133, 30));
  EXPECT_EQ(ticks[0].points[1], Expected(149, 149, 114, 30));
  EXPECT_EQ(ticks[13].points[1], Expected(149, 149, 124, 41));
  for (const auto& t : ticks) EXPECT_EQ(t.pen.color, clr::White);
  // Figures every 20 kt at 44 degrees apart.
  EXPECT_EQ(c.Texts(), QVector<QString>({"40", "60", "80", "100", "120", "140", "160"}));
  const QPoint p40 = Expected(149, 149, 134 - 20 - 11, 30);
  EXPECT_EQ(FindText(c, "40")->points[0], QPoint(p40.x() - 6, p40.y() - 7));
  EXPECT_EQ(FindText(c, "40")->font.size, 11);
  // Arcs: width, colour, radius and their two ends in the drawing order.
  const struct {
    int width;
    TColor color;
    int radius;
    double from, to;
  } arcs[] = {{5, clr::White, 132, 52.0, 38.8},  {5, clr::Lime, 132, 219.2, 52.0}, {5, clr::Yellow, 132, 294.0, 219.2},
              {3, clr::Lime, 130, 219.2, 168.6}, {3, clr::White, 130, 168.6, 38.8}, {3, clr::Yellow, 130, 294.0, 219.2}};
  const auto drawn = Select(c, Op::Arc);
  ASSERT_EQ(drawn.size(), 6);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const auto& a = drawn[i];
    EXPECT_EQ(a.pen.width, arcs[i].width);
    EXPECT_EQ(a.pen.color, arcs[i].color);
    EXPECT_EQ(a.points[0], QPoint(149 - arcs[i].radius, 149 - arcs[i].radius));
    EXPECT_EQ(a.points[1], QPoint(149 + arcs[i].radius, 149 + arcs[i].radius));
    EXPECT_EQ(a.points[2], Expected(149, 149, arcs[i].radius, arcs[i].from));
    EXPECT_EQ(a.points[3], Expected(149, 149, arcs[i].radius, arcs[i].to));
  }
  // Red line at 160 kt.
  const auto red = LinesOfWidth(c, 6);
  ASSERT_EQ(red.size(), 1);
  EXPECT_EQ(red[0].pen.color, clr::Red);
  EXPECT_NEAR(DialAngleOf(centre, red[0].points[1]), 294.0, 0.5);
  EXPECT_EQ(c.Pen.color, clr::White);
  EXPECT_EQ(c.Pen.width, 1);
}

TEST(TurnCoordinator, StandardRateBank) {
  EXPECT_NEAR(StandardRateBank(100), 15.35, 0.005);
  EXPECT_DOUBLE_EQ(StandardRateBank(0), 0);
  EXPECT_NEAR(TurnCoordinatorTilt(100, StandardRateBank(100)), 20.0, 1e-9);
  EXPECT_NEAR(TurnCoordinatorTilt(100, 30), 39.1, 0.05);
  EXPECT_DOUBLE_EQ(TurnCoordinatorTilt(0, 30), 0);  // standing still: no deflection
}

TEST(TurnCoordinator, WingsOnTheStandardRateMarks) {
  SimState s = LaidOut("SEP");
  s.Airspeed = 100;
  s.BankAngle = StandardRateBank(100);
  RecordingCanvas dial;
  DrawTurnCoordinatorDial(dial, s);
  RecordingCanvas plane;
  DrawTurnCoordinatorAircraft(plane, s);
  const QPoint centre(149, 447);
  const auto marks = LinesOfWidth(dial, 2);
  ASSERT_EQ(marks.size(), 4);
  const auto strokes = LinesOfWidth(plane, 2);
  ASSERT_EQ(strokes.size(), 3);
  // Right wing on the right standard-rate mark (110), left wing on the
  // left wings-level mark's opposite (290 = 110 + 180).
  EXPECT_NEAR(DialAngleOf(centre, strokes[2].points[1]), 110.0, 0.5);
  EXPECT_NEAR(DialAngleOf(centre, marks[2].points[0]), 110.0, 0.5);
  EXPECT_NEAR(DialAngleOf(centre, strokes[0].points[1]), 290.0, 0.5);
  // Fin a third of the wing.
  const int r = 134 - 20 - 5;
  EXPECT_EQ(strokes[1].points[1], Expected(149, 447, r / 3, 20.0));
  EXPECT_EQ(strokes[0].points[1], Expected(149, 447, r, -70.0));
  EXPECT_EQ(plane.Pen.width, 1);
  // "R" and "L" 5 px left of the points at 120 and 240 degrees.
  const QPoint pr = Expected(149, 447, 114, 120);
  EXPECT_EQ(FindText(dial, "R")->points[0], QPoint(pr.x() - 5, pr.y()));
  const QPoint pl = Expected(149, 447, 114, 240);
  EXPECT_EQ(FindText(dial, "L")->points[0], QPoint(pl.x() - 5, pl.y()));
}

TEST(TurnCoordinator, LeftBankLowersTheLeftWing) {
  SimState s = LaidOut("SEP");
  s.Airspeed = 100;
  s.BankAngle = -15;
  RecordingCanvas c;
  DrawTurnCoordinatorAircraft(c, s);
  const auto strokes = LinesOfWidth(c, 2);
  ASSERT_EQ(strokes.size(), 3);
  EXPECT_GT(strokes[0].points[1].y(), 447);  // left wing below the centre
  EXPECT_LT(strokes[2].points[1].y(), 447);  // right wing above it
  EXPECT_LT(strokes[1].points[1].x(), 149);  // fin leans left
}

TEST(TurnCoordinator, LevelAtZeroSpeedWhateverTheBank) {
  SimState s = LaidOut("SEP");
  s.Airspeed = 0;
  s.BankAngle = 30;
  RecordingCanvas c;
  DrawTurnCoordinatorAircraft(c, s);
  const auto strokes = LinesOfWidth(c, 2);
  ASSERT_EQ(strokes.size(), 3);
  EXPECT_EQ(strokes[0].points[1].y(), 447);
  EXPECT_EQ(strokes[2].points[1].y(), 447);
}

}  // namespace
}  // namespace tvx

namespace tvx::test {
namespace {

class AirspeedFigures : public WithApplicationFonts {};

// A pixel between each figure's ink (the glyphs the canvas paints, measured
// with the painted font) and every tick, on the dial of every cell size the
// client areas from 1180 x 610 to 2560 x 1440 give.
TEST_F(AirspeedFigures, APixelClearOfTheTicksOnEveryDial) {
  QSet<int> cells;
  for (int w = 1180; w <= 2560; w += 10)
    for (int h = 610; h <= 1440; h += 10) cells.insert(PanelCellSize(QSize(w, h)));
  EXPECT_GT(cells.size(), 50);
  QStringList faults;
  for (int U : cells) {
    SimState s;
    s.AircraftType = "SEP";
    SetCellLayout(s, U);
    RecordingCanvas c;
    DrawAirspeedDial(c, s);
    const auto ticks = LinesOfWidth(c, 1);
    for (const Prim& figure : Select(c, Op::Text)) {
      // The ink's pixel edges, and each tick through its end pixels' centres.
      const QRectF ink = QRectF(PaintedInk(figure.font, figure.text).translated(figure.points[0]));
      for (const Prim& tick : ticks) {
        const QLineF stroke(QPointF(tick.points[0]) + QPointF(0.5, 0.5), QPointF(tick.points[1]) + QPointF(0.5, 0.5));
        double nearest = 1e9;
        for (double t = 0; t <= 1; t += 0.01) {
          const QPointF p = stroke.pointAt(t);
          const double dx = std::max({ink.left() - p.x(), 0.0, p.x() - ink.right()});
          const double dy = std::max({ink.top() - p.y(), 0.0, p.y() - ink.bottom()});
          nearest = std::min(nearest, std::hypot(dx, dy));
        }
        // Half the pen and a whole pixel.
        if (nearest < 1.5)
          faults << QString("cell %1: \"%2\" %3 px from the tick %4,%5-%6,%7")
                        .arg(U)
                        .arg(figure.text)
                        .arg(nearest)
                        .arg(tick.points[0].x())
                        .arg(tick.points[0].y())
                        .arg(tick.points[1].x())
                        .arg(tick.points[1].y());
      }
    }
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << faults.mid(0, 20).join('\n').toStdString();
}

}  // namespace
}  // namespace tvx::test
