// The moving map and the vertical profile on the simulator window: the
// switches the keys call, the repaint requests, and pictures of both charts.
#include <QFontMetrics>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "areas/areamodel.h"
#include "areas/holding.h"
#include "instruments/mapdraw.h"
#include "instruments/textink.h"
#include "instruments/mapprofile.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/defaultarea.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

// Whether a pixel of `color` lies within `radius` pixels of (x, y).
bool ColourNear(const QImage& image, int x, int y, QRgb color, int radius = 1) {
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx) {
      const QPoint p(x + dx, y + dy);
      if (image.rect().contains(p) && (image.pixel(p) & 0xFFFFFF) == (color & 0xFFFFFF)) return true;
    }
  return false;
}

int CountColour(const QImage& image, QRgb color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
  return n;
}

constexpr QRgb kYellow = 0xFFFF00, kLime = 0x00FF00, kRed = 0xFF0000, kMagenta = 0xFF00FF, kWhite = 0xFFFFFF,
               kBlue = 0x0000FF;

// An ILS approach to the runway of ILA (course 270) flown at 120 kt, one
// point a second: level at 3000 ft from 15 NM, then down the 3-degree path,
// drifting onto the centre line.
void FlyApproach(SimState& s, double runwayX, double runwayY) {
  ClearTrackHistory(s);
  const double perSecond = 120.0 / 3600.0;
  const double feetPerNm = 6076.0 * std::tan(3.0 * M_PI / 180.0);
  for (double d = 15.0; d > 0.2; d -= perSecond) {
    const double path = 120.0 + d * feetPerNm;
    const double altitude = std::min(3000.0, path + 10.0 * std::sin(d * 2.0));
    const double offset = 0.6 * std::exp(-(15.0 - d) / 3.0);
    AddTrackPoint(s, runwayX + d, runwayY - offset, altitude);
  }
}

// The metrics of a recorded text's font as it is painted, at 96 pixels to
// the inch.
QFontMetrics MetricsOf(const FontState& f) { return QFontMetrics(PaintedFont(f)); }

// Where a recorded text's glyphs stand, its top-left corner at its anchor.
QRect InkOf(const RecordingCanvas::Primitive& t) { return test::PaintedInk(t.font, t.text).translated(t.points[0]); }

// What a solid brush fills behind a recorded text: its advance by the
// font's line; empty without one.
QRect BoxOf(const RecordingCanvas::Primitive& t) {
  if (t.brush.style != BrushStyle::Solid) return {};
  const QFontMetrics fm = MetricsOf(t.font);
  return QRect(t.points[0], QSize(fm.horizontalAdvance(t.text), fm.height()));
}

// Whether a recorded full circle, drawn one pixel wide, puts a pixel on `ink`:
// its radius lies between the nearest and the farthest reach of the ink's
// pixels from its centre, a pixel either way.
bool RingCrosses(const RecordingCanvas::Primitive& ring, const QRect& ink) {
  const QPointF centre = QPointF(ring.points[0] + ring.points[1]) / 2.0;
  const double r = (ring.points[1].x() - ring.points[0].x()) / 2.0;
  const QRectF area(ink.left(), ink.top(), ink.width(), ink.height());
  const double nx = std::clamp(centre.x(), area.left(), area.right()) - centre.x();
  const double ny = std::clamp(centre.y(), area.top(), area.bottom()) - centre.y();
  const double fx = std::max(std::abs(area.left() - centre.x()), std::abs(area.right() - centre.x()));
  const double fy = std::max(std::abs(area.top() - centre.y()), std::abs(area.bottom() - centre.y()));
  return std::hypot(nx, ny) <= r + 1 && std::hypot(fx, fy) >= r - 1;
}

}  // namespace

