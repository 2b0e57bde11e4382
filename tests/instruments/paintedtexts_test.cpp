// The texts the instrument charts paint, measured by their ink in the fonts
// they are painted in, over every client area the panel is laid out for:
// each fixed text lies inside its chart, no two texts meet, and no line,
// outline or ring of the same chart crosses a text's ink where it is seen,
// nor a filled shape painted later covers part of it. The texts that move
// with the flight keep rules of their own.
#include <gtest/gtest.h>

#include <QMap>
#include <QSet>
#include <QStringList>
#include <algorithm>

#include "instruments/applicationfonts.h"
#include "instruments/layout.h"
#include "instruments/paintedtexts.h"
#include "simulator/panellayout.h"

using namespace tvx;
using namespace tvx::test::painted;

namespace {

// The fonts are the application's, as the panel paints them.
class PaintedTexts : public test::WithApplicationFonts {};

// ---------------------------------------------------------------------------
// The flights.

enum class Flight {
  Cruise,
  Approach,
  TakeOff,
  // In flight, at the edges of the tapes and scales: the heights where the
  // altitude tape's figures gain a digit or are widest, the vertical speeds
  // beyond the scale and where a read-out changes its side or width, the
  // pitches the ladder reaches, a steep turn, and the speeds at both ends of
  // the speed tapes.
  Ground,
  DescentThrough10000,
  ClimbThrough10000,
  TurnAtFL350,
  DescentFromFL410,
  ClimbToFL410,
};

constexpr Flight kFlights[] = {Flight::Cruise,          Flight::Approach,          Flight::TakeOff,
                               Flight::Ground,          Flight::DescentThrough10000, Flight::ClimbThrough10000,
                               Flight::TurnAtFL350,     Flight::DescentFromFL410,  Flight::ClimbToFL410};

// Whether a flight shows only what the attitude, speed and height charts
// paint differently from the others: the heading and the map stay the same.
bool OnlyTheFlightInstruments(Flight f) { return int(f) >= int(Flight::Ground); }

const char* NameOf(Flight f) {
  switch (f) {
    case Flight::Cruise: return "cruise on the autopilot, banked, every station received";
    case Flight::Approach: return "ILS approach, wings level, glideslope off, engine 2 on fire, paused";
    case Flight::TakeOff: return "take-off climb, wings level, thrust lever moved, terrain warning";
    case Flight::Ground: return "standing on the ground at 0 ft, below the speed tape's lowest speed";
    case Flight::DescentThrough10000: return "descending through 9,995 ft at 1,300 ft/min, pitch -6.5";
    case Flight::ClimbThrough10000: return "climbing through 10,005 ft at 2,000 ft/min, pitch +15";
    case Flight::TurnAtFL350: return "45-degree turn through 35,000 ft at 560 ft/min down, at the tape's highest speed";
    case Flight::DescentFromFL410: return "descending from 41,000 ft at 6,000 ft/min, pitch -15, fastest";
    case Flight::ClimbToFL410: return "climbing to 41,000 ft at 6,000 ft/min, pitch +20, slowest";
  }
  return "";
}

// A flight state that shows the chart's texts: the widest three-letter
// idents, the autopilot's selections, the jet's flap marks near the shown
// speed; with the wings level in all but two of them, so that the ladder's
// figures stand upright.
void SetFlight(SimState& s, Flight f) {
  const bool jet = s.AircraftType == "737";
  const bool roundDials = s.AircraftType == "SEP";
  // Beyond both ends of the speed tape or the dial.
  const double slowest = 0, fastest = jet ? 520 : roundDials ? 200 : 190;
  s.Heading = 47;
  s.TrackAngle = 52;
  s.DriftAngle = 5;
  s.BankAngle = 10;
  s.PitchAttitude = 4;
  s.WindDirection = 270;
  s.WindSpeed = 25;
  s.TrueAirspeed = jet ? 420 : 125;
  s.GroundSpeed = jet ? 398 : 101;
  s.Vor1Ident = "MWM";
  s.Vor2Ident = "WWW";
  s.AdfIdent = "WMW";
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
  // A holding at VOR 1, east of it, whose course labels stand upright.
  s.HoldingX = s.HoldingY = 0;
  s.HoldingRadial = 270, s.HoldingInboundCourse = 90;
  s.HoldingSide = "R";
  s.HoldingSpeed = jet ? 210 : 100;
  s.SpeedBug = 150;
  // The in-flight states, each from the level cruise.
  const auto fly = [&](double altitude, double verticalSpeed, double pitch, double bank, double speed) {
    s.Altitude = altitude;
    s.VerticalSpeed = verticalSpeed;
    s.PitchAttitude = pitch;
    s.BankAngle = bank;
    s.Airspeed = speed;
  };
  const double cruise = jet ? 280 : 115;
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
      s.BankAngle = 0;
      s.PitchAttitude = -3;
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
      s.BankAngle = 0;
      s.PitchAttitude = 8;
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
    case Flight::Ground: fly(0, 0, 0, 0, slowest); break;
    case Flight::DescentThrough10000: fly(9995, -1300, -6.5, 0, cruise); break;
    case Flight::ClimbThrough10000: fly(10005, 2000, 15, 0, cruise); break;
    case Flight::TurnAtFL350: fly(35000, -560, 0, 45, fastest); break;
    case Flight::DescentFromFL410: fly(41000, -6000, -15, 0, fastest); break;
    case Flight::ClimbToFL410: fly(41000, 6000, 20, 0, slowest); break;
  }
  s.DisplayedAirspeed = s.PreviousTapeAirspeed = s.Airspeed;
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
  Painted p = Record(chart, L.Of(chart.toStdString()).size(), s, L, client);
  FindTexts(p);
  return p;
}

