// The joystick component over scripted devices: capture, the events it
// fires, polling and change-driven modes, and the calibration file.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "joystick/joystickex.h"
#include "platform/dataroot.h"
#include "platform/inifile.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

// Writes `text` as the calibration file.
void WriteCalibrationText(const QByteArray& text) {
  QFile f(TJoystickex::CalibrationPath());
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(text);
}

// A component over scripted devices that never writes the calibration file;
// with `axes` above 0 a device of that many axes and `buttons` buttons is on
// the first port.
struct Rig {
  explicit Rig(int axes = 0, int buttons = 4) {
    if (axes > 0) script.caps[0] = CapsFor(axes, buttons);
    j.SetCalAutoSave(false);
  }
  // The stick scaled to 0..200 with 100 in the middle, as the simulator has it.
  void Scale100() {
    j.SetXScaledBy(100);
    j.SetYScaledBy(100);
  }
  void Polling10() {
    j.SetPolling(true);
    j.SetInterval(10);
  }
  ScriptedJoysticks script;  // declared first: it outlives the component
  TJoystickex j;
};

}  // namespace

class tst_Joystickex : public QObject {
  Q_OBJECT
  QTemporaryDir* dir_ = nullptr;

 private slots:
  void initTestCase() { test::UseTemporaryDataRoot(); }
  void init() {
    dir_ = new QTemporaryDir;
    TJoystickex::CalibrationFolder = dir_->path();
  }
  void cleanup() {
    TJoystickex::CalibrationFolder.clear();
    delete dir_;
  }

  void defaults() {
    Rig r;
    TJoystickex& j = r.j;
    QCOMPARE(j.GamePort(), TGamePort::Gameport1);
    QCOMPARE(j.Polling(), false);
    QCOMPARE(j.Interval(), 50);
    QCOMPARE(j.EventThreshold(), 0.1);
    QCOMPARE(j.Scaled(), true);
    QCOMPARE(j.XScaledBy(), 400);
    QCOMPARE(j.YScaledBy(), 300);
    QCOMPARE(j.ZScaledBy(), 100);
    QCOMPARE(j.CalAutoSave(), false);
    QCOMPARE(j.CalAutoLoad(), true);
    QCOMPARE(j.MaxZ(), 32767);
    QCOMPARE(j.MinZ(), 0);
    QCOMPARE(j.NumButtons(), 2);
    QCOMPARE(j.Active(), false);
    QCOMPARE(j.IsCalibrating(), false);
    QCOMPARE(j.Calibration().MaxLeftUpX, -32767);
    QCOMPARE(j.Calibration().MaxRightDownY, 32767);
    QCOMPARE(j.Calibration().CenterX, 0);
  }

  void setterQuirks() {
    Rig r;
    TJoystickex& j = r.j;
    j.SetEventThreshold(0);
    QCOMPARE(j.EventThreshold(), 0.1);
    j.SetEventThreshold(25);
    QCOMPARE(j.EventThreshold(), 10.0);
    j.SetEventThreshold(-3);
    QCOMPARE(j.EventThreshold(), 0.0);
    j.SetXScaledBy(0);
    QCOMPARE(j.XScaledBy(), 1);
    QCOMPARE(j.ScaleFactors().XPos, 32767.0);
    j.SetXScaledBy(100);
    QCOMPARE(j.ScaleFactors().XPos, 327.67);
    QCOMPARE(j.ScaleX(65535), 200);
    j.SetZScaledBy(0);
    QCOMPARE(j.ZScaledBy(), 1);
  }

  void noDeviceRefusesCaptureQuietly() {
    Rig r;  // no device on either port
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    QVERIFY(!j.StartCapture());
    QVERIFY(!j.Active());
    script.caps[0] = CapsFor(3, 4);
    script.busy[0] = true;  // a port in use
    QVERIFY(!j.StartCapture());
    QVERIFY(!j.Active());
  }

  void startCaptureReadsTheDevicesCapabilities() {
    Rig r(3, 4);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    j.SetEventThreshold(10);  // no capabilities read yet: threshold from a zero range
    QCOMPARE(j.SystemThreshold(), 0);
    QVERIFY(j.StartCapture());
    QVERIFY(j.Active());
    QCOMPARE(j.DevCaps().XMax, 65535);
    QCOMPARE(j.SystemThreshold(), 6554);  // 10 % of the device's X maximum
    QCOMPARE(script.opens, 1);
    j.StopCapture();
    QVERIFY(!j.Active());
    QVERIFY(!script.IsOpen(0));
  }

