#include <gtest/gtest.h>

#include <QStringList>

#include "instruments/gauges.h"
#include "instruments/gaugetestsupport.h"
#include "instruments/layout.h"
#include "platform/textutil.h"

namespace tvx {
namespace {

using namespace test;

constexpr int U = 149, kYc = 223, kX0 = 111;  // 3 x 149 / 4

SimState Tape(const QString& type, double altitude) {
  SimState s = LaidOut(type);
  s.Altitude = altitude;
  s.Minimums = 320;
  return s;
}

QVector<Prim> TapeLines(const RecordingCanvas& c) {
  QVector<Prim> out;
  for (const Prim& p : Select(c, Op::Line))
    if (p.pen.width == 1 && p.pen.color == clr::White && p.points[0].x() == 0) out << p;
  return out;
}

QVector<QString> TapeFigures(const RecordingCanvas& c) {
  QVector<QString> out;
  for (const Prim& p : Select(c, Op::Text))
    if (p.points[0].x() == 25) out << p.text;
  return out;
}

// --- Altitude tape ---

TEST(AltitudeTape, JetAt3050Feet) {
  SimState s = Tape("737", 3050);
  RecordingCanvas c;
  DrawEFISAltitudeTape(c, s);
  // The 3000-ft line 3 x 50 x U / 830 px below the reference line.
  const int y3000 = kYc + 27;  // 26.93
  const auto* f = FindText(c, "3000");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->points[0], QPoint(25, y3000 - 10));
  EXPECT_NE(FindText(c, "3200"), nullptr);
  EXPECT_NE(FindText(c, "2800"), nullptr);
  EXPECT_EQ(FindText(c, "3100"), nullptr);
  EXPECT_EQ(FindText(c, "2900"), nullptr);
  // Lines every 100 ft (i = -25..15 by 5), all 20 px long, 11 px per 20 ft.
  const auto lines = TapeLines(c);
  ASSERT_EQ(lines.size(), 9);
  for (const auto& l : lines) EXPECT_EQ(l.points[1].x(), 20);
  EXPECT_EQ(lines[5].points[0].y(), y3000);  // i = 0
  EXPECT_EQ(lines[4].points[0].y(), RoundPixel(kYc + 26.9277 - 55));  // 3100 ft
}

TEST(AltitudeTape, GlassPistonLinesEveryTwentyFeetFiguresEveryHundred) {
  SimState s = Tape("SEP EFIS", 2470);
  RecordingCanvas c;
  DrawEFISAltitudeTape(c, s);
  const auto lines = TapeLines(c);
  ASSERT_EQ(lines.size(), 35);
  int longOnes = 0;
  for (const auto& l : lines) longOnes += l.points[1].x() == 20;
  EXPECT_EQ(longOnes, 7);
  EXPECT_EQ(TapeFigures(c), QVector<QString>({"2800", "2700", "2600", "2500", "2400", "2300", "2200"}));
  // 15 px per 20 ft; the 2400 line 3 x 70 x U / 590 below the reference.
  EXPECT_EQ(FindText(c, "2400")->points[0], QPoint(25, RoundPixel(kYc + 3.0 * 70 * U / 590) - 10));
  EXPECT_EQ(FindText(c, "2500")->points[0], QPoint(25, RoundPixel(kYc + 3.0 * 70 * U / 590 - 75) - 10));
  // No bug and no baro on the piston tape.
  EXPECT_EQ(FindText(c, " 29.92   "), nullptr);
  EXPECT_EQ(FindText(c, "320"), nullptr);
  EXPECT_TRUE(LinesOfWidth(c, 5).isEmpty());
}

TEST(AltitudeTape, NegativeAltitudesTruncateTheHundreds) {
  SimState s = Tape("SEP EFIS", -150);
  RecordingCanvas c;
  DrawEFISAltitudeTape(c, s);
  // Hundreds -100 and remainder -50: the -100 line lies above the reference.
  const auto* f = FindText(c, "-100");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->points[0], QPoint(25, RoundPixel(kYc - 3.0 * 50 * U / 590) - 10));
  EXPECT_NE(FindText(c, "0"), nullptr);
  EXPECT_NE(FindText(c, "-200"), nullptr);
  EXPECT_NE(FindText(c, "-150"), nullptr);  // the read-out
}

