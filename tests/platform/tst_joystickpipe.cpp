// A device read through a pipe, event by event, the way the driver's device
// file is read.
#include <QSignalSpy>
#include <QtTest>

#include "platform/joystickdevice.h"

using namespace tvx;

class tst_JoystickPipe : public QObject {
  Q_OBJECT
 private slots:
  void eventsArriveAsSignals() {
    ScriptedJoysticks script;
    script.caps[0] = CapsFor(3, 4);
    std::unique_ptr<JoystickDevice> device = script.Open(0);
    QVERIFY(device);
    QCOMPARE(device->Caps().NumButtons, 4);
    QSignalSpy axes(device.get(), &JoystickDevice::AxisMoved);
    QSignalSpy buttons(device.get(), &JoystickDevice::ButtonChanged);

    QVERIFY(script.Axis(0, 0, -32767, true));
    QVERIFY(script.Axis(0, 1, 16384));
    QVERIFY(script.Axis(0, 2, 32767));
    QVERIFY(script.Button(0, 1, true));
    QTRY_COMPARE(buttons.count(), 1);
    QCOMPARE(axes.count(), 3);
    QCOMPARE(axes[0], QVariantList({0, true}));
    QCOMPARE(axes[1], QVariantList({1, false}));
    QCOMPARE(axes[2], QVariantList({2, false}));
    QCOMPARE(buttons[0], QVariantList({1, true, false}));
    QCOMPARE(device->State().X, 1);
    QCOMPARE(device->State().Y, 49152);
    QCOMPARE(device->State().Z, 65535);
    QCOMPARE(device->State().Buttons, 0b10u);
  }

  void stateAtOpeningIsReadAtOnce() {
    ScriptedJoysticks script;
    script.caps[0] = CapsFor(3, 4);
    script.InitialAxis(0, 0, 32767);
    script.InitialAxis(0, 2, -32768);
    script.InitialButton(0, 3, true);
    std::unique_ptr<JoystickDevice> device = script.Open(0);
    QVERIFY(device);
    // No event loop has run yet.
    QCOMPARE(device->State().X, 65535);
    QCOMPARE(device->State().Y, 32768);
    QCOMPARE(device->State().Z, 0);
    QCOMPARE(device->State().Buttons, 0b1000u);
    QVERIFY(!device->IsLost());
  }

  void anEventSplitAcrossReadsIsJoined() {
    ScriptedJoysticks script;
    script.caps[1] = CapsFor(2, 2);
    std::unique_ptr<JoystickDevice> device = script.Open(1);
    QVERIFY(device);
    QSignalSpy axes(device.get(), &JoystickDevice::AxisMoved);
    js_event e{};
    e.type = JS_EVENT_AXIS;
    e.number = 0;
    e.value = 32767;
    const QByteArray bytes(reinterpret_cast<const char*>(&e), sizeof e);
    QVERIFY(script.Write(1, bytes.left(3)));
    QTest::qWait(30);
    QCOMPARE(axes.count(), 0);
    QVERIFY(script.Write(1, bytes.mid(3)));
    QTRY_COMPARE(axes.count(), 1);
    QCOMPARE(device->State().X, 65535);
  }

  void unpluggedDeviceIsLostOnce() {
    ScriptedJoysticks script;
    script.caps[0] = CapsFor(2, 2);
    std::unique_ptr<JoystickDevice> device = script.Open(0);
    QSignalSpy lost(device.get(), &JoystickDevice::Lost);
    QVERIFY(script.IsOpen(0));
    script.Unplug(0);
    QTRY_COMPARE(lost.count(), 1);
    QVERIFY(device->IsLost());
    QVERIFY(!script.IsOpen(0));
    QVERIFY(!script.Axis(0, 0, 1));  // nothing left to write to, and no SIGPIPE
    QTest::qWait(20);
    QCOMPARE(lost.count(), 1);
  }

  void closedReaderRefusesWrites() {
    ScriptedJoysticks script;
    script.caps[0] = CapsFor(2, 2);
    std::unique_ptr<JoystickDevice> device = script.Open(0);
    device.reset();
    QVERIFY(!script.IsOpen(0));
    QVERIFY(!script.Button(0, 0, true));
  }

  void portsWithoutDeviceOrBusyDoNotOpen() {
    ScriptedJoysticks script;
    QVERIFY(!script.Open(0));
    QVERIFY(!script.DevCaps(0));
    script.caps[0] = CapsFor(2, 2);
    script.busy[0] = true;
    QVERIFY(script.DevCaps(0));
    QVERIFY(!script.Open(0));
    QVERIFY(!script.Open(5));
    QCOMPARE(script.opens, 0);
  }

  void scriptIsTheSystemInUseForItsLifetime() {
    {
      ScriptedJoysticks script;
      QCOMPARE(&Joysticks(), static_cast<JoystickSystem*>(&script));
    }
    QVERIFY(dynamic_cast<LinuxJoysticks*>(&Joysticks()) != nullptr);
  }
};

QTEST_GUILESS_MAIN(tst_JoystickPipe)
#include "tst_joystickpipe.moc"