  void setGamePortCopiesTheCapabilitiesOfThePortSetSoFar() {
    Rig r(3, 4);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    script.caps[1] = CapsFor(2, 6);
    j.SetGamePort(TGamePort::Gameport2);  // reads port 1's device (Gameport1)
    QCOMPARE(j.GamePort(), TGamePort::Gameport2);
    QCOMPARE(j.NumButtons(), 4);
    QCOMPARE(j.MaxZ(), 65535);
    QCOMPARE(j.Calibration().MaxLeftUpX, 0);
    QCOMPARE(j.Calibration().MaxRightDownX, 65535);
    j.SetGamePort(TGamePort::Gameport1);  // now reads Gameport2's device
    QCOMPARE(j.NumButtons(), 6);
    QCOMPARE(j.MaxZ(), 0);
    // Threshold from the range of the capabilities read.
    j.SetEventThreshold(1);
    QCOMPARE(j.SystemThreshold(), 655);
  }

  void setGamePortRestartsARunningCapture() {
    Rig r(3, 4);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    script.caps[1] = CapsFor(3, 4);
    QVERIFY(j.StartCapture());
    j.SetGamePort(TGamePort::Gameport2);
    QVERIFY(j.Active());
    QVERIFY(!script.IsOpen(0));
    QVERIFY(script.IsOpen(1));
  }

  void intervalAndPollingRestartTheCapture() {
    Rig r(3, 4);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    j.SetInterval(20);  // not active: stored only
    QCOMPARE(script.opens, 0);
    QVERIFY(j.StartCapture());
    j.SetInterval(30);
    QCOMPARE(script.opens, 2);
    j.SetPolling(true);
    QCOMPARE(script.opens, 3);
    QVERIFY(j.Active());
    QCOMPARE(j.PollPeriod(), 30);
    j.SetInterval(1);  // below what the device accepts
    QCOMPARE(j.PollPeriod(), 10);
  }

  void changeDrivenMovesBeyondTheThreshold() {
    Rig r(3, 4);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    r.Scale100();
    j.SetEventThreshold(1);  // 655 raw units at capture
    QVERIFY(j.StartCapture());
    QSignalSpy moves(&j, &TJoystickex::JoyMove);
    QSignalSpy zmoves(&j, &TJoystickex::JoyZMove);
    // The state at opening is not a movement.
    QVERIFY(script.Axis(0, 0, 0, true));
    QVERIFY(script.Axis(0, 1, 0, true));
    QVERIFY(script.Axis(0, 0, 600));  // within the threshold
    QVERIFY(script.Axis(0, 0, 32767));
    QTRY_COMPARE(moves.count(), 1);
    QCOMPARE(moves[0], QVariantList({200, 100, QVariant::fromValue<std::uint16_t>(0), false}));
    QVERIFY(script.Axis(0, 1, -32767));
    QTRY_COMPARE(moves.count(), 2);
    QCOMPARE(moves[1][0].toInt(), 200);
    QCOMPARE(moves[1][1].toInt(), 0);
    QVERIFY(script.Axis(0, 2, -16384));  // raw 16384, a quarter of the device's 0..65535
    QTRY_COMPARE(zmoves.count(), 1);
    QCOMPARE(zmoves[0][0].toInt(), 25);
    QTest::qWait(60);
    QCOMPARE(moves.count(), 2);  // nothing is re-sent without polling
  }

  void buttonsFireTheirOwnEvents() {
    Rig r(3, 6);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    r.Scale100();
    QVERIFY(j.StartCapture());
    QSignalSpy b1(&j, &TJoystickex::OnButton1_Change);
    QSignalSpy b2(&j, &TJoystickex::OnButton2_Change);
    QSignalSpy b4(&j, &TJoystickex::OnButton4_Change);
    QVERIFY(script.Button(0, 0, true, true));  // held at opening: no event
    QVERIFY(script.Axis(0, 0, 32767));
    QVERIFY(script.Button(0, 1, true));
    QVERIFY(script.Button(0, 1, false));
    QVERIFY(script.Button(0, 3, true));
    QVERIFY(script.Button(0, 4, true));  // a fifth button has no event
    QVERIFY(script.Button(0, 0, false));
    QTRY_COMPARE(b1.count(), 1);
    QCOMPARE(b2.count(), 2);
    QCOMPARE(b4.count(), 1);
    QCOMPARE(b2[0], QVariantList({true, 200, 100}));
    QCOMPARE(b2[1], QVariantList({false, 200, 100}));
    QCOMPARE(b4[0][0].toBool(), true);
    QCOMPARE(b1[0][0].toBool(), false);
  }

