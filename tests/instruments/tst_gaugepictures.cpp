// The gauges painted for real: pixel probes that prove the direction of each
// arc and band, and pictures of every gauge for a person to look at.
#include <QPainter>
#include <QtTest>
#include <functional>

#include "areas/instroptions.h"
#include "instruments/attitude.h"
#include "instruments/gauges.h"
#include "instruments/gaugetestsupport.h"
#include "instruments/hsi.h"
#include "platform/textutil.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

// Paints `draw` on a canvas of `w` x `h` with the panel's grey background.
QImage Paint(int w, int h, const std::function<void(Canvas&)>& draw) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(0x80, 0x80, 0x80));
  QPainter painter(&image);
  PainterCanvas canvas(&painter);
  draw(canvas);
  return image;
}

QColor ColorOf(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QColor At(const QImage& image, QPoint p) { return QColor(image.pixel(p)); }

}  // namespace

class tst_GaugePictures : public QObject {
  Q_OBJECT
 private slots:
  void airspeedArcRunsThroughNinetyKnots() {
    SimState s = test::LaidOut("SEP");
    s.Airspeed = 118;
    s.BankAngle = -12;
    const QImage image = Paint(2 * 149, 4 * 149, [&](Canvas& c) {
      DrawAirspeedDial(c, s);
      DrawAirspeedNeedle(c, s);
      DrawTurnCoordinatorDial(c, s);
      DrawTurnCoordinatorAircraft(c, s);
    });
    test::SavePng(image, "gauge-airspeed-turn");
    const int R = s.InstrumentRadius;
    // Outer ring: lime at 90 kt, nothing coloured at 40 kt (below the white arc).
    QCOMPARE(At(image, test::Expected(149, 149, R - 2, AirspeedDialAngle(90))), ColorOf(clr::Lime));
    QVERIFY(At(image, test::Expected(149, 149, R - 2, AirspeedDialAngle(40))) != ColorOf(clr::Lime));
    QVERIFY(At(image, test::Expected(149, 149, R - 2, AirspeedDialAngle(20))) != ColorOf(clr::Lime));
    // White below 50 kt outside, yellow above 126 kt, the inner ring white in the flap range.
    QCOMPARE(At(image, test::Expected(149, 149, R - 2, AirspeedDialAngle(47))), ColorOf(clr::White));
    QCOMPARE(At(image, test::Expected(149, 149, R - 2, AirspeedDialAngle(140))), ColorOf(clr::Yellow));
    QCOMPARE(At(image, test::Expected(149, 149, R - 5, AirspeedDialAngle(80))), ColorOf(clr::White));
    QCOMPARE(At(image, test::Expected(149, 149, R - 5, AirspeedDialAngle(115))), ColorOf(clr::Lime));
    // The needle at 118 kt.
    QCOMPARE(At(image, test::Expected(149, 149, 60, AirspeedDialAngle(118))), ColorOf(clr::White));
  }

  void altimeterAndVsi() {
    SimState s = test::LaidOut("SEP");
    s.Altitude = 2350;
    s.VerticalSpeed = -500;
    const QImage image = Paint(2 * 149, 4 * 149, [&](Canvas& c) {
      DrawAltimeterDial(c, s);
      DrawVSIDial(c, s);
      DrawAltimeterHands(c, s);
      DrawVSINeedle(c, s);
    });
    test::SavePng(image, "gauge-altimeter-vsi");
    // The long hand at 126 degrees, the VSI needle at 227.5 degrees (a descent).
    QCOMPARE(At(image, test::Expected(149, 149, 80, 126)), ColorOf(clr::White));
    QCOMPARE(At(image, test::Expected(149, 447, 80, 227.5)), ColorOf(clr::White));
    QCOMPARE(At(image, test::Expected(149, 447, 80, 312.5)), ColorOf(clr::Black));
  }