TEST(AltitudeTape, JetBugAtTheMinimumsAndBaroBox) {
  SimState s = Tape("737", 500);
  s.AltitudeBug = 900;  // a preset's bug: the tape shows the minimums
  RecordingCanvas c;
  DrawEFISAltitudeTape(c, s);
  const auto bug = LinesOfWidth(c, 5);
  ASSERT_EQ(bug.size(), 1);
  EXPECT_EQ(bug[0].pen.color, clr::Lime);
  EXPECT_EQ(bug[0].points[0], QPoint(4, RoundPixel(kYc + 3.0 * 180 * U / 830)));
  EXPECT_EQ(bug[0].points[1], QPoint(kX0 - 4, RoundPixel(kYc + 3.0 * 180 * U / 830)));
  const auto* value = FindText(c, "320");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->points[0], QPoint(kX0 + 4, 2 * kYc - 24));
  EXPECT_EQ(value->font.color, clr::Lime);
  EXPECT_EQ(FindText(c, " 29.92   ")->points[0], QPoint(4, 2 * kYc - 43));
  EXPECT_EQ(FindText(c, " 1013    ")->points[0], QPoint(4, 2 * kYc - 24));
  EXPECT_EQ(FindText(c, " STD     "), nullptr);

  s.BaroStd = true;
  s.Minimums = 330;  // a DA button's +10
  RecordingCanvas std;
  DrawEFISAltitudeTape(std, s);
  EXPECT_EQ(FindText(std, " STD     ")->points[0], QPoint(4, 2 * kYc - 24));
  EXPECT_EQ(FindText(std, " 29.92   "), nullptr);
  EXPECT_EQ(FindText(std, " 1013    "), nullptr);
  EXPECT_NE(FindText(std, "330"), nullptr);
  EXPECT_EQ(LinesOfWidth(std, 5)[0].points[0].y(), RoundPixel(kYc + 3.0 * 170 * U / 830));
}

TEST(AltitudeTape, TrendReadoutAndFrame) {
  SimState s = Tape("737", 3053);
  s.VerticalSpeed = 600;
  RecordingCanvas c;
  DrawEFISAltitudeTape(c, s);
  const auto rects = Select(c, Op::Rectangle);
  ASSERT_EQ(rects.size(), 1);
  EXPECT_EQ(rects[0].brush.color, clr::Lime);
  EXPECT_EQ(rects[0].points[0], QPoint(2, kYc));
  EXPECT_EQ(rects[0].points[1], QPoint(7, kYc - 55));  // 100 x 11 / 20
  const auto* readout = FindText(c, "3055");
  ASSERT_NE(readout, nullptr);
  EXPECT_EQ(readout->points[0], QPoint(20, kYc - 15));
  EXPECT_EQ(readout->font.size, 18);
  const auto frame = LinesOfWidth(c, 2);
  ASSERT_EQ(frame.size(), 5);  // the reference line and four sides
  EXPECT_EQ(frame[0].pen.color, clr::Black);
  EXPECT_EQ(frame[0].points[0], QPoint(2, kYc));
  EXPECT_EQ(frame[0].points[1], QPoint(kX0 - 2, kYc));
  EXPECT_EQ(frame[2].points[1], QPoint(kX0, 3 * U));
  s.VerticalSpeed = -1000;
  RecordingCanvas down;
  DrawEFISAltitudeTape(down, s);
  EXPECT_EQ(Select(down, Op::Rectangle)[0].points[1], QPoint(7, kYc + 91));  // -166 x 11 / 20 = -91.3
}

TEST(AltitudeTape, ReadoutToTheNearestFiveFeet) {
  for (const auto& [alt, text] : {std::pair{3052.0, "3050"}, std::pair{3052.5, "3055"}, std::pair{-12.0, "-10"}}) {
    SimState s = Tape("SEP EFIS", alt);
    RecordingCanvas c;
    DrawEFISAltitudeTape(c, s);
    const auto* t = FindText(c, text);
    ASSERT_NE(t, nullptr) << text;
    EXPECT_EQ(t->font.size, 18);
  }
}

// --- Refresh ---

TEST(GaugeRefresh, JetAltitudeBugIsTheMinimums) {
  SimState s = Tape("737", 3000);
  s.AltitudeBug = 900;
  RefreshGauges(s);
  EXPECT_EQ(s.AltitudeBug, 320);
  SimState p = Tape("SEP EFIS", 3000);
  p.AltitudeBug = 900;
  RefreshGauges(p);
  EXPECT_EQ(p.AltitudeBug, 900);
}