PanelLayout LayoutOf(QSize client, const QString& type, MapPlace map) {
  PanelLayoutInput in;
  in.Client = client;
  in.Type = type;
  in.Map = map;
  return LayOutPanel(in);
}

// The client area of a 1920 x 1080 screen less a desktop's bars, where the
// panel has its designed looks.
constexpr QSize kReference(1920, 1041);

struct Found {
  QString kind;
  QString line;
  QStringList where;  // client areas and states
};

// The pairs the design's table left aside, each with its chart, texts and
// flight: those at the reference size, and where each other was first.
struct Excuses {
  QSet<QString> AtReference;
  QMap<QString, QString> Elsewhere;
};

// Every chart shown in this layout, painted in each flight; faults are
// collected once per distinct picture.
void CheckClient(QSize client, const QString& type, MapPlace map, QSet<QString>& seen, QMap<QString, Found>& faults,
                 Excuses& excuses) {
  const PanelLayout L = LayoutOf(client, type, map);
  QStringList charts = {"Chart1", "Chart2", "Chart3", "chart4"};
  if (map != MapPlace::Hidden) charts << "MAPChart";
  for (Flight f : kFlights) {
    for (const QString& chart : charts) {
      if (OnlyTheFlightInstruments(f) && (chart == "chart4" || chart == "MAPChart")) continue;
      const QSize size = L.Of(chart.toStdString()).size();
      const QString key = QString("%1|%2|%3|%4|%5x%6|%7|%8%9|%10")
                              // The charts beside the map paint alike
                              // whether it is beside them or full size.
                              .arg(type, map == MapPlace::Hidden ? "map hidden" : "map shown", chart)
                              .arg(L.CellSize)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(int(f))
                              .arg(client.width() > kWideClientWidth)
                              .arg(client.height() >= kLowClientHeight)
                              .arg(L.Chart1Zoom);
      if (seen.contains(key)) continue;
      seen.insert(key);
      const QString where =
          QString("%1x%2 %3, %4").arg(client.width()).arg(client.height()).arg(MapName(map), NameOf(f));
      QVector<Excused> excused;
      for (const Fault& fault : Faults(PaintIn(client, type, map, f, chart, L), &excused)) {
        Found& found = faults[fault.kind];
        if (found.line.isEmpty()) found = {fault.kind, fault.line, {}};
        found.where << where;
      }
      for (const Excused& e : excused) {
        const QString pair = QString("%1|%2|%3|%4").arg(e.Why, chart, e.Texts).arg(int(f));
        if (client == kReference) excuses.AtReference.insert(pair);
        else if (!excuses.Elsewhere.contains(pair)) excuses.Elsewhere[pair] = where;
      }
    }
  }
}