  void speedTapes() {
    GaugeInputs in;
    in.FlapLabels = {"UP", "1", "5", "15"};
    const int U = 149;

    SimState p = test::LaidOut("SEP EFIS");
    p.Airspeed = p.DisplayedAirspeed = 120;
    p.TrueAirspeed = 106;
    p.GroundSpeed = 88;
    p.WindDirection = 240;
    p.WindSpeed = 20;
    p.Heading = 270;
    const QImage piston = Paint(U, 6 * U, [&](Canvas& c) { DrawEFISSpeedTape(c, p, in); });
    test::SavePng(piston, "gauge-speedtape-sep-efis");
    // Faster is higher: green from 50 to 126 kt, yellow above, white flap band inside.
    QCOMPARE(At(piston, {U - 10, SpeedTapeY(p, 92)}), ColorOf(clr::Lime));
    QCOMPARE(At(piston, {U - 3, SpeedTapeY(p, 92)}), ColorOf(clr::White));
    QCOMPARE(At(piston, {U - 10, SpeedTapeY(p, 142)}), ColorOf(clr::Yellow));

    SimState j = test::LaidOut("737");
    j.Airspeed = j.DisplayedAirspeed = 225;
    j.Altitude = 36000;
    j.DensityRatio = 0.31;
    j.MachNumber = 0.652;
    j.TrueAirspeed = 391;
    j.GroundSpeed = 402;
    j.SpeedBug = 210;
    j.SpeedBugPhase = "APCH";
    j.AutopilotEngaged = true;
    j.SelectedSpeed = 230;
    j.Acceleration = 0.4;
    j.WindDirection = 90;
    j.WindSpeed = 35;
    j.Heading = 180;
    const QImage jet = Paint(U, 6 * U, [&](Canvas& c) { DrawEFISSpeedTape(c, j, in); });
    test::SavePng(jet, "gauge-speedtape-737");
    const double limit = JetSpeedLimit(j.Altitude, j.DensityRatio);
    QCOMPARE(At(jet, {U - 7, SpeedTapeY(j, limit + 6)}), ColorOf(clr::Red));
    QVERIFY(At(jet, {U - 7, SpeedTapeY(j, limit - 6)}) != ColorOf(clr::Red));
    QCOMPARE(At(jet, {U - 10, SpeedTapeY(j, 210) + 2}), ColorOf(clr::Fuchsia));
  }

  void altitudeTapes() {
    const int U = 149, yc = 223;
    SimState p = test::LaidOut("SEP EFIS");
    p.Altitude = 2470;
    p.VerticalSpeed = -480;
    const QImage piston = Paint(2 * U, 3 * U, [&](Canvas& c) {
      DrawEFISVerticalSpeed(c, p);
      DrawEFISAltitudeTape(c, p);
    });
    test::SavePng(piston, "gauge-altitudetape-sep-efis");
    // A descent: the trend bar runs down from the reference line, the pointer below it.
    QCOMPARE(At(piston, {4, yc + 10}), ColorOf(clr::Lime));
    QVERIFY(At(piston, {4, yc - 10}) != ColorOf(clr::Lime));
    QCOMPARE(At(piston, {111 + 15, yc + 34}), ColorOf(clr::Black));

    SimState j = test::LaidOut("737");
    j.Altitude = 530;
    j.Minimums = 320;
    j.VerticalSpeed = 1250;
    j.AutopilotEngaged = true;
    j.SelectedVerticalSpeed = 1500;
    const QImage jet = Paint(2 * U, 3 * U, [&](Canvas& c) {
      DrawEFISVerticalSpeed(c, j);
      DrawEFISAltitudeTape(c, j);
    });
    test::SavePng(jet, "gauge-altitudetape-737");
    // The minimums bug below the reference line (210 ft lower), lime.
    QCOMPARE(At(jet, {50, RoundPixel(yc + 3.0 * 210 * U / 830)}), ColorOf(clr::Lime));
    // The climb pointer above the reference line.
    QCOMPARE(At(jet, {111 + 30, yc - 88}), ColorOf(clr::White));
  }

  void rpmArcRunsThroughTwelveOClock() {
    SimState s = test::LaidOut("SEP");
    s.DisplayedRpm = 2300;
    s.JoystickLeverRpm = 2450;
    GaugeInputs in;
    in.Client = {1600, 900};
    const int U = 149, R = s.InstrumentRadius;
    in.Chart3Width = 4 * U;
    const QImage image = Paint(2 * U, 6 * U, [&](Canvas& c) {
      DrawRPMDial(c, s);
      DrawEngineInstruments(c, s, in);
    });
    test::SavePng(image, "gauge-rpm-sep");
    // Lime at 12 o'clock (about 1583 RPM) and at 2500 RPM; nothing lime at 6 o'clock or at 500 RPM.
    QCOMPARE(At(image, {U, 5 * U - (R - 2)}), ColorOf(clr::Lime));
    QCOMPARE(At(image, test::Expected(U, 5 * U, R - 2, RpmDialAngle(2500))), ColorOf(clr::Lime));
    QVERIFY(At(image, {U, 5 * U + (R - 2)}) != ColorOf(clr::Lime));
    QVERIFY(At(image, test::Expected(U, 5 * U, R - 2, RpmDialAngle(700))) != ColorOf(clr::Lime));
    // The needle at 2300 RPM.
    QCOMPARE(At(image, test::Expected(U, 5 * U, 70, RpmDialAngle(2300))), ColorOf(clr::White));
  }

