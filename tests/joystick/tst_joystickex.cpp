// The joystick component over scripted devices: capture, the events it
// fires, polling and change-driven modes, and the calibration file.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "joystick/joystickex.h"
#include "platform/dataroot.h"
#include "platform/inifile.h"
#include "simulator/joystickcontrol.h"
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

// --- Runs of the program, as its joystick sees them ---

// What a run does with the joystick, or with the calibration file.
enum class Run { NoStick, TwoAxes, ThrottleStill, WholeTravel, PartTravel, OldDefaultFile };
constexpr Run kRuns[] = {Run::NoStick,     Run::TwoAxes,    Run::ThrottleStill,
                         Run::WholeTravel, Run::PartTravel, Run::OldDefaultFile};
const char* RunName(Run run) {
  switch (run) {
    case Run::NoStick: return "no stick";
    case Run::TwoAxes: return "two-axis stick";
    case Run::ThrottleStill: return "throttle never moved";
    case Run::WholeTravel: return "lever over its whole travel";
    case Run::PartTravel: return "lever reaching part of the range";
    case Run::OldDefaultFile: return "old file with the defaults";
  }
  return "";
}

// A throttle lever's ends in driver values; idle is the back end, where the
// raw position is largest.
struct Lever {
  std::int16_t idle, full;
};
constexpr Lever kWholeLever{32767, -32767};               // raw 65535 .. 1
constexpr Lever kPartLever{60000 - 32768, 2000 - 32768};  // raw 60000 .. 2000

// What an earlier version wrote at the end of a run without a stick.
const QByteArray kOldDefaultFile =
    "[Range]\r\nMaxLeftUPX=-32767\r\nMaxLeftUPy=-32767\r\nMaxrightDownx=32767\r\nMaxrightDowny=32767\r\n"
    "MaxZ=32000\r\nMinZ=0\r\n[Center]\r\nCenterX=0\r\nCenterY=0\r\n";

