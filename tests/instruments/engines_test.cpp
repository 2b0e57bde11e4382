#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLineF>
#include <QRectF>
#include <QSet>
#include <QStringList>
#include <algorithm>

#include "instruments/gauges.h"
#include "instruments/applicationfonts.h"
#include "instruments/gaugetestsupport.h"
#include "platform/textutil.h"
#include "simulator/panellayout.h"

namespace tvx {
namespace {

using namespace test;

constexpr int U = 149, kR = 134;

// What the window hands the gauges for `s`'s type, its right-hand chart
// as the window's layout places it.
GaugeInputs Inputs(const SimState& s, QSize screen = {1600, 900}, bool stopped = true, bool joystickThrust = false) {
  PanelLayoutInput layout;
  layout.Client = screen;
  layout.Type = s.AircraftType;
  GaugeInputs in;
  in.Client = screen;
  in.Chart3Width = LayOutPanel(layout).Of("Chart3").width();
  in.Stopped = stopped;
  in.JoystickThrust = joystickThrust;
  return in;
}

RecordingCanvas Engines(const SimState& s, const GaugeInputs& in) {
  RecordingCanvas c;
  DrawRPMDial(c, s);
  DrawEngineInstruments(c, s, in);
  return c;
}

int CountText(const RecordingCanvas& c, const QString& text) {
  int n = 0;
  for (const auto& t : Select(c, Op::Text)) n += t.text == text;
  return n;
}

TEST(EngineLaws, RpmAndN1) {
  EXPECT_DOUBLE_EQ(RpmDialAngle(500), 240);
  EXPECT_DOUBLE_EQ(RpmDialAngle(1000), 285);
  EXPECT_DOUBLE_EQ(RpmDialAngle(2750), 442.5);
  EXPECT_DOUBLE_EQ(RpmDialAngle(3000), 465);
  EXPECT_DOUBLE_EQ(N1DialAngle(0), 90);
  EXPECT_DOUBLE_EQ(N1DialAngle(58), 206);
  EXPECT_DOUBLE_EQ(N1DialAngle(100), 290);
}

TEST(RpmDial, NeedleOnTheRedMarkAndOnTheFirstLongTick) {
  for (const char* type : {"SEP", "SEP EFIS"}) {
    SCOPED_TRACE(type);
    SimState s = LaidOut(type);
    const QPoint centre(s.EngineCentreX, s.EngineCentreY);
    s.DisplayedRpm = 2750;
    const RecordingCanvas c = Engines(s, Inputs(s));
    const auto fours = LinesOfWidth(c, 4);
    ASSERT_EQ(fours.size(), 1);  // the red mark
    EXPECT_EQ(fours[0].pen.color, clr::Red);
    EXPECT_EQ(fours[0].points[0], Expected(centre.x(), centre.y(), kR - 1, 442.5));
    EXPECT_EQ(fours[0].points[1], Expected(centre.x(), centre.y(), kR - 20, 442.5));
    const auto needle = LinesOfWidth(c, 5);
    ASSERT_EQ(needle.size(), 1);
    EXPECT_EQ(needle[0].points[0], centre);
    EXPECT_EQ(needle[0].points[1], Expected(centre.x(), centre.y(), kR - 25, 82.5));
    EXPECT_EQ(c.Pen.width, 5);  // the needle's width stays

    s.DisplayedRpm = 500;
    const RecordingCanvas low = Engines(s, Inputs(s));
    const auto longTick = Select(low, Op::Line)[0];
    EXPECT_EQ(longTick.points[1], Expected(centre.x(), centre.y(), kR - 20, 240));
    EXPECT_EQ(LinesOfWidth(low, 5)[0].points[1], Expected(centre.x(), centre.y(), kR - 25, 240));
  }
}

TEST(RpmDial, FaceTicksFiguresArcAndHint) {
  SimState s = LaidOut("SEP");
  ASSERT_EQ(s.EngineCentreX, U);
  ASSERT_EQ(s.EngineCentreY, 5 * U);
  RecordingCanvas c;
  DrawRPMDial(c, s);
  EXPECT_EQ(LinesOfWidth(c, 1).size(), 6 + 24);
  EXPECT_EQ(c.Texts(), QVector<QString>({"5", "10", "15", "20", "25", "30", "[ / *  - + ]"}));
  const auto* hint = FindText(c, "[ / *  - + ]");
  EXPECT_EQ(hint->points[0], QPoint(U + 60, 5 * U + U - 25));
  EXPECT_EQ(hint->font.color, clr::Black);
  EXPECT_EQ(hint->brush.color, clr::GrayText);
  const auto arcs = Select(c, Op::Arc);
  ASSERT_EQ(arcs.size(), 1);
  EXPECT_EQ(arcs[0].pen.color, clr::Lime);
  EXPECT_EQ(arcs[0].pen.width, 4);
  EXPECT_EQ(arcs[0].points[0], QPoint(U - 132, 5 * U - 132));
  EXPECT_EQ(arcs[0].points[2], Expected(U, 5 * U, 132, 442.5));  // 2750 RPM
  EXPECT_EQ(arcs[0].points[3], Expected(U, 5 * U, 132, 285));    // 1000 RPM
  EXPECT_EQ(c.Pen.width, 1);
  EXPECT_EQ(c.Pen.color, clr::White);
}

TEST(RpmDial, NothingOnTheJet) {
  SimState s = LaidOut("737");
  RecordingCanvas c;
  DrawRPMDial(c, s);
  EXPECT_TRUE(c.log.isEmpty());
}

TEST(JetEngines, DialPlacesByScreen) {
  const struct {
    QSize screen;
    int radius, x1, x2;
  } cases[] = {{{1366, 1024}, kR - 50, 283, 477}, {{1400, 900}, kR - 50, 283, 477},
               {{1920, 1080}, kR - 20, 335, 596}, {{1366, 768}, kR - 20, 335, 596},
               {{1401, 900}, kR - 20, 335, 596}};
  for (const auto& k : cases) {
    const JetEngineDials d = JetEngineDialPlaces(k.screen, U, kR);
    EXPECT_EQ(d.Radius, k.radius) << k.screen.width() << "x" << k.screen.height();
    EXPECT_EQ(d.Engine1X, k.x1);
    EXPECT_EQ(d.Engine2X, k.x2);
  }
}

TEST(JetEngines, NeedlesAtZeroAndFullThrust) {
  for (const double n1 : {0.0, 100.0}) {
    SimState s = LaidOut("737");
    s.DisplayedN1 = n1;
    const RecordingCanvas c = Engines(s, Inputs(s, {1366, 1024}));
    const auto needles = LinesOfWidth(c, 5);
    ASSERT_EQ(needles.size(), 2);
    const int cy = s.EngineCentreY;
    const int length = kR - 50 - 20 - 5;
    EXPECT_EQ(needles[0].points[0], QPoint(283, cy));
    EXPECT_EQ(needles[0].points[1], Expected(283, cy, length, n1 == 0 ? 90 : 290));
    EXPECT_EQ(needles[1].points[0], QPoint(477, cy));
    EXPECT_EQ(needles[1].points[1], Expected(477, cy, length, n1 == 0 ? 90 : 290));
    EXPECT_EQ(CountText(c, FormatFixed(n1, 5, 1)), 2);
  }
}

TEST(JetEngines, DialFaceTicksFiguresAndValueBox) {
  SimState s = LaidOut("737");
  s.DisplayedN1 = 58;
  const RecordingCanvas c = Engines(s, Inputs(s));
  const int cy = s.EngineCentreY, rj = kR - 20;
  const auto faces = Select(c, Op::Ellipse);
  ASSERT_EQ(faces.size(), 2);
  EXPECT_EQ(faces[0].points[0], QPoint(335 - rj, cy - rj));
  const auto ticks = LinesOfWidth(c, 2);
  ASSERT_EQ(ticks.size(), 22);
  EXPECT_EQ(ticks[9].pen.color, clr::White);
  EXPECT_EQ(ticks[10].pen.color, clr::Red);  // 100 %
  EXPECT_EQ(ticks[10].points[0], Expected(335, cy, rj, 290));
  const auto texts = Select(c, Op::Text);
  EXPECT_EQ(texts[0].text, "0");
  const QPoint p0 = Expected(335, cy, rj - 20 - 14, 90);
  EXPECT_EQ(texts[0].points[0], QPoint(p0.x() - 6, p0.y() - 17));
  EXPECT_EQ(texts[5].text, "10");
  const auto boxes = Select(c, Op::Rectangle);
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_EQ(boxes[1].points[0], QPoint(596, cy - 50));
  EXPECT_EQ(boxes[1].points[1], QPoint(596 + 65, cy - 20));
  const auto* value = FindText(c, " 58.0");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->points[0], QPoint(335 + 4, cy - 45));
  EXPECT_EQ(value->font.size, 16);
  EXPECT_EQ(FindText(c, "[ / *  - + ]")->points[0], QPoint(3 * U - 10, cy + U - 40));
  EXPECT_EQ(FindText(c, "ENG FAIL"), nullptr);
}

TEST(JetEngines, FailedEngineShowsZeroOrWindmills) {
  const struct {
    const char* code;
    int phase;
    double airspeed;
    const char* rightValue;
    bool failed;
  } cases[] = {{"Fire", 2, 150, "  0.0", true},   {"Damage", 2, 150, "  0.0", true}, {"Failure", 2, 150, " 10.0", true},
               {"Failure", 2, 20, "  0.0", true}, {"Fire", 1, 150, " 62.0", false},  {"GPWS", 2, 150, " 62.0", false}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.code) + " " + std::to_string(k.phase) + " " + std::to_string(k.airspeed));
    SimState s = LaidOut("737");
    s.DisplayedN1 = 62;
    s.FailureCode = k.code;
    s.FailurePhase = k.phase;
    s.FailedEngine = 2;
    s.Airspeed = k.airspeed;
    const RecordingCanvas c = Engines(s, Inputs(s));
    const auto values = Select(c, Op::Text);
    QVector<QString> shown;
    for (const auto& t : values)
      if (t.font.size == 16 && t.text != "ENG FAIL") shown << t.text;
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], " 62.0");  // the left engine runs
    EXPECT_EQ(shown[1], k.rightValue);
    const auto* fail = FindText(c, "ENG FAIL");
    EXPECT_EQ(fail != nullptr, k.failed);
    if (fail) {
      EXPECT_EQ(fail->points[0], QPoint(596 - 50, s.EngineCentreY + 10));
      EXPECT_EQ(fail->font.color, clr::Yellow);
    }
  }
}

