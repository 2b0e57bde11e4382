// Each type flown for a while from one of its presets, its gauges painted
// from the flight state: the presets are trimmed in the flight model, and
// the gauges read what the aircraft does.
#include <QPainter>
#include <QtTest>

#include <cmath>

#include "instruments/gauges.h"
#include "platform/messages.h"
#include "platform/textutil.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

constexpr int U = 149;

// The gauges of the left and right panel charts, in the panel's order,
// side by side (the other instruments of those charts are not drawn here).
QImage PaintGauges(const SimState& flown, const GaugeInputs& in) {
  SimState s = flown;
  const bool roundDials = s.AircraftType == "SEP";
  // The panel's refresh puts the engine dial in the type's place.
  if (roundDials) s.EngineCentreX = U, s.EngineCentreY = 5 * U;
  const QSize left = roundDials ? QSize(2 * U, 4 * U) : QSize(U, 6 * U);
  const QSize right = roundDials ? QSize(4 * U, 6 * U) : QSize(5 * U, 3 * U);
  QImage image(left.width() + 10 + right.width(), 6 * U, QImage::Format_RGB32);
  image.fill(QColor(0x80, 0x80, 0x80));
  QPainter painter(&image);
  PainterCanvas c(&painter);
  if (roundDials) {
    DrawAirspeedDial(c, s);
    DrawAirspeedNeedle(c, s);
    DrawTurnCoordinatorDial(c, s);
    DrawTurnCoordinatorAircraft(c, s);
  } else {
    DrawEFISSpeedTape(c, s, in);
  }
  painter.translate(left.width() + 10, 0);
  if (roundDials) {
    DrawAltimeterDial(c, s);
    if (!s.MapVisible) DrawVSIDial(c, s);
    DrawAltimeterHands(c, s);
    if (!s.MapVisible) DrawVSINeedle(c, s);
  } else {
    DrawEFISVerticalSpeed(c, s);
    DrawEFISAltitudeTape(c, s);
  }
  DrawRPMDial(c, s);
  DrawEngineInstruments(c, s, in);
  return image;
}

}  // namespace

class tst_GaugesInFlight : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }

  void eachTypeFliesItsPreset_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("preset");
    QTest::addColumn<double>("speed");
    QTest::newRow("SEP cruise") << 0 << 0 << 115.0;
    QTest::newRow("SEP EFIS slow cruise") << 1 << 1 << 90.0;
    QTest::newRow("737 F5") << 2 << 4 << 164.0;
    QTest::newRow("737 VMD") << 2 << 2 << 210.0;
  }

  void eachTypeFliesItsPreset() {
    QFETCH(int, type);
    QFETCH(int, preset);
    QFETCH(double, speed);
    ResetSimState();
    ScopedRecordingMessages messages;
    TForm1 form;
    form.SetTypegroupIndex(type);
    form.ui.Configbox->setCurrentIndex(preset);
    emit form.ui.Configbox->activated(preset);
    form.STARTClick();
    QVERIFY2(form.Timer->isActive(), qPrintable(messages.Texts().join(" | ")));
    const double altitude = Sim.Altitude;
    for (int tick = 0; tick < 100; ++tick) {  // ten seconds
      form.TimerTimer();
      RefreshGauges(Sim);
    }
    const SimState& s = Sim;
    // A preset is a trimmed state: ten seconds later speed and height hold.
    QVERIFY2(qAbs(s.Airspeed - speed) < 3.0, qPrintable(QString::number(s.Airspeed)));
    QVERIFY2(qAbs(s.Altitude - altitude) < 60.0, qPrintable(QString::number(s.Altitude)));
    QVERIFY(std::isfinite(s.DisplayedAirspeed));

    const GaugeInputs in = form.CurrentGaugeInputs();
    QVERIFY(!in.Stopped);
    const QImage image = PaintGauges(s, in);
    const QString name = QString("inflight-%1-preset%2").arg(s.AircraftType).arg(preset).replace(' ', '-');
    test::SavePng(image, name);
    if (s.AircraftType == "SEP") {
      // The airspeed needle points at the speed flown.
      const double a = AirspeedDialAngle(std::min(s.Airspeed, 180.0)) * M_PI / 180.0;
      const QPoint p(RoundPixel(U + 60 * std::sin(a)), RoundPixel(U - 60 * std::cos(a)));
      QCOMPARE(QColor(image.pixel(p)), QColor(Qt::white));
    } else {
      // The tape's reference row shows the filtered speed, within a knot of
      // the airspeed: the tape is placed so that a 10-kt tick above the
      // speed stands as far above the reference row (1.5 cells) as the
      // scale says (3 cells for 60 kt on the piston, 120 kt on the jet).
      QVERIFY(qAbs(s.DisplayedAirspeed - s.Airspeed) < 1.0);
      const double pixelsPerKnot = 3.0 * U / (s.AircraftType == "SEP EFIS" ? 60 : 120);
      const int tick = (static_cast<int>(s.DisplayedAirspeed) / 10 + 2) * 10;
      const int y = static_cast<int>(std::lround(1.5 * U - (tick - s.DisplayedAirspeed) * pixelsPerKnot));
      const auto whiteAt = [&](int row) {
        for (int dy = -1; dy <= 1; ++dy)
          if (QColor(image.pixel(U - 30, row + dy)) == QColor(Qt::white)) return true;
        return false;
      };
      QVERIFY2(whiteAt(y), qPrintable(QString("%1 kt at row %2").arg(tick).arg(y)));
      // Half-way to the next 10-kt tick the long ticks leave the tape empty.
      QVERIFY(!whiteAt(static_cast<int>(std::lround(y - 5 * pixelsPerKnot))));
    }
    form.Timer->stop();
  }
};

QTEST_MAIN(tst_GaugesInFlight)
#include "tst_gaugesinflight.moc"