QByteArray CalibrationFileBytes() {
  QFile f(TJoystickex::CalibrationPath());
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

// Lets the device read all the script has written (without the pauses of
// QTest::qWaitFor, which would make the many runs below slow).
bool Drain(const ScriptedJoysticks& script) {
  const QDeadlineTimer deadline(5000);
  while (script.Unread(0) > 0 && !deadline.hasExpired()) QCoreApplication::processEvents();
  return script.Unread(0) == 0;
}

// One run of the simulator's joystick, from start to end.
void FlyRun(Run run) {
  if (run == Run::OldDefaultFile) {
    WriteCalibrationText(kOldDefaultFile);
    return;
  }
  ScriptedJoysticks script;
  if (run == Run::TwoAxes) script.caps[0] = CapsFor(2, 2);
  if (run == Run::ThrottleStill || run == Run::WholeTravel || run == Run::PartTravel) script.caps[0] = CapsFor(3, 4);
  const Lever lever = run == Run::PartTravel ? kPartLever : kWholeLever;
  script.InitialAxis(0, 2, lever.idle);
  TJoystickex j;
  SetUpFlyingJoystick(j);
  QCOMPARE(j.StartCapture(), run != Run::NoStick);
  if (run == Run::TwoAxes || run == Run::WholeTravel || run == Run::PartTravel) {
    for (std::int16_t x : {16000, -20000, 0}) QVERIFY(script.Axis(0, 0, x));
    QVERIFY(script.Axis(0, 1, -12000));
  }
  if (run == Run::WholeTravel || run == Run::PartTravel) {
    // Idle to full power and back again, as a take-off and a landing.
    for (int q = 1; q <= 4; ++q)
      QVERIFY(script.Axis(0, 2, static_cast<std::int16_t>(lever.idle + (lever.full - lever.idle) * q / 4)));
    QVERIFY(script.Axis(0, 2, lever.idle));
  }
  QVERIFY(Drain(script));
}  // the component saves its calibration as the program ends

// The engine commands (N1 and RPM) of a run whose lever starts at `from` and
// moves once to `to`, at its start and at each quarter of the way, as the
// simulator's polling reports them.
struct Commands {
  QList<double> n1, rpm;
};
Commands LeverRun(std::int16_t from, std::int16_t to) {
  Commands c;
  ScriptedJoysticks script;
  script.caps[0] = CapsFor(3, 4);
  script.InitialAxis(0, 2, from);
  TJoystickex j;
  SetUpFlyingJoystick(j);
  j.SetCalAutoSave(false);  // the sequence's file is looked at, not this run's
  if (!j.StartCapture()) return c;
  QSignalSpy zmoves(&j, &TJoystickex::JoyZMove);
  QTimer wake;  // the wait below ends even if the polls stopped
  wake.start(100);
  for (int q = 0; q <= 4; ++q) {
    if (q > 0 && (!script.Axis(0, 2, static_cast<std::int16_t>(from + (to - from) * q / 4)) || !Drain(script))) return c;
    zmoves.clear();  // the next poll reports the lever where it now stands
    const QDeadlineTimer deadline(5000);
    while (zmoves.isEmpty() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (zmoves.isEmpty()) return c;
    const int z = zmoves.last()[0].toInt();
    c.n1 << ThrottleLeverN1(z);
    c.rpm << ThrottleLeverRpm(z);
  }
  return c;
}

// Five commands from one end of the engine's range to the other, each a step
// further than the one before.
bool SpansEndToEnd(const QList<double>& v, double first, double last) {
  if (v.size() != 5 || v.first() != first || v.last() != last) return false;
  for (int i = 1; i < v.size(); ++i)
    if ((last > first) ? v[i] <= v[i - 1] : v[i] >= v[i - 1]) return false;
  return true;
}

QString Describe(const Commands& c) {
  QStringList n1;
  for (double v : c.n1) n1 << QString::number(v);
  return "N1 " + n1.join(' ');
}

// The lever's own travel in both directions: idle to full and full to idle,
// each giving a different command at every quarter; "" when it does.
QString LeverFaults(const Lever& lever) {
  QString faults;
  const Commands up = LeverRun(lever.idle, lever.full);
  if (!SpansEndToEnd(up.n1, 20, 100) || !SpansEndToEnd(up.rpm, 1300, 2700))
    faults += " idle to full: " + Describe(up) + ";";
  const Commands down = LeverRun(lever.full, lever.idle);
  if (!SpansEndToEnd(down.n1, 100, 20) || !SpansEndToEnd(down.rpm, 2700, 1300))
    faults += " full to idle: " + Describe(down) + ";";
  return faults;
}

// The throttle keys as the file holds them ("absent" for a key it has not).
QString ThrottleKeys() {
  IniFile ini(TJoystickex::CalibrationPath());
  ini.Load();
  return ini.ReadString("range", "MinZ", "absent") + ".." + ini.ReadString("range", "MaxZ", "absent");
}

QStringList KeysOf(const QString& section) {
  IniFile ini(TJoystickex::CalibrationPath());
  ini.Load();
  return ini.Keys(section);
}

// Whether the file holds the stick's ranges and centre.
bool HasStickKeys() {
  return KeysOf("range").contains("MaxLeftUPX") && KeysOf("range").contains("MaxrightDowny") &&
         KeysOf("Center") == QStringList({"CenterX", "CenterY"});
}

// Whether the file's "Range" keys stand in the file's order.
bool RangeKeysInOrder() {
  const QStringList order = {"MaxLeftUPX", "MaxLeftUPy", "MaxrightDownx", "MaxrightDowny", "MaxZ", "MinZ"};
  int last = -1;
  for (const QString& key : KeysOf("range")) {
    const int at = static_cast<int>(order.indexOf(key));
    if (at <= last) return false;
    last = at;
  }
  return true;
}

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

  // Whatever runs came before (each sequence of up to three of them), a
  // throttle lever moved once from one end to the other gives a different
  // engine command at each quarter of its travel, idle at the back end and
  // full power at the front; and a lever that reaches only part of the
  // device's range, once it has been measured, spans idle to full over its
  // own travel.
  void anyEarlierRunsLeaveTheWholeLeverToTheThrottle() {
    QList<QList<Run>> sequences;
    for (Run a : kRuns) {
      sequences.append({a});
      for (Run b : kRuns) {
        sequences.append({a, b});
        for (Run c : kRuns) sequences.append({a, b, c});
      }
    }
    QCOMPARE(sequences.size(), 6 + 36 + 216);
    // A run keeps nothing but its file, so a lever run after a sequence
    // depends on the file it left alone; each file's lever runs are made once.
    QHash<QByteArray, QString> leverFaults;
    auto faultsAfter = [&leverFaults](const Lever& lever) {
      const QByteArray file = CalibrationFileBytes();
      const QByteArray key = file + (lever.idle == kWholeLever.idle ? "whole" : "part");
      if (!leverFaults.contains(key)) {
        leverFaults[key] = LeverFaults(lever);
        // A lever run leaves the file as it found it.
        if (CalibrationFileBytes() != file) leverFaults[key] += " the lever run changed the file;";
      }
      return leverFaults[key];
    };
    QStringList failures;
    for (const QList<Run>& sequence : sequences) {
      QFile::remove(TJoystickex::CalibrationPath());
      // What the file's throttle range must be: none, the part lever's, or
      // the whole travel (which takes in the part lever's).
      QString expected = "absent..absent";
      QStringList names;
      QString fault;
      for (Run run : sequence) {
        names << RunName(run);
        const QByteArray before = CalibrationFileBytes();
        const QString keysBefore = ThrottleKeys();
        FlyRun(run);
        if (QTest::currentTestFailed()) return;
        if (run == Run::OldDefaultFile) expected = "0..32000";
        if (run == Run::WholeTravel) expected = "1..65535";
        if (run == Run::PartTravel && expected != "1..65535") expected = "2000..60000";
        if ((run == Run::NoStick || run == Run::ThrottleStill) && CalibrationFileBytes() != before)
          fault += QString(" %1 changed the file;").arg(RunName(run));
        if (run == Run::TwoAxes && ThrottleKeys() != keysBefore)
          fault += QString(" the two-axis stick changed the throttle keys %1 to %2;").arg(keysBefore, ThrottleKeys());
        if (ThrottleKeys() != expected)
          fault += QString(" after %1 the throttle keys are %2, not %3;").arg(RunName(run), ThrottleKeys(), expected);
        if (!RangeKeysInOrder()) fault += QString(" after %1 the keys are out of order;").arg(RunName(run));
      }
      fault += faultsAfter(kWholeLever);
      if (expected == "2000..60000") fault += faultsAfter(kPartLever);
      if (!fault.isEmpty()) failures << names.join(", ") + ":" + fault;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(QString("%1 of %2 sequences:\n").arg(failures.size()).arg(sequences.size()) +
                                            failures.mid(0, 40).join('\n')));
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
    QVERIFY(j.SaveCalibration());  // nothing measured: nothing written
    QCOMPARE(CalibrationFileBytes(), QByteArray("; my stick\r\n[Other]\r\nx=1\r\n[range]\r\nMaxZ=7\r\n"));
    j.SetCalibration(j.Calibration());
    QVERIFY(j.SaveCalibration());
    // The keys new to the file take their places in the file's order.
    QCOMPARE(CalibrationFileBytes(),
             QByteArray("; my stick\r\n[Other]\r\nx=1\r\n[range]\r\nMaxLeftUPX=-32767\r\nMaxLeftUPy=-32767\r\n"
                        "MaxrightDownx=32767\r\nMaxrightDowny=32767\r\nMaxZ=7\r\nMinZ=0\r\n[Center]\r\nCenterX=0\r\n"
                        "CenterY=0\r\n"));
  }
};

QTEST_GUILESS_MAIN(tst_Joystickex)
#include "tst_joystickex.moc"