// --- Thrust lever ---

TEST(ThrustLever, NothingBeforeTheThrottleMoves) {
  for (const char* type : {"SEP", "SEP EFIS", "737"}) {
    SimState s = LaidOut(type);
    s.JoystickLeverRpm = 0;
    s.JoystickLeverN1 = 80;
    const RecordingCanvas c = Engines(s, Inputs(s));
    EXPECT_EQ(FindText(c, " Joystick Thrust OFF "), nullptr) << type;
    EXPECT_EQ(FindText(c, " Adjust Joystick Thrust Lever! "), nullptr);
    for (const auto& l : LinesOfWidth(c, 5)) EXPECT_NE(l.pen.color, clr::Fuchsia);
  }
}

TEST(ThrustLever, PistonMarkerAndWarningLimits) {
  const struct {
    bool checked;
    double lever, displayed, preset;
    bool warning;
  } cases[] = {{false, 2415, 2400, 2000, false}, {false, 2415.1, 2400, 2000, true}, {false, 2385, 2400, 2000, false},
               {true, 2015, 2400, 2000, false},  {true, 2015.1, 2400, 2000, true}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.lever) + (k.checked ? " checked" : ""));
    SimState s = LaidOut("SEP");
    s.JoystickLeverRpm = k.lever;
    s.DisplayedRpm = k.displayed;
    s.PresetPower = k.preset;
    const RecordingCanvas c = Engines(s, Inputs(s, {1600, 900}, true, k.checked));
    const auto* warning = FindText(c, " Adjust Joystick Thrust Lever! ");
    EXPECT_EQ(warning != nullptr, k.warning);
    if (warning) {
      EXPECT_EQ(warning->points[0], QPoint(U - 80, 6 * U - 100));
      EXPECT_EQ(warning->font.color, clr::Fuchsia);
    }
    const auto* status = FindText(c, k.checked ? " Joystick Thrust ON " : " Joystick Thrust OFF ");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->points[0], QPoint(U - 60, 6 * U - 60));
    EXPECT_EQ(status->font.color, k.checked ? clr::Lime : clr::Red);
    // The marker: lever (fuchsia) or preset (lime), shorter than the needle.
    const auto fives = LinesOfWidth(c, 5);
    ASSERT_EQ(fives.size(), 2);
    EXPECT_EQ(fives[0].pen.color, k.checked ? clr::Lime : clr::Fuchsia);
    EXPECT_EQ(fives[0].points[1], Expected(U, 5 * U, kR - 25 - 40, RpmDialAngle(k.checked ? k.preset : k.lever)));
  }
}