class tst_Map : public QObject {
  Q_OBJECT
 private:
  int U = 0;
  // Neither state where the profile and the full-size map stand together.
  static void CheckNeverTogether(const TForm1& form) { QVERIFY(!(form.ProfileShown() && Sim.MapFullSize)); }

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }

  void init() {
    ResetSimState();
    ResetHoldingWindowState();
  }

  // 'W': the map goes, the "SEP" HSI takes the middle column again.
  void mapKeyHidesTheMapAndMovesTheSepHsi() {
    TForm1 form;
    U = Sim.CellSize;
    Sim.AircraftType = "SEP";
    QVERIFY(Sim.MapVisible);
    form.mapschakelaar();
    QVERIFY(!Sim.MapVisible);
    QVERIFY(form.ui.MAPChart->isHidden());
    QVERIFY(!form.ui.SYSTEEMPanel->isHidden());
    QCOMPARE(form.ui.chart4->pos(), QPoint(2 * U, 2 * U));
    QCOMPARE(form.ui.SYSTEEMPanel->pos(), QPoint(0, 4 * U));
    QVERIFY(!MapNeedsRepaint(Sim));
    form.mapschakelaar();
    QVERIFY(Sim.MapVisible);
    QVERIFY(!form.ui.MAPChart->isHidden());
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(0, 2 * U, 4 * U, 4 * U));
    QCOMPARE(form.ui.chart4->pos(), QPoint(4 * U, 2 * U));
    QCOMPARE(form.ui.SYSTEEMPanel->pos(), QPoint(2 * U, 4 * U));
  }

  void glassTypesKeepTheirInstrumentsAndUseMapLeft() {
    TForm1 form;
    U = Sim.CellSize;
    form.SetTypegroupIndex(2);
    QCOMPARE(form.ui.chart4->pos(), QPoint(U, 3 * U));
    QVERIFY(Sim.MapLeft > 4 * U);
    form.mapschakelaar();
    QCOMPARE(form.ui.chart4->pos(), QPoint(U, 3 * U));
    form.mapschakelaar();
    QCOMPARE(form.ui.chart4->pos(), QPoint(U, 3 * U));
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(Sim.MapLeft, 2 * U, 4 * U, 4 * U));
    QCOMPARE(Sim.MapCentreX, 2 * U);
  }

  // 'D' from the hidden map: full size, repainted by the tick, and back to hidden.
  void fullSizeFromHiddenAndBack() {
    TForm1 form;
    U = Sim.CellSize;
    form.mapschakelaar();
    QVERIFY(!Sim.MapVisible);
    form.fullmapschakelaar();
    QVERIFY(Sim.MapFullSize);
    QVERIFY(!form.ui.MAPChart->isHidden());
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(0, 0, 8 * U, 6 * U));
    QCOMPARE(Sim.MapCentreX, 4 * U);
    QCOMPARE(Sim.MapCentreY, 3 * U);
    QVERIFY(MapNeedsRepaint(Sim));
    form.fullmapschakelaar();
    QVERIFY(!Sim.MapFullSize);
    QVERIFY(!Sim.MapVisible);
    QVERIFY(form.ui.MAPChart->isHidden());
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(0, 2 * U, 4 * U, 4 * U));
    QCOMPARE(Sim.MapCentreX, 2 * U);
    QVERIFY(!MapNeedsRepaint(Sim));
  }

  void fullSizeFromShownReturnsToShown() {
    TForm1 form;
    U = Sim.CellSize;
    form.fullmapschakelaar();
    form.fullmapschakelaar();
    QVERIFY(Sim.MapVisible);
    QVERIFY(!form.ui.MAPChart->isHidden());
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(0, 2 * U, 4 * U, 4 * U));
    // 'W' at full size: normal size first, then the toggle hides it.
    form.fullmapschakelaar();
    form.mapschakelaar();
    QVERIFY(!Sim.MapFullSize);
    QVERIFY(!Sim.MapVisible);
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(0, 2 * U, 4 * U, 4 * U));
  }

  // 'A' at full size leaves full size first; 'D' with the profile shown hides it first.
  void profileAndFullSizeNeverStandTogether() {
    TForm1 form;
    U = Sim.CellSize;
    form.fullmapschakelaar();
    form.vertmapschakelaar();
    CheckNeverTogether(form);
    QVERIFY(form.ProfileShown());
    QVERIFY(!Sim.MapFullSize);
    QCOMPARE(form.ui.MAPChart->geometry(), QRect(0, 2 * U, 4 * U, 4 * U));
    QVERIFY(!form.ui.MAPChart->isHidden());
    form.fullmapschakelaar();
    CheckNeverTogether(form);
    QVERIFY(!form.ProfileShown());
    QVERIFY(Sim.MapFullSize);
    form.vertmapschakelaar();
    form.mapschakelaar();  // 'W' with the profile shown hides the profile too
    CheckNeverTogether(form);
    QVERIFY(!form.ProfileShown());
    QVERIFY(!Sim.MapVisible);
    form.vertmapschakelaar();
    form.vertmapschakelaar();
    QVERIFY(!form.ProfileShown());
  }

  // Repaints are asked for, never drawn on the spot; full size from the
  // hidden map is repainted like the normal map.
  void repaintRequestsPaintLater() {
    TForm1 form;
    form.resize(1600, 900);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    int mapPaints = 0, profilePaints = 0;
    auto mapDraw = form.ui.MAPChart->AfterDraw;
    auto profileDraw = form.ui.vertmap->AfterDraw;
    form.ui.MAPChart->AfterDraw = [&](Canvas& c) { ++mapPaints, mapDraw(c); };
    form.ui.vertmap->AfterDraw = [&](Canvas& c) { ++profilePaints, profileDraw(c); };
    QCoreApplication::processEvents();
    mapPaints = 0;
    form.RequestMapRepaint();
    QCOMPARE(mapPaints, 0);
    QTRY_VERIFY(mapPaints > 0);

    form.mapschakelaar();  // hidden
    form.fullmapschakelaar();
    QCoreApplication::processEvents();
    mapPaints = 0;
    form.RequestMapRepaint();
    QTRY_VERIFY(mapPaints > 0);
    form.fullmapschakelaar();

    form.vertmapschakelaar();
    QCoreApplication::processEvents();
    profilePaints = 0;
    form.RequestMapRepaint();
    QCOMPARE(profilePaints, 0);
    QTRY_VERIFY(profilePaints > 0);
  }

  void mapPictureWithHolding() {
    TForm1 form;
    U = Sim.CellSize;
    SimState& s = Sim;
    HoldingWindow.Mapkeuze = kDrawHolding;
    s.HoldingX = 0, s.HoldingY = 0, s.HoldingRadial = 180, s.HoldingSide = "RIGHT", s.HoldingSpeed = 115;
    s.MapPixelsPerNm = 40;
    s.AircraftX = 0, s.AircraftY = -2, s.Heading = 360;
    s.TrackAngle = 5.4, s.DriftAngle = 3, s.TrueAirspeed = 118, s.GroundSpeed = 104;
    s.WindDirection = 240, s.WindSpeed = 20;
    s.Vor1Received = true, s.Vor1Distance = 2.0;
    // A track from the south-east round to the aircraft.
    ClearTrackHistory(s);
    for (int i = 0; i <= 300; ++i) {
      const double t = i / 300.0;
      AddTrackPoint(s, 6 * (1 - t) * (1 - t) + 6 * 2 * t * (1 - t), 3 * (1 - t) * (1 - t) - 4 * 2 * t * (1 - t) - 2 * t * t, 3000);
    }
    const QImage image = form.ui.MAPChart->Render();
    test::SavePng(image, "map-holding");
    QCOMPARE(image.size(), QSize(4 * U, 4 * U));
    const int c = 2 * U;  // the aircraft, at the centre; the fix lies 2 NM (80 px) south
    QVERIFY(ColourNear(image, c, c + 120, kYellow));       // inbound leg
    QVERIFY(ColourNear(image, c + 44, c + 120, kYellow));  // outbound leg
    QVERIFY(ColourNear(image, c + 22, c + 157 + 22, kYellow, 2));  // far turn, south of A-B
    QVERIFY(ColourNear(image, c + 22, c + 80 - 22, kYellow, 2));   // fix turn, north of F-P
    QVERIFY(!ColourNear(image, c + 22, c + 157 - 22, kYellow, 2));  // not inside the pattern
    QVERIFY(ColourNear(image, c, c + 20, kLime));           // tail of the aircraft
    QVERIFY(ColourNear(image, c, c - 80, kRed));            // 2 NM ring
    QVERIFY(ColourNear(image, 2, c, kWhite, 0));            // frame
    QVERIFY(CountColour(image, kMagenta) > 200);            // the track
    QCOMPARE(QColor(image.pixel(c + 100, c - 100)), QColor(Qt::black));  // background

    HoldingWindow.Mapkeuze = kNoHolding;
    // The second paint: fonts carry over from one paint to the next.
    form.ui.MAPChart->Render();
    const QImage without = form.ui.MAPChart->Render();
    QVERIFY(!ColourNear(without, c, c + 120, kYellow));
  }

  // Beacons and a holding a world away draw nothing, and a track towards
  // such a point runs to the chart's edge in its direction; no pixel
  // arithmetic overflows on the way (the sanitizers watch it).
  void farOffPointsDrawNothingWrong() {
    TForm1 form;
    U = Sim.CellSize;
    SimState& s = Sim;
    s.MapPixelsPerNm = 20;
    s.AircraftX = 0, s.AircraftY = 0, s.Heading = 360;
    ClearTrackHistory(s);
    AreaBeacon& vor = Areas.VorList[1];
    AreaBeacon& ndb = Areas.NdbList[2];
    const QString vorName = vor.Name, ndbName = ndb.Name;
    QVERIFY(!vorName.isEmpty() && !ndbName.isEmpty());
    vor.Name.clear();
    ndb.Name.clear();
    HoldingWindow.Mapkeuze = kNoHolding;
    // The second paint: fonts carry over from one paint to the next.
    form.ui.MAPChart->Render();
    const QImage without = form.ui.MAPChart->Render();

    vor.Name = vorName, vor.X = 1e12;
    ndb.Name = ndbName, ndb.Y = -1e15;
    HoldingWindow.Mapkeuze = kDrawHolding;
    s.HoldingX = -4e13, s.HoldingY = 0, s.HoldingRadial = 180, s.HoldingSide = "RIGHT", s.HoldingSpeed = 115;
    const QImage far = form.ui.MAPChart->Render();
    QVERIFY(far == without);

    AddTrackPoint(s, 0, 0, 3000);
    AddTrackPoint(s, 1e12, 0, 3000);  // far due east
    const QImage track = form.ui.MAPChart->Render();
    test::SavePng(track, "map-far-off-track");
    const int c = 2 * U;
    for (int x : {c + 30, c + 55, c + U, 4 * U - 4}) QVERIFY2(ColourNear(track, x, c, kMagenta, 0), qPrintable(QString::number(x)));
    QVERIFY(!ColourNear(track, c + 55, c - 4, kMagenta, 2));
    QVERIFY(!ColourNear(track, c - 55, c, kMagenta, 2));
  }

  // The texts in the map's corners (key hints and area name, the holding
  // keys, the wind and the read-outs) over every map the range of client
  // areas gives, beside the panel and full size, at every zoom. A ring
  // painted after a text must miss its glyphs; a ring painted before it may
  // pass under it only where the text has a box of its own. No text's
  // glyphs meet another's, nor lie under the box of a text written later.
  void cornerTextsStandClearOfRingsAndEachOther() {
    const AreaState area = test::ProjectedDefaultArea();
    const QStringList corner = {"Press ", "= Area1 =", "[ G - H ]", "240 / 20", "D ", "TAS:", "GS:", "Tck:", "Dft:"};
    struct Corner {
      qsizetype at;
      QRect ink, box;
    };
    QStringList faults;
    // Cells of 101 px (a 1180 x 610 client area) to 239 px (2560 x 1440).
    for (int cell = 101; cell <= 239; ++cell)
      for (const QSize map : {QSize(4 * cell, 4 * cell), QSize(8 * cell, 6 * cell)})
        for (int scale : {5, 10, 20, 40, 80}) {
          SimState s;
          ClearTrackHistory(s);
          s.CellSize = cell;
          s.CellFrameMargin = 2;
          s.MapCentreX = map.width() / 2, s.MapCentreY = map.height() / 2;
          s.MapPixelsPerNm = scale;
          s.Heading = 47, s.TrackAngle = 52, s.DriftAngle = 5, s.TrueAirspeed = 125, s.GroundSpeed = 101;
          s.WindDirection = 240, s.WindSpeed = 20;
          s.Vor1Received = true, s.Vor1Distance = 12.4;
          RecordingCanvas c;
          DrawMap(c, map.width(), map.height(), s, area, false);
          const QString where = QString("%1x%2 at %3 px/NM: ").arg(map.width()).arg(map.height()).arg(scale);
          const auto name = [&](const Corner& t) {
            const auto& p = c.log[t.at];
            return QString("\"%1\" at %2,%3").arg(p.text).arg(p.points[0].x()).arg(p.points[0].y());
          };
          QStringList found;
          QVector<Corner> texts;
          for (qsizetype k = 0; k < c.log.size(); ++k) {
            const auto& t = c.log[k];
            if (t.op != RecordingCanvas::Op::Text) continue;
            const auto start =
                std::find_if(corner.begin(), corner.end(), [&](const QString& p) { return t.text.startsWith(p); });
            if (start == corner.end()) continue;
            found << *start;
            // The area's name stands on the key hints' line where the map is wide enough.
            if (t.text.contains("= Area1 =")) found << "= Area1 =";
            texts.append({k, InkOf(t), BoxOf(t)});
          }
          found.removeDuplicates();
          QCOMPARE(found.size(), corner.size());
          for (qsizetype i = 0; i < texts.size(); ++i) {
            const Corner& t = texts[i];
            for (qsizetype j = 0; j < c.log.size(); ++j) {
              const auto& ring = c.log[j];
              if (ring.op != RecordingCanvas::Op::Arc || ring.pen.color != clr::Red) continue;
              if (!RingCrosses(ring, t.ink)) continue;
              if (j > t.at || t.box.isEmpty())
                faults << where + name(t) + QString(" %1 by the %2 px ring")
                                               .arg(j > t.at ? "crossed" : "crossed, with no box,")
                                               .arg((ring.points[1].x() - ring.points[0].x()) / 2);
            }
            for (qsizetype k = i + 1; k < texts.size(); ++k)
              if (texts[k].ink.intersects(t.ink) || texts[k].box.intersects(t.ink))
                faults << where + name(t) + " meets " + name(texts[k]);
          }
        }
    QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 faults:\n").arg(faults.size()) + faults.mid(0, 20).join('\n')));
  }

  // The profile after a flown approach; painting it leaves the flight alone.
  void profilePictureAfterApproach() {
    TForm1 form;
    U = Sim.CellSize;
    SimState& s = Sim;
    const AreaBeacon& ila = Areas.IlsList[0];
    FlyApproach(s, ila.X, ila.Y);
    s.IlsTuned = false;
    s.Vor1StationX = 0, s.Vor1StationY = 0;  // VOR 1 tuned to AAA
    s.AirportElevation = 333;
    form.vertmapschakelaar();
    QVERIFY(form.ProfileShown());
    const QImage image = form.ui.vertmap->Render();
    test::SavePng(image, "profile-approach");
    QCOMPARE(s.Vor1StationX, 0.0);
    QCOMPARE(s.Vor1StationY, 0.0);
    QCOMPARE(s.AirportElevation, 333);

    const ProfileScale p = ProfileScaleOf(U, 1);
    const QPoint onPath = ProfilePoint(p, 6, 120 + 6 * 318.43, 120);
    QVERIFY(ColourNear(image, onPath.x(), onPath.y(), kMagenta, 3));
    const QPoint level = ProfilePoint(p, 12, 3000, 120);
    QVERIFY(ColourNear(image, level.x(), level.y(), kMagenta, 2));
    const QPoint newest = ProfilePoint(p, 0.2, 120 + 0.2 * 318.43, 120);
    QVERIFY(ColourNear(image, newest.x() + 5, newest.y(), kLime, 2));
    QVERIFY(ColourNear(image, p.X0 + 4 * p.H, p.Yg - 200, kBlue, 1));  // locator LCA at 4 NM
    QVERIFY(ColourNear(image, p.X0, p.Yg + 5, kWhite, 0));              // runway
    // The title is white letters on the black chart, not a white box.
    const QImage title = image.copy(10, 10, 200, 10);
    const int whites = CountColour(title, kWhite);
    QVERIFY(whites > 50);
    QVERIFY(whites < 1000);
  }

  void profileWithoutSlotOneDrawsOnlyTheScales() {
    TForm1 form;
    SimState& s = Sim;
    FlyApproach(s, 1.5, 0);
    s.IlsTuned = false;
    Areas.IlsList[0] = AreaBeacon{};
    form.vertmapschakelaar();
    const QImage image = form.ui.vertmap->Render();
    test::SavePng(image, "profile-no-ils");
    QCOMPARE(CountColour(image, kMagenta), 0);
    QCOMPARE(CountColour(image, kBlue), 0);
    QVERIFY(CountColour(image, kRed) > 100);  // ground line and distance marks
    QVERIFY(ColourNear(image, 2, 300, kWhite, 0));
  }
};

QTEST_MAIN(tst_Map)
#include "tst_map.moc"
