// The texts the instrument charts paint, measured with the fonts they are
// painted in, over every client area the panel is laid out for: each lies
// inside its chart, and no two texts of a chart meet.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTransform>

#include "areas/areamodel.h"
#include "areas/instroptions.h"
#include "instruments/attitude.h"
#include "instruments/hsi.h"
#include "instruments/layout.h"
#include "instruments/mapdraw.h"
#include "instruments/panel.h"
#include "platform/canvas.h"
#include "simulator/panellayout.h"

using namespace tvx;

namespace {

using Prim = RecordingCanvas::Primitive;

// The fonts are the application's: one runs, without windows, while the
// sweeps run, and ends before the program does, as a Qt program's does.
class PaintedTexts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "paintedtexts";
    static char* argv[] = {name, nullptr};
    app_ = new QGuiApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }
  static QGuiApplication* app_;
};
QGuiApplication* PaintedTexts::app_ = nullptr;

enum class Flight { Cruise, Approach, TakeOff };

const char* NameOf(Flight f) {
  switch (f) {
    case Flight::Cruise: return "cruise on the autopilot, every station received";
    case Flight::Approach: return "ILS approach, glideslope off, engine 2 on fire, paused";
    case Flight::TakeOff: return "take-off roll, thrust lever moved, terrain warning";
  }
  return "";
}

// A flight state that shows the chart's texts: three-letter idents, the
// autopilot's selections, the jet's flap marks near the shown speed.
void SetFlight(SimState& s, Flight f) {
  const bool jet = s.AircraftType == "737";
  s.Heading = 47;
  s.TrackAngle = 52;
  s.DriftAngle = 5;
  s.BankAngle = 10;
  s.PitchAttitude = 4;
  s.WindDirection = 270;
  s.WindSpeed = 25;
  s.TrueAirspeed = jet ? 420 : 125;
  s.GroundSpeed = jet ? 398 : 101;
  s.Vor1Ident = "AAA";
  s.Vor2Ident = "BBB";
  s.AdfIdent = "CCC";
  s.AdfReceived = s.Vor1Received = s.Vor2Received = true;
  s.Vor1Radial = 200, s.Vor2Radial = 310, s.AdfQdr = 120;
  s.Vor1Distance = 12.4, s.Vor2Distance = 30;
  s.Obs1Course = 20, s.Obs2Course = 135;
  s.MapPixelsPerNm = 20;
  s.DisplayedRpm = 2300;
  s.DisplayedN1 = 85.3;
  s.SpeedBugPhase = "APCH";
  s.MachNumber = 0.62;
  s.CrossTrackDistance = 2.5;
  switch (f) {
    case Flight::Cruise:
      s.Airspeed = jet ? 280 : 115;
      s.Altitude = 12000;
      s.VerticalSpeed = 0;
      s.AutopilotEngaged = true;
      s.SelectedHeading = 60, s.SelectedHeadingWhole = 60;
      s.SelectedSpeed = jet ? 280 : 115;
      s.SpeedBug = 150;
      break;
    case Flight::Approach:
      s.Airspeed = jet ? 170 : 95;
      s.Altitude = 1400;
      s.VerticalSpeed = -700;
      s.AirportElevation = 200;
      s.IlsTuned = true;
      s.GlideslopeOff = true;
      s.Paused = true;
      s.SpeedBug = 145;
      s.FailureCode = "Fire", s.FailurePhase = 2, s.FailedEngine = 2;
      break;
    case Flight::TakeOff:
      s.Airspeed = jet ? 125 : 60;
      s.Altitude = 200;
      s.VerticalSpeed = 1500;
      s.SpeedBugPhase = "TO";
      s.SpeedBug = 145;
      s.JoystickLeverRpm = 2000;
      s.JoystickLeverN1 = 70;
      s.PresetPower = jet ? 90 : 2400;
      s.FailureCode = "GPWS", s.FailurePhase = 2;
      break;
  }
  s.DisplayedAirspeed = s.PreviousTapeAirspeed = s.Airspeed;
}

// A text drawn where its chart moves it with the flight (tape figures and
// marks, a pointer's read-out, the ladder, the map's beacons and holding):
// the chart's edge cuts it by design, as the tape or map scrolls under the
// edge. The range rings'
// figures stand still for a map scale but lie off the chart with the rings
// larger than the map.
// The speed tape's marks move with the speed too; all but "V1" pass its
// read-out clear.
enum class Kind { Fixed, Moving, Ring, Mark };