TEST(ThrustLever, JetWarningLimitAndPlaces) {
  const struct {
    bool checked;
    double lever;
    bool warning;
  } cases[] = {{false, 58.7, false}, {false, 58.71, true}, {false, 57.3, false}, {true, 62.7, false}, {true, 62.71, true}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.lever) + (k.checked ? " checked" : ""));
    SimState s = LaidOut("737");
    s.JoystickLeverRpm = 1800;
    s.JoystickLeverN1 = k.lever;
    s.DisplayedN1 = 58.0;
    s.PresetPower = 62.0;
    const RecordingCanvas c = Engines(s, Inputs(s, {1600, 900}, true, k.checked));
    const int warnings = CountText(c, " Adjust Joystick Thrust Lever! ");
    EXPECT_EQ(warnings, k.warning ? 2 : 0);  // once per dial
    if (k.warning) EXPECT_EQ(FindText(c, " Adjust Joystick Thrust Lever! ")->points[0], QPoint(3 * U - 70, 15));
    const auto* status = FindText(c, k.checked ? " Joystick Thrust ON " : " Joystick Thrust OFF ");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->points[0], QPoint(3 * U - 50, 2 * U - 30));
    // Marker on each dial at the N1 law's angle, of the instrument radius.
    QVector<Prim> markers;
    for (const auto& l : LinesOfWidth(c, 5))
      if (l.pen.color != clr::White) markers << l;
    ASSERT_EQ(markers.size(), 2);
    EXPECT_EQ(markers[0].points[1],
              Expected(335, s.EngineCentreY, kR - 25 - 40, N1DialAngle(k.checked ? 62.0 : k.lever)));
  }
}

