// The simulation tick driven through the window: held commands, the
// autopilot's place, track history, marker light, pause, and a long flight of
// each aircraft type.
#include <QtTest>
#include <cmath>

#include "platform/messages.h"
#include "simulator/flightfixture.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;
using tvx::test::Ticks;

namespace {

void Fly(TForm1& form, const SimState& aircraft) {
  test::LoadAircraft(Sim, aircraft);
  form.STARTClick();
  QVERIFY(form.Timer->isActive());
}

// Every real of the flight state that the tick and the flight model write.
QList<QPair<const char*, double>> FlightValues(const SimState& s) {
  return {{"AircraftX", s.AircraftX},
          {"AircraftY", s.AircraftY},
          {"Altitude", s.Altitude},
          {"Heading", s.Heading},
          {"Airspeed", s.Airspeed},
          {"TrueAirspeed", s.TrueAirspeed},
          {"MachNumber", s.MachNumber},
          {"DensityRatio", s.DensityRatio},
          {"GroundSpeed", s.GroundSpeed},
          {"TrackAngle", s.TrackAngle},
          {"DriftAngle", s.DriftAngle},
          {"BankAngle", s.BankAngle},
          {"TurnRadius", s.TurnRadius},
          {"PitchAttitude", s.PitchAttitude},
          {"AngleOfAttack", s.AngleOfAttack},
          {"FlightPathAngle", s.FlightPathAngle},
          {"BodyAngle", s.BodyAngle},
          {"VerticalSpeed", s.VerticalSpeed},
          {"Acceleration", s.Acceleration},
          {"Thrust", s.Thrust},
          {"CommandedThrust", s.CommandedThrust},
          {"Drag", s.Drag},
          {"Lift", s.Lift},
          {"LiftCoefficient", s.LiftCoefficient},
          {"DragCoefficient", s.DragCoefficient},
          {"EnginePower", s.EnginePower},
          {"CommandedRpm", s.CommandedRpm},
          {"EngineRpm", s.EngineRpm},
          {"DisplayedRpm", s.DisplayedRpm},
          {"N1", s.N1},
          {"DisplayedN1", s.DisplayedN1},
          {"AttitudeDiscRotation", s.AttitudeDiscRotation},
          {"PhysicsClock", s.PhysicsClock},
          {"SecondClock", s.SecondClock},
          {"ScenarioClock", s.ScenarioClock},
          {"TurnKeyClock", s.TurnKeyClock},
          {"PowerKeyClock", s.PowerKeyClock}};
}

}  // namespace