Kind KindOf(const QString& chart, const Prim& t, const SimState& s) {
  static const QRegularExpression number("^-?\\d+$");
  const bool numeric = number.match(t.text).hasMatch();
  if (chart == "Chart1") return t.op == RecordingCanvas::Op::RotatedText ? Kind::Moving : Kind::Fixed;
  if (chart == "MAPChart") {
    for (const char* fixed : {"Press ", "[ G - H ]", "Tck:", "Dft:", "TAS:", "GS:", "D ", "D--"})
      if (t.text.startsWith(fixed)) return Kind::Fixed;
    if (t.text.contains(" / ")) return Kind::Fixed;  // the wind
    if (numeric && t.points[0].x() == s.MapCentreX && t.op == RecordingCanvas::Op::Text) return Kind::Ring;
    return Kind::Moving;
  }
  const bool glass = s.AircraftType != "SEP";
  // The speed tape's figures and marks; fixed are the read-out, the data
  // box's lines and the wind.
  if (chart == "Chart2" && glass) {
    if (t.points[0].x() == 4 || t.points[0].x() == 8 || (t.font.color == clr::White && t.brush.color == clr::Black))
      return Kind::Fixed;
    return t.font.color == clr::Lime ? Kind::Mark : Kind::Moving;
  }
  // The altitude tape's figures, and the piston types' vertical-speed
  // read-out, which rides on the pointer; the vertical-speed scale's
  // figures, the jets' read-out and the altitude bug stand still.
  if (chart == "Chart3" && glass && t.font.size == 14 && numeric) {
    const int x = t.points[0].x();
    if (x == 25 || (s.AircraftType == "SEP EFIS" && x == 3 * s.CellSize / 4 + 22)) return Kind::Moving;
  }
  return Kind::Fixed;
}

struct Painted {
  QString Type;
  QString Chart;
  QSize Size;
  QVector<Prim> Texts;
  QVector<QRect> Boxes;
  QVector<Kind> Kinds;
};

Painted Paint(const QString& chart, QSize size, const SimState& s, const PanelLayout& L, QSize client) {
  RecordingCanvas c;
  PanelInputs in;
  in.Gauges.Client = client;
  in.Gauges.Chart3Width = L.Of("Chart3").width();
  in.Gauges.Stopped = s.JoystickLeverRpm != 0;
  in.Gauges.FlapLabels = {"UP", "1", "5", "15"};
  if (chart == "Chart1") {
    AdiView v;
    v.Width = size.width();
    v.Height = size.height();
    v.ClientWidth = client.width();
    v.Zoom = L.Chart1Zoom;
    DrawAttitudeOverlay(c, s, v);
  } else if (chart == "Chart2") {
    PaintChart2(c, s, in);
  } else if (chart == "Chart3") {
    PaintChart3(c, s, in);
  } else if (chart == "chart4") {
    DrawHeadingIndicator(c, s, in.Options, size.width(), size.height());
  } else {
    AreaState area;
    FillDefaultArea(area);
    BrVORXY(area.VorList, area.NdbList, area.IlsList);
    area.AreaName = "Area1";
    DrawMap(c, size.width(), size.height(), s, area, true);
  }
  Painted p{s.AircraftType, chart, size, {}, {}, {}};
  for (qsizetype k = 0; k < c.log.size(); ++k) {
    const Prim& t = c.log[k];
    if (t.op != RecordingCanvas::Op::Text && t.op != RecordingCanvas::Op::RotatedText) continue;
    if (t.text.trimmed().isEmpty()) continue;
    const QRect box = c.TextBox(t);
    // A text a later filled box paints over is not seen (the tape's figures
    // under its data box).
    bool covered = false;
    for (qsizetype later = k + 1; later < c.log.size() && !covered; ++later) {
      const Prim& f = c.log[later];
      if ((f.op == RecordingCanvas::Op::Rectangle || f.op == RecordingCanvas::Op::FillRect) &&
          f.brush.style == BrushStyle::Solid)
        covered = QRect(f.points[0], f.points[1]).normalized().contains(box);
    }
    if (covered) continue;
    p.Texts << t;
    p.Boxes << box;
    p.Kinds << KindOf(chart, t, s);
  }
  return p;
}

bool Warning(const QString& text) {
  static const QStringList warnings = {"  P A U S E  ", "TERRAIN", "WINDSHEAR", "TRAFFIC", "PULL UP"};
  return warnings.contains(text);
}