TEST(ThrustLever, DuringAFlightOnlyTheStatusStays) {
  for (const char* type : {"SEP EFIS", "737"}) {
    SCOPED_TRACE(type);
    SimState s = LaidOut(type);
    s.JoystickLeverRpm = 2600;
    s.JoystickLeverN1 = 90;
    s.DisplayedRpm = 2000;
    s.DisplayedN1 = 60;
    const RecordingCanvas c = Engines(s, Inputs(s, {1600, 900}, false, true));
    EXPECT_EQ(FindText(c, " Adjust Joystick Thrust Lever! "), nullptr);
    const auto* status = FindText(c, " Joystick Thrust ON ");
    ASSERT_NE(status, nullptr);
    if (QString(type) == "SEP EFIS") EXPECT_EQ(status->points[0], QPoint(3 * U - 60, 2 * U - 60));
    for (const auto& l : LinesOfWidth(c, 5)) EXPECT_EQ(l.pen.color, clr::White);
  }
}

// --- The jet's N1 dials over every client area ---

// The fonts are the application's, as the panel paints them.
class N1Dials : public WithApplicationFonts {};

// The pixels a text's glyphs cover, as a box of pixel edges: the font the
// canvas paints with, the text's top-left corner at its recorded place.
QRectF Ink(const Prim& t) {
  const QRect ink = PaintedInk(t.font, t.text).translated(t.points[0]);
  return QRectF(ink.left(), ink.top(), ink.width(), ink.height());
}