  void pollingResendsThePosition() {
    Rig r(3, 2);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    r.Polling10();
    r.Scale100();
    QVERIFY(j.StartCapture());
    QSignalSpy moves(&j, &TJoystickex::JoyMove);
    QSignalSpy zmoves(&j, &TJoystickex::JoyZMove);
    QTRY_VERIFY(moves.count() >= 3);
    QVERIFY(zmoves.count() >= 2);
    QCOMPARE(moves[0][0].toInt(), 100);  // the stick at rest
    QCOMPARE(moves[0][1].toInt(), 100);
    QVERIFY(script.Axis(0, 0, 32767));
    QTRY_COMPARE(moves.last()[0].toInt(), 200);
    j.StopCapture();
    const qsizetype after = moves.count();
    QTest::qWait(50);
    QCOMPARE(moves.count(), after);
  }

  void pollingADeviceWithoutThrottleSendsNoZ() {
    Rig r(2, 2);
    TJoystickex& j = r.j;
    r.Polling10();
    QVERIFY(j.StartCapture());
    QSignalSpy moves(&j, &TJoystickex::JoyMove);
    QSignalSpy zmoves(&j, &TJoystickex::JoyZMove);
    QTRY_VERIFY(moves.count() >= 3);
    QCOMPARE(zmoves.count(), 0);
  }

  void unpluggedDeviceEndsTheCapture() {
    Rig r(3, 2);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    r.Polling10();
    QVERIFY(j.StartCapture());
    QSignalSpy moves(&j, &TJoystickex::JoyMove);
    script.Unplug(0);
    QTRY_VERIFY(!j.Active());
    const qsizetype after = moves.count();
    QTest::qWait(50);
    QCOMPARE(moves.count(), after);
  }

  void rawPositionsWhenNotScaled() {
    Rig r;
    TJoystickex& j = r.j;
    j.SetScaled(false);
    QSignalSpy moves(&j, &TJoystickex::JoyMove);
    QSignalSpy zmoves(&j, &TJoystickex::JoyZMove);
    QSignalSpy b3(&j, &TJoystickex::OnButton3_Change);
    j.WndProc(JoyMessage::Move, 0x5, 1234u | (65535u << 16));
    j.WndProc(JoyMessage::ZMove, 0, 40000);
    j.WndProc(JoyMessage::ButtonDown, kJoyButton1Chg << 2 | kJoyButton1 << 2, 7u | (9u << 16));
    QCOMPARE(moves[0], QVariantList({1234, 65535, QVariant::fromValue<std::uint16_t>(5), false}));
    QCOMPARE(zmoves[0][0].toInt(), 40000);
    QCOMPARE(b3[0], QVariantList({true, 7, 9}));
  }

  void throttleWidensItsRangeAlways() {
    Rig r;
    TJoystickex& j = r.j;
    j.ComputeScaleFactors();  // Z factor 327.67 for 0..32767
    QSignalSpy zmoves(&j, &TJoystickex::JoyZMove);
    j.WndProc(JoyMessage::ZMove, 0, 65535);
    QCOMPARE(j.MaxZ(), 65535);
    QCOMPARE(zmoves[0][0].toInt(), 100);  // 200 by the old factor, kept to the scale
    // The factor follows the wider range at once.
    QCOMPARE(j.ScaleFactors().Z, 655.35);
    j.WndProc(JoyMessage::ZMove, 0, 16384);
    QCOMPARE(zmoves[1][0].toInt(), 25);
    j.WndProc(JoyMessage::ZMove, 0, 32768);
    QCOMPARE(zmoves[2][0].toInt(), 50);
    // A lower minimum too.
    j.WndProc(JoyMessage::ZMove, 0, static_cast<std::uint32_t>(-65535));
    QCOMPARE(j.MinZ(), -65535);
    QCOMPARE(j.ScaleFactors().Z, 1310.7);
    j.WndProc(JoyMessage::ZMove, 0, 0);
    QCOMPARE(zmoves[4][0].toInt(), 50);
  }