// One side of a pair the design paints over each other: a text as it is
// written, or a class of texts.
struct TextMatch {
  QString Text;
  bool (*Is)(const Prim&) = nullptr;
  bool operator()(const Prim& t) const { return Is ? Is(t) : t.text == Text; }
};

bool SpeedReadOut(const Prim& t) {
  static const QRegularExpression knots("^\\d+$");
  return t.font.color == clr::White && t.brush.color == clr::Black && knots.match(t.text).hasMatch();
}
bool ThrustLeverStatus(const Prim& t) {
  return t.text == " Joystick Thrust OFF " || t.text == " Joystick Thrust ON ";
}

struct DesignedPair {
  const char* Type;
  const char* Chart;
  TextMatch First, Second;
  const char* Why;
};

// The texts the design places over each other, whatever the chart's size.
const DesignedPair kDesignedPairs[] = {
    {"737", "Chart3", {" 29.92   "}, {" 1013    "},
     "the baro box's two lines are written 19 px apart in a 14-pt font, whose line is 22 px, on full-size cells, "
     "and shrink alike on smaller ones: the lower line's background covers the foot of the upper line, below its "
     "figures"},
    {"737", "Chart2", {"V1"}, {{}, SpeedReadOut},
     "\"V1\" is written 35 px right of the speed read-out's left edge, 5 px left of the other marks: as the speed "
     "nears 129 kt the mark passes under the read-out's last figure, which is painted over it"},
    {"737", "Chart3", {{}, ThrustLeverStatus}, {"[ / *  - + ]"},
     "the thrust lever's status is written at (3U - 50, 2U - 30), the key hint at (3U - 10, 2U - 40) "
     "on full-size cells: while the throttle has been moved, the hint is painted over the status's upper half"},
};

// Why a pair of texts that meet is left aside; empty for a fault.
QString LeftAside(const Painted& p, int i, int j) {
  const Prim &a = p.Texts[i], &b = p.Texts[j];
  const bool mi = p.Kinds[i] == Kind::Moving, mj = p.Kinds[j] == Kind::Moving;
  if (p.Chart == "MAPChart" && (mi || mj)) return "the map's beacons and holding move under its fixed read-outs";
  if ((p.Chart == "Chart2" || p.Chart == "Chart3") && (mi || mj))
    return "a tape's figures, and the vertical-speed pointer's read-out, move under and over the fixed texts";
  if (p.Chart == "Chart1" && (mi || mj)) return "the ladder turns and moves under the fixed words";
  // The jets write the thrust lever's status once for each dial, in one place.
  if (a.text == b.text && p.Boxes[i] == p.Boxes[j]) return "one text written twice in one place";
  if (Warning(a.text) || Warning(b.text)) return "a warning is painted over the instrument while it lasts";
  for (const DesignedPair& d : kDesignedPairs)
    if (p.Type == d.Type && p.Chart == d.Chart && ((d.First(a) && d.Second(b)) || (d.First(b) && d.Second(a))))
      return d.Why;
  return {};
}

QString Describe(const Prim& t, const QRect& b) {
  return QString("\"%1\" (%2 pt) at %3,%4 %5x%6")
      .arg(t.text)
      .arg(t.font.size)
      .arg(b.x())
      .arg(b.y())
      .arg(b.width())
      .arg(b.height());
}

// Whether two texts meet. Two texts turned alike are compared turned back,
// where their boxes are exact; the upright bounds of a turned box are not.
bool Meet(const Prim& a, const QRect& boxA, const Prim& b, const QRect& boxB) {
  if (!boxA.intersects(boxB)) return false;
  if (a.op != RecordingCanvas::Op::RotatedText || b.op != RecordingCanvas::Op::RotatedText || a.angle != b.angle)
    return true;
  QTransform back;
  back.rotate(a.angle);
  const auto upright = [&](const Prim& t) {
    RecordingCanvas measure;
    measure.Font = t.font;
    return QRectF(back.map(QPointF(t.points[0])), QSizeF(measure.TextWidth(t.text), measure.TextHeight(t.text)));
  };
  return upright(a).intersects(upright(b));
}