double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double Distance(QPointF p, const QLineF& l) {
  const QPointF d = l.p2() - l.p1();
  const double length2 = d.x() * d.x() + d.y() * d.y();
  const double t = length2 > 0 ? std::clamp(((p.x() - l.x1()) * d.x() + (p.y() - l.y1()) * d.y()) / length2, 0.0, 1.0) : 0;
  return Distance(p, l.p1() + t * d);
}

// How far a line's centre runs from a box; 0 where it enters it.
double Distance(const QLineF& l, const QRectF& box) {
  if (box.contains(l.p1()) || box.contains(l.p2())) return 0;
  const QLineF sides[] = {{box.topLeft(), box.topRight()},
                          {box.topRight(), box.bottomRight()},
                          {box.bottomRight(), box.bottomLeft()},
                          {box.bottomLeft(), box.topLeft()}};
  double nearest = 1e9;
  for (const QLineF& side : sides) {
    if (side.intersects(l, nullptr) == QLineF::BoundedIntersection) return 0;
    nearest = std::min({nearest, Distance(side.p1(), l), Distance(l.p1(), side), Distance(l.p2(), side)});
  }
  return nearest;
}

// A stroke as it is painted: through its end pixels' centres.
QLineF Stroke(const Prim& line) {
  return {QPointF(line.points[0]) + QPointF(0.5, 0.5), QPointF(line.points[1]) + QPointF(0.5, 0.5)};
}

struct N1Dial {
  QPointF Centre;
  double Radius = 0;
  QVector<Prim> Ticks, Figures;
  QVector<Prim> ValueBox;  // the box, then the texts painted after it
};

// The two dials as painted: each face, then the ticks and figures painted on
// it before the next face.
QVector<N1Dial> DialsOf(const RecordingCanvas& c) {
  static const QStringList figures = {"0", "2", "4", "6", "8", "10"};
  QVector<N1Dial> dials;
  for (const Prim& p : c.log) {
    if (p.op == Op::Ellipse) {
      const QRectF face = QRectF(p.points[0], p.points[1]);
      dials.push_back({face.center(), face.width() / 2, {}, {}});
    } else if (!dials.isEmpty() && p.op == Op::Line && p.pen.width == 2) {
      dials.back().Ticks << p;
    } else if (!dials.isEmpty() && p.op == Op::Text && figures.contains(p.text)) {
      dials.back().Figures << p;
    } else if (!dials.isEmpty() && (p.op == Op::Rectangle || (p.op == Op::Text && !dials.back().ValueBox.isEmpty()))) {
      dials.back().ValueBox << p;
    }
  }
  return dials;
}