TEST(GaugeRefresh, TapeFilterOnlyOnTheGlassPanels) {
  SimState sep = Tape("SEP", 3000);
  sep.DisplayedAirspeed = 115;
  sep.Airspeed = 20;
  RefreshGauges(sep);
  EXPECT_DOUBLE_EQ(sep.DisplayedAirspeed, 115);
  SimState efis = Tape("SEP EFIS", 3000);
  efis.DisplayedAirspeed = 115;
  efis.Airspeed = 20;
  RefreshGauges(efis);
  EXPECT_DOUBLE_EQ(efis.DisplayedAirspeed, 30);
}

// --- Vertical-speed scale ---

TEST(VerticalSpeedScale, Readouts) {
  const std::pair<double, const char*> cases[] = {
      {-35, "-040"}, {0, "000"}, {20, "020"}, {9, "000"}, {10, "020"}, {-5, "000"}, {2500, "2500"}, {99, "100"},
      {-99, "-100"}, {-2345, "-2340"}, {80, "080"}, {89.9, "080"}, {90, "100"}, {-90, "-100"}};
  for (const auto& [vs, text] : cases) EXPECT_EQ(VerticalSpeedReadout(vs), text) << vs;
}

TEST(VerticalSpeedScale, PistonPointerClampedReadoutNot) {
  SimState s = Tape("SEP EFIS", 3000);
  s.VerticalSpeed = 2500;
  RecordingCanvas c;
  DrawEFISVerticalSpeed(c, s);
  const auto tri = Select(c, Op::Polygon);
  ASSERT_EQ(tri.size(), 1);
  // 35 px per 500 ft/min: 2000 ft/min at 140 px above the reference.
  EXPECT_EQ(tri[0].points, QVector<QPoint>({{kX0, kYc - 140}, {kX0 + 20, kYc - 152}, {kX0 + 20, kYc - 128}}));
  EXPECT_EQ(tri[0].brush.color, clr::Black);
  const auto* r = FindText(c, "2500");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->points[0], QPoint(kX0 + 22, kYc - 140 - 12));
  EXPECT_EQ(r->brush.color, clr::Black);
}

TEST(VerticalSpeedScale, MarksEveryFiveHundred) {
  SimState s = Tape("737", 3000);
  RecordingCanvas c;
  DrawEFISVerticalSpeed(c, s);
  QVector<QString> figures;
  for (const auto& t : Select(c, Op::Text)) figures << t.text;
  EXPECT_EQ(figures, QVector<QString>({"2", "1", "0", "1", "2"}));  // no read-out at exactly 0
  const auto texts = Select(c, Op::Text);
  EXPECT_EQ(texts[0].points[0], QPoint(kX0 + 35, kYc - 140 - 10));
  EXPECT_EQ(texts[4].points[0], QPoint(kX0 + 35, kYc + 140 - 10));
  int shortMarks = 0;
  for (const auto& l : LinesOfWidth(c, 1)) shortMarks += l.points[1].x() == kX0 + 15;
  EXPECT_EQ(shortMarks, 4);
}

TEST(VerticalSpeedScale, JetPointerAndReadoutAboveOrBelow) {
  SimState s = Tape("737", 3000);
  s.VerticalSpeed = 1000;
  RecordingCanvas up;
  DrawEFISVerticalSpeed(up, s);
  const auto pointer = LinesOfWidth(up, 4);
  ASSERT_EQ(pointer.size(), 1);
  EXPECT_EQ(pointer[0].points[0], QPoint(kX0 + 10, kYc - 70));
  EXPECT_EQ(pointer[0].points[1], QPoint(kX0 + 74 - 10, kYc - 70));
  EXPECT_EQ(FindText(up, "1000")->points[0], QPoint(kX0 + 5, 74 - 50));
  EXPECT_TRUE(Select(up, Op::Polygon).isEmpty());

  s.VerticalSpeed = -35;
  RecordingCanvas down;
  DrawEFISVerticalSpeed(down, s);
  // Below the scale, at least as far below its foot as designed: lower where
  // the frame's slanted foot would meet it (the painted-texts sweep measures
  // the glyphs).
  const QPoint below = FindText(down, "-040")->points[0];
  EXPECT_EQ(below.x(), kX0 + 5);
  EXPECT_GE(below.y(), 2 * U + 74 + 15);
  EXPECT_LE(below.y(), 2 * U + 74 + 20 + 2);
}