class tst_FlightTick : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }

  void init() { ResetSimState(); }

  void tickDoesNothingWhileStopped() {
    TForm1 form;
    const double x = Sim.AircraftX;
    form.TimerTimer();
    QCOMPARE(Sim.PhysicsClock, 0.0);
    QCOMPARE(Sim.AircraftX, x);
  }

  void flyingMovesTheAircraftEveryTick() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Fly(form, test::JetVmd());
    double x = Sim.AircraftX, y = Sim.AircraftY;
    for (int i = 0; i < 20; ++i) {
      form.TimerTimer();
      QVERIFY(Sim.AircraftX < x);  // heading 270: west
      QVERIFY(Sim.AircraftY != y);  // the wind from 240 drifts it north
      x = Sim.AircraftX;
      y = Sim.AircraftY;
    }
    QVERIFY(Sim.GroundSpeed > 0);
    QVERIFY(Sim.TrackAngle > 270);  // wind from the left, track right of the heading
  }

  void heldTurnAndPitchCommands() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Fly(form, test::PistonCruise());
    Sim.TurnCommand = "rechts";
    Ticks(form, 10);
    QCOMPARE(Sim.BankAngle, 10.0);
    QCOMPARE(form.ui.Chart1->Rotation, 10.0);
    QVERIFY(std::fabs(Sim.TurnKeyClock - 1.0) < 1e-9);
    Sim.TurnCommand = "links";
    Ticks(form, 12);
    QCOMPARE(Sim.BankAngle, -2.0);
    QCOMPARE(form.ui.Chart1->Rotation, 358.0);
    Sim.TurnCommand = "off";
    Sim.TurnKeyClock = 0;
    Ticks(form, 5);
    QCOMPARE(Sim.BankAngle, -2.0);
    QCOMPARE(Sim.TurnKeyClock, 0.0);

    const double aoa = Sim.AngleOfAttack;
    Sim.PitchCommand = "klim";
    Ticks(form, 4);
    QVERIFY(std::fabs(Sim.AngleOfAttack - (aoa + 4 * 0.05)) < 1e-9);
    Sim.PitchCommand = "daal";
    Ticks(form, 2);
    QVERIFY(std::fabs(Sim.AngleOfAttack - (aoa + 2 * 0.05)) < 1e-9);
  }

  void autopilotTakesOnlyTurnAndPitch() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Fly(form, test::JetVmd());
    Sim.AutopilotEngaged = true;
    Sim.SelectedHeading = Sim.Heading;
    Sim.SelectedVerticalSpeed = Sim.VerticalSpeed + 1000;
    Sim.TurnCommand = "links";
    Sim.PitchCommand = "klim";
    Sim.PowerCommand = "fastincrease";
    const double aoa = Sim.AngleOfAttack;
    Ticks(form, 2);
    // The autopilot's own steps: wings level on the selected heading, and
    // two of its coarsest pitch steps, not the key's.
    QCOMPARE(Sim.BankAngle, 0.0);
    QVERIFY(std::fabs(Sim.AngleOfAttack - (aoa + 2 * 0.015)) < 1e-9);
    QCOMPARE(Sim.N1, 64.0);  // 58 + 2 x 3
    QCOMPARE(Sim.CommandedThrust, 135720 + 6 * 2900.0);
    QCOMPARE(Sim.DisplayedN1, 64.0);
  }

  void jetOnTheRunwayCannotSpoolUpByKeys() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    SimState jet = test::JetVmd();
    Fly(form, jet);
    Sim.OnGround = true;
    Sim.Altitude = 120;
    Sim.Airspeed = 0;
    Sim.AngleOfAttack = Sim.FlightPathAngle = 0;
    Sim.N1 = 60;
    Sim.PowerCommand = "fastincrease";
    for (int i = 0; i < 30; ++i) {
      form.TimerTimer();
      QCOMPARE(Sim.N1, 23.0);  // back to idle at each physics step, then one key step
    }
    QCOMPARE(Sim.BrakeState, QString("OFF"));
  }

  void onceASecondIsEveryTenthTick() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Fly(form, test::JetVmd());
    Ticks(form, 9);
    QCOMPARE(Sim.TrackIndex, -1);
    form.TimerTimer();
    QCOMPARE(Sim.TrackIndex, 0);
    QCOMPARE(Sim.TrackHistory[0].X, Sim.AircraftX);
    QCOMPARE(Sim.TrackHistory[0].Y, Sim.AircraftY);
    QCOMPARE(Sim.TrackHistory[0].Altitude, Sim.Altitude);
  }

  void the601stTrackPointOverwritesSlotZero() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Fly(form, test::JetVmd());
    Ticks(form, 6000);  // 600 seconds
    QCOMPARE(Sim.TrackIndex, 599);
    const TrackPoint first = Sim.TrackHistory[0];
    const TrackPoint last = Sim.TrackHistory[599];
    QVERIFY(!first.Empty());
    QVERIFY(last.X < first.X);
    Ticks(form, 9);
    QCOMPARE(Sim.TrackIndex, 599);
    form.TimerTimer();
    QCOMPARE(Sim.TrackIndex, 0);
    QCOMPARE(Sim.TrackHistory[0].X, Sim.AircraftX);
    QVERIFY(Sim.TrackHistory[0].X < last.X);
    QCOMPARE(Sim.TrackHistory[1].X, Sim.TrackHistory[1].X);
    QVERIFY(!Sim.TrackHistory[1].Empty());
  }

  void markerLightBlinksOverTheMarker() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    auto* om = form.ui.OM;
    Fly(form, test::JetVmd());
    om->resize(24, 24);
    QCOMPARE(om->Style(), BrushStyle::DiagCross);
    // The panel's refresh sets the flag from the tuned ILS's outer marker:
    // keep the marker under the aircraft.
    Sim.IlsTuned = true;
    Sim.MarkerBlinkClock = 0;
    QList<int> changes;
    BrushStyle style = om->Style();
    for (int tick = 1; tick <= 20; ++tick) {
      Sim.OuterMarkerX = Sim.AircraftX;
      Sim.OuterMarkerY = Sim.AircraftY;
      form.TimerTimer();
      QVERIFY(Sim.OverOuterMarker);
      if (om->Style() != style) changes << tick;
      style = om->Style();
      if (tick == 5) {
        QCOMPARE(style, BrushStyle::Solid);
        const QImage lit = test::Grab(om);
        test::SavePng(lit, "marker-light-lit");
        QCOMPARE(QColor(lit.pixel(12, 12)), QColor(0, 0, 255));
        QCOMPARE(QColor(lit.pixel(12, 7)), QColor(0, 0, 255));
      }
    }
    QCOMPARE(changes, (QList<int>{5, 10, 15, 20}));
    Sim.OuterMarkerX = Sim.OuterMarkerY = -999;
    Ticks(form, 5);
    QVERIFY(!Sim.OverOuterMarker);
    form.TimerTimer();
    QCOMPARE(om->Style(), BrushStyle::DiagCross);
    const QImage unlit = test::Grab(om);
    test::SavePng(unlit, "marker-light-unlit");
    int blue = 0;
    for (int y = 6; y < 18; ++y)
      for (int x = 6; x < 18; ++x) blue += QColor(unlit.pixel(x, y)) == QColor(0, 0, 255);
    QVERIFY(blue > 10);       // the hatch lines
    QVERIFY(blue < 12 * 12);  // with the panel between them
  }

  void mapShowsTheFlownTrack() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Fly(form, test::JetVmd());
    Sim.TurnCommand = "rechts";  // a turn of 20 deg bank, then wings level
    Ticks(form, 20);
    Sim.TurnCommand = "off";
    Ticks(form, 80);
    Sim.TurnCommand = "links";
    Ticks(form, 20);
    Sim.TurnCommand = "off";
    Ticks(form, 30);
    QCOMPARE(Sim.BankAngle, 0.0);
    form.mapschakelaar();  // the map back over the systems panel
    QVERIFY(Sim.MapVisible);
    const QImage before = form.ui.MAPChart->Render();
    form.mapschakelaar();
    Ticks(form, 450);
    form.mapschakelaar();
    const QImage after = form.ui.MAPChart->Render();
    test::SavePng(after, "flight-map-after-60s");
    QCOMPARE(Sim.TrackIndex, 59);
    QVERIFY(before != after);
  }

  // FLY hides the map; 'D' then opens it at full size, and the tick must keep
  // it following the aircraft once a second.
  void fullSizeMapFromHiddenFollowsTheFlight() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    form.resize(1600, 900);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Fly(form, test::JetVmd());
    QVERIFY(!Sim.MapVisible);
    form.fullmapschakelaar();
    QVERIFY(Sim.MapFullSize);
    const int before = form.ui.MAPChart->RepaintRequests;
    Ticks(form, 10);
    QCOMPARE(form.ui.MAPChart->RepaintRequests, before + 1);
  }

  void pauseBeforeFlyDoesNothing() {
    TForm1 form;
    form.doepauze();
    QVERIFY(!form.Timer->isActive());
    QVERIFY(!Sim.Paused);
  }

  void pauseAndResume() {
    TForm1 form;
    ScopedRecordingMessages msgs;
    Fly(form, test::JetVmd());
    Ticks(form, 3);
    form.doepauze();
    QVERIFY(Sim.Paused);
    QVERIFY(!form.Timer->isActive());
    const double x = Sim.AircraftX;
    const double clock = Sim.SecondClock;
    Ticks(form, 5);  // a late timer event moves nothing
    QCOMPARE(Sim.AircraftX, x);
    QCOMPARE(Sim.SecondClock, clock);
    form.doepauze();
    QVERIFY(!Sim.Paused);
    QVERIFY(form.Timer->isActive());
    form.TimerTimer();
    QVERIFY(Sim.AircraftX != x);
  }

  void longFlightOfEachType_data() {
    QTest::addColumn<QString>("type");
    QTest::newRow("SEP") << "SEP";
    QTest::newRow("SEP EFIS") << "SEP EFIS";
    QTest::newRow("737") << "737";
  }

  // One hour of flight with held turns and power changes leaves every value
  // finite and in its range.
  void longFlightOfEachType() {
    QFETCH(QString, type);
    TForm1 form;
    ScopedRecordingMessages msgs;
    const bool piston = type != "737";
    Fly(form, piston ? test::PistonCruise(type.toLatin1().constData()) : test::JetVmd());
    QVERIFY(msgs.entries.isEmpty());
    const double bankLimit = piston ? 40 : 70;
    const char* turns[] = {"links", "off", "rechts", "off", "rechts", "links"};
    const char* powers[] = {"increase", "off", "decrease", "fastincrease", "off", "fastdecrease", "decrease"};
    double minAltitude = 1e9, maxAltitude = -1e9;
    for (int tick = 0; tick < 36000; ++tick) {
      // Turns change every 45 s, power every 20 s: the two never line up.
      if (tick % 450 == 0) Sim.TurnCommand = turns[(tick / 450) % 6];
      if (tick % 200 == 0) Sim.PowerCommand = powers[(tick / 200) % 7];
      form.TimerTimer();
      if (tick % 10 == 0 || tick == 35999) {
        for (const auto& [name, value] : FlightValues(Sim))
          QVERIFY2(std::isfinite(value), qPrintable(QString("%1 at tick %2").arg(name).arg(tick)));
        const QString at = QString(" at tick %1").arg(tick);
        QVERIFY2(Sim.Heading >= 0 && Sim.Heading <= 360, qPrintable("heading" + at));
        QVERIFY2(Sim.TrackAngle >= 0 && Sim.TrackAngle <= 360, qPrintable("track" + at));
        QVERIFY2(std::fabs(Sim.BankAngle) <= bankLimit, qPrintable("bank" + at));
        QVERIFY2(Sim.Altitude >= Sim.AirportElevation, qPrintable("altitude" + at));
        QVERIFY2(type != "SEP" || Sim.Altitude <= 10000, qPrintable("ceiling" + at));
        QVERIFY2(Sim.DensityRatio >= 0.246 && Sim.DensityRatio <= 1.01, qPrintable("density" + at));
        QVERIFY2(piston || (Sim.N1 >= 20 && Sim.N1 <= 100), qPrintable("N1" + at));
        QVERIFY2(Sim.CommandedRpm >= 1300 && Sim.CommandedRpm <= 2700, qPrintable("RPM" + at));
        QVERIFY2(Sim.EngineRpm >= 1300 && Sim.EngineRpm <= 2700, qPrintable("engine RPM" + at));
        QVERIFY2(Sim.Airspeed >= 0 && Sim.Airspeed < 600, qPrintable("airspeed" + at));
        QVERIFY2(std::fabs(Sim.AircraftX) < 1000 && std::fabs(Sim.AircraftY) < 1000, qPrintable("position" + at));
        QVERIFY2(Sim.PhysicsClock < 0.1 && Sim.SecondClock < 1, qPrintable("clocks" + at));
        minAltitude = std::min(minAltitude, Sim.Altitude);
        maxAltitude = std::max(maxAltitude, Sim.Altitude);
      }
    }
    QCOMPARE(Sim.TrackIndex, 3600 % kTrackSlots == 0 ? kTrackSlots - 1 : 3600 % kTrackSlots - 1);
    for (const TrackPoint& p : Sim.TrackHistory) QVERIFY(!p.Empty());
    QVERIFY(std::fabs(Sim.ScenarioClock - 50) < 1e-9);
    qInfo("%s: altitude %.0f..%.0f ft, airspeed %.1f kt at the end", qPrintable(type), minAltitude, maxAltitude,
          Sim.Airspeed);
  }
};

QTEST_MAIN(tst_FlightTick)
#include "tst_flighttick.moc"