// The faults of the jet's two dials in the window's layout of `client`,
// one line each; `seen` skips a layout whose dials were judged already.
QStringList N1DialFaults(QSize client, MapPlace map, QSet<QString>& seen) {
  PanelLayoutInput layoutIn;
  layoutIn.Client = client;
  layoutIn.Type = "737";
  layoutIn.Map = map;
  const PanelLayout L = LayOutPanel(layoutIn);
  SimState s;
  s.AircraftType = "737";
  s.CellFrameMargin = 2;
  SetCellLayout(s, L.CellSize);
  SetEngineCentre(s);
  s.DisplayedN1 = 85.3;
  RecordingCanvas c;
  GaugeInputs in;
  in.Client = client;
  in.Chart3Width = L.Of("Chart3").width();
  DrawEngineInstruments(c, s, in);

  const QVector<N1Dial> dials = DialsOf(c);
  QString key;
  for (const Prim& p : c.log) key += QString("%1:%2,%3;").arg(int(p.op)).arg(p.points.value(0).x()).arg(p.points.value(0).y());
  if (seen.contains(key)) return {};
  seen.insert(key);
  const QString where =
      QString("%1x%2 (cell %3, map %4)").arg(client.width()).arg(client.height()).arg(L.CellSize).arg(int(map));
  if (dials.size() != 2) return {where + QString(": %1 dials").arg(dials.size())};
  QStringList out;
  const double apart = Distance(dials[0].Centre, dials[1].Centre);
  if (apart < dials[0].Radius + dials[1].Radius)
    out << where + QString(": the dials of radius %1 and %2 overlap, their centres %3 px apart")
                       .arg(dials[0].Radius)
                       .arg(dials[1].Radius)
                       .arg(apart);
  for (int k = 0; k < 2; ++k) {
    const N1Dial& d = dials[k];
    if (d.Figures.size() != 6) out << where + QString(": dial %1 has %2 figures").arg(k + 1).arg(d.Figures.size());
    // The value box on the face, every edge of it painted and left whole,
    // and the value inside its edges.
    if (d.ValueBox.size() < 2 || d.ValueBox[0].op != Op::Rectangle) {
      out << where + QString(": dial %1 has no value box with its value").arg(k + 1);
    } else {
      const Prim& box = d.ValueBox[0];
      // The outline's pixels, centres on whole numbers, as edges.
      const QRectF edges = QRectF(QPointF(box.points[0]), QPointF(box.points[1] - QPoint(1, 1))).normalized();
      const QRectF outline = edges.adjusted(-0.5, -0.5, 0.5, 0.5);
      for (const QPointF corner : {outline.topLeft(), outline.topRight(), outline.bottomLeft(), outline.bottomRight()})
        if (Distance(corner, d.Centre) > d.Radius) {
          out << where + QString(": dial %1's value box reaches off the face").arg(k + 1);
          break;
        }
      if (box.pen.style == PenStyle::Clear) out << where + QString(": dial %1's value box has no edges").arg(k + 1);
      const Prim& value = d.ValueBox[1];
      if (!edges.adjusted(0.5, 0.5, -0.5, -0.5).contains(Ink(value)))
        out << where + QString(": dial %1's value \"%2\" runs onto its box's edges").arg(k + 1).arg(value.text);
      for (const Prim& text : d.ValueBox.mid(1)) {
        if (text.brush.style != BrushStyle::Solid) continue;
        const QFontMetrics fm(PaintedFont(text.font));
        const QRectF ground(QPointF(text.points[0]) - QPointF(0.5, 0.5), QSizeF(fm.horizontalAdvance(text.text), fm.height()));
        if (ground.intersects(outline) && !edges.adjusted(0.5, 0.5, -0.5, -0.5).contains(ground))
          out << where + QString(": dial %1's value box has an edge covered by \"%2\"'s ground").arg(k + 1).arg(text.text);
      }
    }
    for (const Prim& figure : d.Figures) {
      const QRectF ink = Ink(figure);
      const QString name = QString("dial %1's ").arg(k + 1) + test::DescribeText(figure, ink);
      for (const QPointF corner : {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()})
        if (Distance(corner, d.Centre) > d.Radius) {
          out << where + ": " + name + " reaches off the face";
          break;
        }
      // Clear of a tick: no pixel of its stroke, at its pen's width, on the
      // figure's ink.
      for (const Prim& tick : d.Ticks)
        if (Distance(Stroke(tick), ink) <= tick.pen.width / 2.0)
          out << where + ": " + name +
                     QString(" on the tick from %1,%2 to %3,%4")
                         .arg(tick.points[0].x())
                         .arg(tick.points[0].y())
                         .arg(tick.points[1].x())
                         .arg(tick.points[1].y());
    }
  }
  return out;
}

TEST_F(N1Dials, ApartTheirFiguresClearOfTheTicksAndTheirValueBoxesWholeOnTheFaceAtEveryClientArea) {
  QVector<int> widths, heights;
  for (int w = kSmallestPanelClient.width(); w < 2560; w += 20) widths << w;
  widths << 2560;
  for (int h = kSmallestPanelClient.height(); h < 1440; h += 20) heights << h;
  heights << 1440;
  QSet<QString> seen;
  QStringList faults;
  for (MapPlace map : {MapPlace::Hidden, MapPlace::Beside, MapPlace::Full})
    for (int w : widths)
      for (int h : heights) faults << N1DialFaults(QSize(w, h), map, seen);
  EXPECT_GT(seen.size(), 50);  // dials of many sizes and places were judged
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults, the first ones:\n"
                                << faults.mid(0, 30).join('\n').toStdString();
}

}  // namespace
}  // namespace tvx