TEST(VerticalSpeedScale, SelectedVerticalSpeedLiesOnThePointer) {
  for (const char* type : {"SEP EFIS", "737"}) {
    SCOPED_TRACE(type);
    SimState s = Tape(type, 3000);
    s.VerticalSpeed = -700;
    s.SelectedVerticalSpeed = -700;
    RecordingCanvas off;
    DrawEFISVerticalSpeed(off, s);
    for (const auto& l : LinesOfWidth(off, 4)) EXPECT_NE(l.pen.color, clr::Fuchsia);
    s.AutopilotEngaged = true;
    RecordingCanvas on;
    DrawEFISVerticalSpeed(on, s);
    QVector<Prim> selected;
    for (const auto& l : LinesOfWidth(on, 4))
      if (l.pen.color == clr::Fuchsia) selected << l;
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].points[0], QPoint(kX0 + 2, kYc + 49));  // 700 x 35 / 500
    EXPECT_EQ(selected[0].points[1], QPoint(kX0 + 22, kYc + 49));
  }
}

TEST(VerticalSpeedScale, Frame) {
  SimState s = Tape("SEP EFIS", 3000);
  RecordingCanvas c;
  DrawEFISVerticalSpeed(c, s);
  const auto frame = LinesOfWidth(c, 2);
  ASSERT_EQ(frame.size(), 4);
  EXPECT_EQ(frame[0].points[0], QPoint(kX0, 74 - 20));
  EXPECT_EQ(frame[0].points[1], QPoint(kX0 + 74, 74));
  EXPECT_EQ(frame[1].points[1], QPoint(kX0 + 74, 2 * U + 74));
  EXPECT_EQ(frame[2].points[1], QPoint(kX0, 2 * U + 74 + 20));
  EXPECT_EQ(frame[3].points[1], QPoint(kX0, 74 - 20));
}

// Beside its pointer the piston glass read-out ends inside the scale's frame,
// or, too wide even in the smallest font, is written after the frame on its
// own black ground: at every cell of the panel's range (1180 x 610 to
// 2560 x 1440) and every vertical speed the pointer shows, and beyond.
class PistonVerticalSpeedReadout : public WithApplicationFonts {};

TEST_F(PistonVerticalSpeedReadout, ClearOfTheScaleFrameOnEveryCell) {
  QStringList faults;
  for (int cell = CellSizeFor(1180, 610); cell <= CellSizeFor(2560, 1440); ++cell)
    for (int vs = -3000; vs <= 3000; vs += 60) {
      SimState s = Tape("SEP EFIS", 3000);
      SetCellLayout(s, cell);
      s.VerticalSpeed = vs;
      RecordingCanvas c;
      DrawEFISVerticalSpeed(c, s);
      // The read-out: the text beside the pointer, right of the scale's marks.
      const int x0 = 3 * cell / 4;
      qsizetype at = -1;
      for (qsizetype k = 0; k < c.log.size(); ++k)
        if (c.log[k].op == Op::Text && c.log[k].points[0].x() == x0 + 22) at = k;
      ASSERT_GE(at, 0) << "cell " << cell << " vs " << vs;
      const Prim& readout = c.log[at];
      const QRect ink = InkOf(readout);
      for (qsizetype k = 0; k < c.log.size(); ++k) {
        const Prim& line = c.log[k];
        if (line.op != Op::Line || line.pen.width != 2 || !LineMeets(line, ink)) continue;
        // Under the frame the read-out needs its own ground; over it, a line
        // must not cross it.
        if (k > at || readout.brush.style != BrushStyle::Solid)
          faults << QString("cell %1, %2 ft/min: ").arg(cell).arg(vs) + test::DescribeText(readout, ink) +
                        QString(" crossed by the frame %1,%2-%3,%4")
                        .arg(line.points[0].x())
                        .arg(line.points[0].y())
                        .arg(line.points[1].x())
                        .arg(line.points[1].y());
      }
    }
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults, the first ones:\n"
                                << faults.mid(0, 10).join(QChar(10)).toStdString();
}

}  // namespace
}  // namespace tvx