// The client areas: a grid over the range, its edges, and the sizes users
// meet (a 1920 x 1080, a 1366 x 768 and a 1280 x 720 screen less a desktop's
// bars).
QVector<QSize> ClientAreas() {
  QVector<int> widths, heights;
  for (int w = 1180; w < 2560; w += 20) widths << w;
  widths << 2560;
  for (int h = 610; h < 1440; h += 20) heights << h;
  heights << 1440;
  // The reference first, so that a fault found there is named there.
  QVector<QSize> out = {kReference, QSize(1920, 1042), QSize(1366, 698), QSize(1280, 650), QSize(1600, 900)};
  for (int w : widths)
    for (int h : heights) out << QSize(w, h);
  return out;
}

QStringList Sweep(const QString& type) {
  QSet<QString> seen;
  QMap<QString, Found> faults;
  Excuses excuses;
  const QVector<QSize> clients = ClientAreas();
  for (MapPlace map : {MapPlace::Hidden, MapPlace::Beside, MapPlace::Full})
    for (QSize client : clients) CheckClient(client, type, map, seen, faults, excuses);
  QStringList out;
  const QString reference = QString("%1x%2 ").arg(kReference.width()).arg(kReference.height());
  // A pair is the design's only where the panel has its designed looks: a
  // row that leaves aside no pair there names no design, and a pair left
  // aside elsewhere must meet there too, in the same flight.
  for (const QString& why : DesignedReasons(type)) {
    const bool met = std::any_of(excuses.AtReference.cbegin(), excuses.AtReference.cend(),
                                 [&](const QString& pair) { return pair.section('|', 0, 0) == why; });
    if (!met) out << QString("the designed pair \"%1\" meets nothing at %2").arg(why, reference.trimmed());
  }
  for (auto it = excuses.Elsewhere.cbegin(); it != excuses.Elsewhere.cend(); ++it)
    if (!excuses.AtReference.contains(it.key()))
      out << QString("%1, %2 \"%3\" left aside as designed, but not met at %4 in the same flight")
                 .arg(it.value(), it.key().section('|', 1, 1), it.key().section('|', 2, -2), reference.trimmed());
  for (const Found& f : faults) {
    QString line = QString("%1, %2").arg(f.where.first(), f.line);
    if (f.where.first().startsWith(reference)) line += "\n    (at the reference size too)";
    if (qEnvironmentVariableIsSet("PAINTED_TEXTS_ALL")) {
      // Every client area where it occurs.
      QStringList sizes;
      for (const QString& w : f.where)
        if (!sizes.contains(w.section(' ', 0, 0))) sizes << w.section(' ', 0, 0);
      line += QString("\n    at %1 client areas: %2").arg(sizes.size()).arg(sizes.join(' '));
    } else if (f.where.size() > 1) {
      line += QString("\n    and %1 more: %2%3")
                  .arg(f.where.size() - 1)
                  .arg(f.where.mid(1, 6).join("; "))
                  .arg(f.where.size() > 7 ? "; ..." : "");
    }
    out << line;
  }
  return out;
}

void ExpectNoFaults(const QString& type) {
  const QStringList faults = Sweep(type);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " distinct faults:\n"
                                << faults.mid(0, qEnvironmentVariableIsSet("PAINTED_TEXTS_ALL") ? 100000 : 40)
                                       .join('\n')
                                       .toStdString();
}

}  // namespace

TEST_F(PaintedTexts, RoundDialPanelEveryClientArea) { ExpectNoFaults("SEP"); }
TEST_F(PaintedTexts, PistonGlassPanelEveryClientArea) { ExpectNoFaults("SEP EFIS"); }
TEST_F(PaintedTexts, JetPanelEveryClientArea) { ExpectNoFaults("737"); }