  void firstRunWithoutAFileUsesTheWholeThrottle() {
    // No calibration file: a device reporting 0..65535 on its throttle, as
    // Linux does, is scaled over that whole range from the first message.
    Rig r(3, 4);
    ScriptedJoysticks& script = r.script;
    TJoystickex& j = r.j;
    j.SetGamePort(TGamePort::Gameport1);
    j.SetCalAutoLoad(true);
    QCOMPARE(j.MaxZ(), 32000);  // the file's default
    QSignalSpy zmoves(&j, &TJoystickex::JoyZMove);
    QVERIFY(j.StartCapture());
    QCOMPARE(j.MinZ(), 0);
    QCOMPARE(j.MaxZ(), 65535);
    QVERIFY(script.Axis(0, 2, -16384));  // a quarter of the way: raw 16384
    QTRY_COMPARE(zmoves.size(), 1);
    QCOMPARE(zmoves[0][0].toInt(), 25);
    QVERIFY(script.Axis(0, 2, 16383));  // three quarters: raw 49151
    QTRY_COMPARE(zmoves.size(), 2);
    QCOMPARE(zmoves[1][0].toInt(), 75);
  }

  void aThrottleRangeFromTheFileIsKept() {
    WriteCalibrationText("[range]\r\nMaxZ=40000\r\nMinZ=1000\r\n");
    Rig r(3, 4);
    TJoystickex& j = r.j;
    j.SetGamePort(TGamePort::Gameport1);
    j.SetCalAutoLoad(true);
    QVERIFY(j.StartCapture());
    QCOMPARE(j.MinZ(), 1000);
    QCOMPARE(j.MaxZ(), 40000);
  }

  void calibratingWidensTheStickRanges() {
    Rig r;
    TJoystickex& j = r.j;
    r.Scale100();
    JoystickCalibration cal;
    cal.MaxLeftUpX = cal.MaxLeftUpY = 1000;
    cal.MaxRightDownX = cal.MaxRightDownY = 2000;
    cal.CenterX = cal.CenterY = 1500;
    j.SetCalibration(cal);
    j.ComputeScaleFactors();
    QSignalSpy moves(&j, &TJoystickex::JoyMove);
    j.WndProc(JoyMessage::Move, 0, 500u | (3500u << 16));  // not calibrating: ranges stay
    QCOMPARE(j.Calibration().MaxLeftUpX, 1000);
    QCOMPARE(moves[0][0].toInt(), -200);  // beyond the end of a range left as it was
    j.SetIsCalibrating(true);
    j.WndProc(JoyMessage::Move, 0, 500u | (3500u << 16));
    QCOMPARE(j.Calibration().MaxLeftUpX, 500);
    QCOMPARE(j.Calibration().MaxRightDownY, 3500);
    QCOMPARE(j.ScaleFactors().XNeg, 10.0);
    QCOMPARE(j.ScaleFactors().YPos, 20.0);
    QCOMPARE(moves[1], QVariantList({-100, 100, QVariant::fromValue<std::uint16_t>(0), true}));
  }

  void calibrationPathIsTheProgramsNameWithIni() {
    const QString path = TJoystickex::CalibrationPath();
    QCOMPARE(path, dir_->path() + "/tst_joystickex.INI");
    TJoystickex::CalibrationFolder.clear();
    // In the data root, never beside the program (a build folder, or one the
    // user cannot write).
    QCOMPARE(TJoystickex::CalibrationPath(), DataRoot() + "/tst_joystickex.INI");
    QVERIFY(DataRoot() != QCoreApplication::applicationDirPath());
    TJoystickex::CalibrationFolder = dir_->path();
  }

  void withoutAFileLoadingGivesTheDefaults() {
    Rig r;
    TJoystickex& j = r.j;
    QVERIFY(j.LoadCalibration());
    QCOMPARE(j.MaxZ(), 32000);
    QCOMPARE(j.Calibration().MaxLeftUpX, -32767);
    QCOMPARE(j.Calibration().MaxRightDownY, 32767);
  }