// The faults of one painted chart, one line each.
QStringList Faults(const Painted& p) {
  QStringList out;
  const QRect chart(QPoint(0, 0), p.Size);
  for (int i = 0; i < p.Texts.size(); ++i) {
    if (p.Kinds[i] == Kind::Fixed && !chart.contains(p.Boxes[i]))
      out << QString("%1 %2x%3: %4 not inside the chart")
                 .arg(p.Chart)
                 .arg(p.Size.width())
                 .arg(p.Size.height())
                 .arg(Describe(p.Texts[i], p.Boxes[i]));
    for (int j = i + 1; j < p.Texts.size(); ++j) {
      if (!Meet(p.Texts[i], p.Boxes[i], p.Texts[j], p.Boxes[j])) continue;
      if (!LeftAside(p, i, j).isEmpty()) continue;
      out << QString("%1 %2x%3: %4 meets %5")
                 .arg(p.Chart)
                 .arg(p.Size.width())
                 .arg(p.Size.height())
                 .arg(Describe(p.Texts[i], p.Boxes[i]), Describe(p.Texts[j], p.Boxes[j]));
    }
  }
  return out;
}

const char* MapName(MapPlace m) {
  return m == MapPlace::Hidden ? "map hidden" : m == MapPlace::Beside ? "map beside" : "map full";
}

// `chart` in this layout, painted in `flight`.
Painted PaintIn(QSize client, const QString& type, MapPlace map, Flight f, const QString& chart, const PanelLayout& L) {
  SimState s;
  s.AircraftType = type;
  s.CellFrameMargin = 2;
  s.CellFrameCornerCut = 30;
  SetCellLayout(s, L.CellSize);
  SetChartCentres(s, L.Of("Chart1").size(), L.Of("chart4").size());
  SetEngineCentre(s);
  s.MapVisible = map != MapPlace::Hidden;
  s.MapFullSize = map == MapPlace::Full;
  s.MapCentreX = L.Of("MAPChart").width() / 2;
  s.MapCentreY = L.Of("MAPChart").height() / 2;
  SetFlight(s, f);
  return Paint(chart, L.Of(chart.toStdString()).size(), s, L, client);
}

PanelLayout LayoutOf(QSize client, const QString& type, MapPlace map) {
  PanelLayoutInput in;
  in.Client = client;
  in.Type = type;
  in.Map = map;
  return LayOutPanel(in);
}

// Every chart shown in this layout, painted in each flight; faults are
// collected once per distinct picture.
void CheckClient(QSize client, const QString& type, MapPlace map, QSet<QString>& seen, QStringList& faults) {
  const PanelLayout L = LayoutOf(client, type, map);
  QStringList charts = {"Chart1", "Chart2", "Chart3", "chart4"};
  if (map != MapPlace::Hidden) charts << "MAPChart";
  for (Flight f : {Flight::Cruise, Flight::Approach, Flight::TakeOff}) {
    for (const QString& chart : charts) {
      const QSize size = L.Of(chart.toStdString()).size();
      const QString key = QString("%1|%2|%3|%4|%5x%6|%7|%8%9|%10")
                              .arg(type, MapName(map), chart)
                              .arg(L.CellSize)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(int(f))
                              .arg(client.width() > 1400)
                              .arg(client.height() >= 900)
                              .arg(L.Chart1Zoom);
      if (seen.contains(key)) continue;
      seen.insert(key);
      for (const QString& fault : Faults(PaintIn(client, type, map, f, chart, L)))
        faults << QString("%1x%2 %3, %4, %5: %6")
                      .arg(client.width())
                      .arg(client.height())
                      .arg(type, MapName(map), NameOf(f), fault);
    }
  }
}

QStringList Sweep(const QString& type) {
  QSet<QString> seen;
  QStringList faults;
  QVector<int> widths, heights;
  for (int w = 1180; w < 2560; w += 20) widths << w;
  widths << 2560;
  for (int h = 610; h < 1440; h += 20) heights << h;
  heights << 1440;
  for (MapPlace map : {MapPlace::Hidden, MapPlace::Beside, MapPlace::Full})
    for (int w : widths)
      for (int h : heights) CheckClient(QSize(w, h), type, map, seen, faults);
  return faults;
}

void ExpectNoFaults(const QString& type) {
  const QStringList faults = Sweep(type);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults, the first ones:\n"
                                << faults.mid(0, 30).join('\n').toStdString();
}

}  // namespace

TEST_F(PaintedTexts, RoundDialPanelEveryClientArea) { ExpectNoFaults("SEP"); }
TEST_F(PaintedTexts, PistonGlassPanelEveryClientArea) { ExpectNoFaults("SEP EFIS"); }
TEST_F(PaintedTexts, JetPanelEveryClientArea) { ExpectNoFaults("737"); }
