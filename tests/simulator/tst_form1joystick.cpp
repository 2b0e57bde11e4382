// The simulator window flown by a scripted joystick: the component's
// settings, the stick, throttle and button handlers and "Joystick Thrust".
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "joystick/joystickex.h"
#include "platform/dataroot.h"
#include "platform/joystickdevice.h"
#include "platform/messages.h"
#include "simulator/flightfixture.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_Form1Joystick : public QObject {
  Q_OBJECT
  QTemporaryDir* dir_ = nullptr;
  ScriptedJoysticks* script_ = nullptr;  // no real device reaches a test

  static void WriteCalibrationText(const QByteArray& text) {
    QFile f(TJoystickex::CalibrationPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
  }

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }
  void init() {
    ResetSimState();
    dir_ = new QTemporaryDir;
    TJoystickex::CalibrationFolder = dir_->path();
    script_ = new ScriptedJoysticks;
  }
  void cleanup() {
    delete script_;
    TJoystickex::CalibrationFolder.clear();
    delete dir_;
  }

  void componentSettingsAndCapture() {
    ScriptedJoysticks& script = *script_;
    script.caps[0] = CapsFor(3, 4);
    TForm1 form;
    const TJoystickex& j = *form.Joystickex;
    QCOMPARE(j.GamePort(), TGamePort::Gameport1);
    QCOMPARE(j.Polling(), true);
    QCOMPARE(j.Interval(), 10);
    QCOMPARE(j.EventThreshold(), 10.0);
    QCOMPARE(j.Scaled(), true);
    QCOMPARE(j.XScaledBy(), 100);
    QCOMPARE(j.YScaledBy(), 100);
    QCOMPARE(j.ZScaledBy(), 100);
    QCOMPARE(j.CalAutoSave(), true);
    QCOMPARE(j.CalAutoLoad(), true);
    QVERIFY(j.Active());
    QCOMPARE(j.PollPeriod(), 10);
    QCOMPARE(j.NumButtons(), 4);  // read with the port
    // No calibration file: its defaults replace the device's stick ranges,
    // but the throttle spans the device's whole range (not the file's 32000).
    QCOMPARE(j.MaxZ(), 65535);
    QCOMPARE(j.ScaleFactors().Z, 655.35);
    QCOMPARE(j.Calibration().MaxRightDownX, 32767);
    QCOMPARE(j.ScaleFactors().XPos, 327.67);
    QCOMPARE(Sim.JoyCentreX, 100);
    QCOMPARE(Sim.JoyCentreY, 100);
    QVERIFY(Sim.JoyAwaitCentre);
    QVERIFY(!form.ui.joystickthrust->isChecked());
  }

  void calibrationFileOverridesTheDeviceAndIsKept() {
    WriteCalibrationText("[range]\r\nMaxrightDownx=30000\r\nMaxZ=60000\r\n");
    ScriptedJoysticks& script = *script_;
    script.caps[0] = CapsFor(3, 4);
    {
      TForm1 form;
      QCOMPARE(form.Joystickex->Calibration().MaxRightDownX, 30000);
      QCOMPARE(form.Joystickex->MaxZ(), 60000);
      QCOMPARE(form.Joystickex->ScaleFactors().XPos, 300.0);
      JoystickCalibration cal = form.Joystickex->Calibration();
      cal.CenterX = 12;
      form.Joystickex->SetCalibration(cal);
    }
    ResetSimState();
    TForm1 next;
    QCOMPARE(next.Joystickex->Calibration().CenterX, 12);
    QCOMPARE(next.Joystickex->Calibration().MaxRightDownX, 30000);
  }

  void calibrationIsKeptInTheDataRoot() {
    TJoystickex::CalibrationFolder.clear();
    const QString path = DataRoot() + "/tst_form1joystick.INI";
    QFile::remove(path);
    script_->caps[0] = CapsFor(3, 4);
    {
      TForm1 form;  // saves the calibration when it goes
      QVERIFY(script_->Axis(0, 0, 32767));  // the stick moved
      QTRY_COMPARE(script_->Unread(0), 0);
    }
    QVERIFY(QFile::exists(path));
    QFile::remove(path);
  }

  // A run without a stick leaves no calibration behind, so the first flight
  // with a stick plugged in afterwards has the whole throttle at once.
  void newStickAfterARunWithoutOne() {
    {
      TForm1 form;
      QVERIFY(!form.Joystickex->Active());
    }
    QVERIFY(!QFile::exists(TJoystickex::CalibrationPath()));
    ResetSimState();
    ScriptedJoysticks& script = *script_;
    script.caps[0] = CapsFor(3, 4);
    script.InitialAxis(0, 2, 32767);  // the lever at idle
    TForm1 form;
    QCOMPARE(form.Joystickex->MaxZ(), 65535);
    QCOMPARE(form.Joystickex->ScaleFactors().Z, 655.35);
    form.ui.joystickthrust->trigger();
    // Moved once up from idle: half the travel gives the middle of the scale.
    QVERIFY(script.Axis(0, 2, 0));
    QTRY_COMPARE(Sim.JoystickLeverN1, 68.0);
    QVERIFY(script.Axis(0, 2, -32767));
    QTRY_COMPARE(Sim.N1, 100.0);
  }

  void noJoystickShowsNothing() {
    ScopedRecordingMessages messages;
    TForm1 form;
    QVERIFY(!form.Joystickex->Active());
    QVERIFY(messages.entries.isEmpty());
    QTest::qWait(30);
    QVERIFY(Sim.JoyAwaitCentre);  // no stick event ever came
  }

  void firstStickEventDefinesTheCentre() {
    ScriptedJoysticks& script = *script_;
    script.caps[0] = CapsFor(3, 4);
    // The stick rests a little right of and below the middle.
    script.InitialAxis(0, 0, 1966);  // 6 units
    script.InitialAxis(0, 1, 3932);  // 12 units
    TForm1 form;
    QVERIFY(Sim.JoyAwaitCentre);
    QTRY_VERIFY(!Sim.JoyAwaitCentre);
    QCOMPARE(Sim.JoyCentreX, 106);
    QCOMPARE(Sim.JoyCentreY, 112);
    // Polling goes on; the centre stays.
    QVERIFY(script.Axis(0, 0, 32767));
    QTRY_COMPARE(Sim.JoyTurnInterval, 0.1);
    QCOMPARE(Sim.JoyCentreX, 106);
  }

  void buttonOneTogglesTheMapOnPressAndRelease() {
    ScriptedJoysticks& script = *script_;
    script.caps[0] = CapsFor(3, 4);
    TForm1 form;
    QVERIFY(Sim.MapVisible);
    QVERIFY(script.Button(0, 0, true));
    QTRY_VERIFY(!Sim.MapVisible);
    QVERIFY(form.ui.MAPChart->isHidden());
    QVERIFY(!form.ui.SYSTEEMPanel->isHidden());
    QVERIFY(script.Button(0, 0, false));
    QTRY_VERIFY(Sim.MapVisible);
    QVERIFY(!form.ui.MAPChart->isHidden());
    // The other buttons leave the map alone.
    QVERIFY(script.Button(0, 1, true));
    QVERIFY(script.Button(0, 1, false));
    QTest::qWait(50);
    QVERIFY(Sim.MapVisible);
  }

  void stickFliesOnlyWhileTheFlightRunsAndIsNotPaused() {
    TForm1 form;
    test::LoadAircraft(Sim, test::PistonCruise());
    form.JoystickexJoyMove(100, 100, 0, false);  // the centre
    Sim.JoyTurnReady = Sim.JoyPitchReady = true;
    form.JoystickexJoyMove(150, 20, 0, false);  // standing still
    QCOMPARE(Sim.BankAngle, 0.0);
    QCOMPARE(Sim.AoaStep, 0.05);
    QVERIFY(Sim.JoyTurnReady);
    QVERIFY(Sim.JoyPitchReady);

    form.STARTClick();  // FLY
    QVERIFY(form.Timer->isActive());
    form.TimerTimer();
    double aoa = Sim.AngleOfAttack;
    form.JoystickexJoyMove(150, 20, 0, false);  // right and forward
    QCOMPARE(Sim.BankAngle, 1.0);
    QCOMPARE(Sim.AoaStep, 0.003 * 80);
    QCOMPARE(Sim.AngleOfAttack, aoa - 0.24);
    form.JoystickexJoyMove(150, 20, 0, false);  // nothing until the tick re-arms
    QCOMPARE(Sim.BankAngle, 1.0);

    form.TimerTimer();
    form.doepauze();  // P
    QVERIFY(Sim.Paused);
    aoa = Sim.AngleOfAttack;
    form.JoystickexJoyMove(40, 180, 0, false);
    QCOMPARE(Sim.BankAngle, 1.0);
    QCOMPARE(Sim.AngleOfAttack, aoa);

    form.doepauze();  // on again
    aoa = Sim.AngleOfAttack;
    form.JoystickexJoyMove(40, 180, 0, false);  // left and back
    QCOMPARE(Sim.BankAngle, 0.0);
    QVERIFY(Sim.AngleOfAttack > aoa);
    form.Timer->stop();
  }

  void heldDeflectionBanksAtItsPaceThroughTheTick() {
    ScriptedJoysticks& script = *script_;
    script.caps[0] = CapsFor(3, 4);
    TForm1 form;
    test::LoadAircraft(Sim, test::JetVmd());
    QTRY_VERIFY(!Sim.JoyAwaitCentre);  // the centre from the stick at rest
    form.STARTClick();
    QVERIFY(form.Timer->isActive());
    // The tick is run by hand below, while the stick keeps reporting.
    form.Timer->start(3600 * 1000);
    QVERIFY(script.Axis(0, 0, -32767 / 10));  // 10 units left
    QTRY_COMPARE(Sim.JoyTurnInterval, 0.2);
    const double bank = Sim.BankAngle;
    for (int tick = 0; tick < 10; ++tick) {
      form.TimerTimer();
      QTest::qWait(25);  // two or three stick reports
    }
    QTRY_COMPARE(Sim.BankAngle, bank - 5);  // one degree per 0.2 s
    form.Timer->stop();
  }

  void throttleThroughTheDevice() {
    ScriptedJoysticks& script = *script_;
    script.caps[0] = CapsFor(3, 4);
    TForm1 form;
    const double presetN1 = Sim.N1;
    // No calibration file: the throttle spans the device's 0..65535 from the
    // first flight on, 655.35 raw units per unit.
    QVERIFY(script.Axis(0, 2, 58982 - 32768));
    QTRY_COMPARE(Sim.JoystickLeverN1, 48.0);
    QCOMPARE(Sim.JoystickLeverRpm, 7 * 1400.0 / 96 + 1300);
    QVERIFY(script.Axis(0, 2, 49151 - 32768));  // three quarters of the way
    QTRY_COMPARE(Sim.JoystickLeverN1, 55.5);
    QCOMPARE(Sim.N1, presetN1);  // "Joystick Thrust" is off
    form.ui.joystickthrust->trigger();
    QVERIFY(form.ui.joystickthrust->isChecked());
    QVERIFY(script.Axis(0, 2, -32768));
    QTRY_COMPARE(Sim.N1, 100.0);
    QCOMPARE(Sim.DisplayedN1, 100.0);
    QCOMPARE(Sim.CommandedRpm, 2700.0);
    QCOMPARE(Sim.DisplayedRpm, 2700.0);
  }

  void throttleRepaintsTheEngineGaugeWhileStopped() {
    TForm1 form;
    int before = form.ui.Chart3->RepaintRequests;
    form.JoystickexJoyZMove(50, 0, false);
    QCOMPARE(form.ui.Chart3->RepaintRequests, before + 1);
    form.ui.START->setText("STOP");  // in flight the tick repaints it
    before = form.ui.Chart3->RepaintRequests;
    form.JoystickexJoyZMove(40, 0, false);
    QCOMPARE(form.ui.Chart3->RepaintRequests, before);
    QCOMPARE(Sim.JoystickLeverN1, 73.0);
  }

  void switchingJoystickThrustOffRestoresThePreset() {
    TForm1 form;
    Sim.AircraftType = "737";
    Sim.PresetPower = 85;
    const double displayed = Sim.DisplayedN1;
    int repaints = form.ui.Chart3->RepaintRequests;
    form.ui.joystickthrust->trigger();  // on: only the mark
    QVERIFY(form.ui.joystickthrust->isChecked());
    QCOMPARE(form.ui.Chart3->RepaintRequests, repaints + 1);
    QCOMPARE(Sim.DisplayedN1, displayed);
    form.JoystickexJoyZMove(90, 0, false);
    QCOMPARE(Sim.N1, 48.0);
    repaints = form.ui.Chart3->RepaintRequests;
    form.ui.joystickthrust->trigger();  // off
    QVERIFY(!form.ui.joystickthrust->isChecked());
    QCOMPARE(form.ui.Chart3->RepaintRequests, repaints + 1);
    QCOMPARE(Sim.DisplayedN1, 85.0);
    QCOMPARE(Sim.N1, 48.0);

    Sim.AircraftType = "SEP";
    Sim.PresetPower = 2400;
    form.ui.joystickthrust->trigger();
    form.JoystickexJoyZMove(1, 0, false);
    QCOMPARE(Sim.DisplayedRpm, 2700.0);
    form.ui.joystickthrust->trigger();
    QCOMPARE(Sim.DisplayedRpm, 2400.0);
    QCOMPARE(Sim.CommandedRpm, 2700.0);
  }
};

QTEST_MAIN(tst_Form1Joystick)
#include "tst_form1joystick.moc"
