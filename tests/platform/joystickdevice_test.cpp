#include "platform/joystickdevice.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tvx {
namespace {

js_event Event(std::uint8_t type, std::uint8_t number, std::int16_t value) {
  js_event e{};
  e.type = type;
  e.number = number;
  e.value = value;
  return e;
}

TEST(JoystickAxis, SignedDriverRangeBecomesUnsigned) {
  EXPECT_EQ(AxisToUnsigned(-32768), 0);
  EXPECT_EQ(AxisToUnsigned(-32767), 1);
  EXPECT_EQ(AxisToUnsigned(0), 32768);
  EXPECT_EQ(AxisToUnsigned(32767), 65535);
}

TEST(JoystickEvents, AxesZeroToTwoAreXYZ) {
  JoystickState s;
  auto fx = ApplyJsEvent(s, Event(JS_EVENT_AXIS, 0, -32767));
  auto fy = ApplyJsEvent(s, Event(JS_EVENT_AXIS, 1, 32767));
  auto fz = ApplyJsEvent(s, Event(JS_EVENT_AXIS, 2, 100));
  auto f3 = ApplyJsEvent(s, Event(JS_EVENT_AXIS, 3, 5000));
  EXPECT_EQ(s.X, 1);
  EXPECT_EQ(s.Y, 65535);
  EXPECT_EQ(s.Z, 32868);
  EXPECT_EQ(fx.kind, JoyEventEffect::Axis);
  EXPECT_EQ(fx.index, 0);
  EXPECT_EQ(fy.index, 1);
  EXPECT_EQ(fz.index, 2);
  EXPECT_EQ(f3.kind, JoyEventEffect::None);  // a fourth axis is not one of ours
}

TEST(JoystickEvents, ButtonsSetAndClearTheirBits) {
  JoystickState s;
  auto down = ApplyJsEvent(s, Event(JS_EVENT_BUTTON, 2, 1));
  EXPECT_EQ(s.Buttons, 0b100u);
  EXPECT_TRUE(down.pressed);
  EXPECT_EQ(down.index, 2);
  ApplyJsEvent(s, Event(JS_EVENT_BUTTON, 0, 1));
  auto up = ApplyJsEvent(s, Event(JS_EVENT_BUTTON, 2, 0));
  EXPECT_FALSE(up.pressed);
  EXPECT_EQ(s.Buttons, 0b1u);
  EXPECT_EQ(ApplyJsEvent(s, Event(JS_EVENT_BUTTON, 40, 1)).kind, JoyEventEffect::None);
  EXPECT_EQ(s.Buttons, 0b1u);
}

TEST(JoystickEvents, InitialStateIsMarked) {
  JoystickState s;
  auto init = ApplyJsEvent(s, Event(JS_EVENT_AXIS | JS_EVENT_INIT, 0, 32767));
  EXPECT_TRUE(init.initial);
  EXPECT_EQ(init.kind, JoyEventEffect::Axis);
  EXPECT_EQ(s.X, 65535);
  EXPECT_FALSE(ApplyJsEvent(s, Event(JS_EVENT_AXIS, 0, 0)).initial);
}

TEST(JoystickCaps, RangesForTheAxesTheDeviceHas) {
  const JoystickCaps two = CapsFor(2, 4);
  EXPECT_EQ(two.XMax, 65535);
  EXPECT_EQ(two.YMax, 65535);
  EXPECT_EQ(two.ZMax, 0);
  EXPECT_EQ(two.NumButtons, 4);
  EXPECT_EQ(two.PeriodMin, 10);
  EXPECT_EQ(two.PeriodMax, 1000);
  EXPECT_EQ(CapsFor(3, 2).ZMax, 65535);
}

TEST(LinuxJoysticks, NoDeviceAndNonJoystickFilesGiveNothing) {
  QTemporaryDir dir;
  LinuxJoysticks driver(dir.path());
  EXPECT_EQ(driver.DevicePath(1), dir.path() + "/js1");
  EXPECT_FALSE(driver.DevCaps(0).has_value());
  EXPECT_EQ(driver.Open(0), nullptr);
  // A plain file answers no joystick request.
  QFile plain(dir.filePath("js0"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.write("not a joystick");
  plain.close();
  EXPECT_FALSE(driver.DevCaps(0).has_value());
  EXPECT_EQ(driver.Open(0), nullptr);
  EXPECT_FALSE(driver.DevCaps(2).has_value());
  EXPECT_FALSE(driver.DevCaps(-1).has_value());
}

}  // namespace
}  // namespace tvx