  void loadingDoesNotRecomputeTheFactors() {
    WriteCalibrationText("[Range]\r\nMaxrightDownx=1000\r\n");
    Rig r;
    TJoystickex& j = r.j;
    j.SetXScaledBy(100);
    QCOMPARE(j.ScaleFactors().XPos, 327.67);
    QVERIFY(j.LoadCalibration());
    QCOMPARE(j.Calibration().MaxRightDownX, 1000);
    QCOMPARE(j.ScaleFactors().XPos, 327.67);
    j.ComputeScaleFactors();
    QCOMPARE(j.ScaleFactors().XPos, 10.0);
  }

  void calAutoLoadReadsTheFileAtOnce() {
    WriteCalibrationText("[range]\nMaxZ=0\nMinZ=5\n[center]\nCenterX=40\n");
    Rig r;
    TJoystickex& j = r.j;
    j.SetCalAutoLoad(false);
    QCOMPARE(j.MinZ(), 0);
    j.SetCalAutoLoad(true);
    QCOMPARE(j.MinZ(), 5);
    QCOMPARE(j.MaxZ(), 0);
    QCOMPARE(j.Calibration().CenterX, 40);
    j.ComputeScaleFactors();  // a MaxZ read as 0 is taken as full
    QCOMPARE(j.MaxZ(), 32767);
    QCOMPARE(j.ScaleFactors().Z, (32767.0 - 5) / 100);
  }

  void unreadableFileLeavesTheCalibration() {
    QVERIFY(QDir(dir_->path()).mkdir("tst_joystickex.INI"));
    Rig r;
    TJoystickex& j = r.j;
    JoystickCalibration cal;
    cal.MaxZ = 1234;
    j.SetCalibration(cal);
    QVERIFY(!j.LoadCalibration());
    QCOMPARE(j.MaxZ(), 1234);
    QVERIFY(!j.SaveCalibration());
  }

  void calibrationKeptBetweenRuns() {
    JoystickCalibration cal{-30000, -31000, 30000, 31000, 60000, 100, 10, -20};
    {
      TJoystickex first;  // saves at its end
      first.SetCalibration(cal);
    }
    IniFile ini(TJoystickex::CalibrationPath());
    QCOMPARE(ini.Load(), IniFile::LoadResult::Read);
    QCOMPARE(ini.Keys("Range"), QStringList({"MaxLeftUPX", "MaxLeftUPy", "MaxrightDownx", "MaxrightDowny", "MaxZ",
                                             "MinZ"}));
    QCOMPARE(ini.Keys("Center"), QStringList({"CenterX", "CenterY"}));
    TJoystickex second;
    second.SetCalAutoSave(false);
    second.SetCalAutoLoad(true);
    QCOMPARE(second.Calibration().MaxLeftUpX, -30000);
    QCOMPARE(second.Calibration().MaxLeftUpY, -31000);
    QCOMPARE(second.Calibration().MaxRightDownX, 30000);
    QCOMPARE(second.Calibration().MaxRightDownY, 31000);
    QCOMPARE(second.MaxZ(), 60000);
    QCOMPARE(second.MinZ(), 100);
    QCOMPARE(second.Calibration().CenterX, 10);
    QCOMPARE(second.Calibration().CenterY, -20);
  }

  void noSaveWithoutCalAutoSave() {
    {
      TJoystickex j;
      j.SetCalAutoSave(false);
    }
    QVERIFY(!QFile::exists(TJoystickex::CalibrationPath()));
  }

  void savingKeepsTheRestOfTheFile() {
    WriteCalibrationText("; my stick\r\n[Other]\r\nx=1\r\n[range]\r\nMaxZ=7\r\n");
    Rig r;
    TJoystickex& j = r.j;
    j.SetCalAutoLoad(true);
    QVERIFY(j.SaveCalibration());
    QFile f(TJoystickex::CalibrationPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(),
             QByteArray("; my stick\r\n[Other]\r\nx=1\r\n[range]\r\nMaxZ=7\r\nMaxLeftUPX=-32767\r\nMaxLeftUPy=-32767\r\n"
                        "MaxrightDownx=32767\r\nMaxrightDowny=32767\r\nMinZ=0\r\n[Center]\r\nCenterX=0\r\nCenterY=0\r\n"));
  }
};

QTEST_GUILESS_MAIN(tst_Joystickex)
#include "tst_joystickex.moc"