  // The HSI's key hint reads black on the chart's grey, like the other key
  // hints, on the round dials and on the glass panels.
  void hsiKeyHintReadable() {
    for (const QString type : {"SEP", "737"}) {
      SimState s = test::LaidOut(type);
      const bool sep = type == "SEP";
      const int size = sep ? 2 * 149 : 3 * 149;
      s.HsiCentreX = s.HsiCentreY = size / 2;
      s.Vor1ToFrom = "TO";
      InstrOptions o;
      o.HSIBool = true;
      const QImage image = Paint(size, size, [&](Canvas& c) { DrawHeadingIndicator(c, s, o, size, size); });
      test::SavePng(image, "gauge-hsi-hint-" + type);
      const QPoint at = sep ? QPoint(s.HsiCentreX + 60, s.HsiCentreY + 149 - 25) : QPoint(size / 2 + 30, size - 30);
      int black = 0, grey = 0;
      for (int x = at.x(); x < at.x() + 40; ++x)
        for (int y = at.y(); y < at.y() + 14; ++y) {
          const QColor c = At(image, {x, y});
          if (c == ColorOf(clr::Black)) ++black;
          else if (c == ColorOf(clr::GrayText)) ++grey;
        }
      QVERIFY2(black > 20, qPrintable(type));       // the letters
      QVERIFY2(grey > 4 * black, qPrintable(type)); // on grey, not in a black box
    }
  }

  // On a large window the round-dial indicator's bezel still covers the
  // chart's corners: no sky or ground colour shows outside the dial.
  void attitudeBezelCoversTheCornersOfALargeCell() {
    for (const int height : {900, 1036}) {  // cells of 149 and 172 px
      SimState s;
      s.AircraftType = "SEP";
      s.CellFrameMargin = 2;
      s.CellFrameCornerCut = 30;
      ComputeCellLayout(s, 4000, height);
      const int size = 2 * s.CellSize;
      AdiView v;
      v.Width = v.Height = size;
      v.ClientWidth = 1920;
      v.Zoom = 85;
      for (const double pitch : {8.0, -8.0}) {
        s.PitchAttitude = pitch;
        v.VertOffset = AdiPitchShift(pitch, 0, 4);
        const TColor sky = AdiBackgroundColour(pitch);
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(ColorOf(sky));
        QPainter painter(&image);
        PainterCanvas c(&painter);
        DrawAttitudeDisc(c, v);
        DrawAttitudeOverlay(c, s, v);
        painter.end();
        test::SavePng(image, QString("gauge-adi-corners-%1-%2").arg(s.CellSize).arg(pitch));
        for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
          QVERIFY2(At(image, corner) == ColorOf(clr::Gray), qPrintable(QString("U %1").arg(s.CellSize)));
        // The dial inside the ring keeps its sky and ground.
        const QColor inside = At(image, {size / 2 + 70, size / 2 + 60});
        QVERIFY(inside == ColorOf(clr::Blue) || inside == ColorOf(clr::Maroon));
      }
    }
  }

  void jetEngines() {
    SimState s = test::LaidOut("737");
    s.DisplayedN1 = 64.4;
    s.FailureCode = "Failure";
    s.FailurePhase = 2;
    s.FailedEngine = 2;
    s.Airspeed = 250;
    s.JoystickLeverRpm = 1800;
    s.JoystickLeverN1 = 70;
    s.PresetPower = 64.4;
    GaugeInputs in;
    in.Client = {1920, 1080};
    const int U = 149;
    in.Chart3Width = 5 * U;
    const QImage image = Paint(5 * U, 3 * U, [&](Canvas& c) { DrawEngineInstruments(c, s, in); });
    test::SavePng(image, "gauge-n1-737");
    const JetEngineDials d = JetEngineDialPlaces(in.Client, U, s.InstrumentRadius);
    // Left needle at 64.4 %, right (windmilling) at 10 %, the 100 % tick red.
    QCOMPARE(At(image, test::Expected(d.Engine1X, s.EngineCentreY, 60, N1DialAngle(64.4))), ColorOf(clr::White));
    QCOMPARE(At(image, test::Expected(d.Engine2X, s.EngineCentreY, 60, N1DialAngle(10))), ColorOf(clr::White));
    QCOMPARE(At(image, test::Expected(d.Engine1X, s.EngineCentreY, d.Radius - 5, N1DialAngle(100))), ColorOf(clr::Red));
  }
};

QTEST_MAIN(tst_GaugePictures)
#include "tst_gaugepictures.moc"
