// Joystick events: what the Linux driver sends (struct js_event, 8 bytes
// each) through the component, over a calibration taken from the input's
// first 32 bytes, as a calibration file can hold any values.
#include <QCoreApplication>
#include <cstring>

#include "fuzzsupport.h"
#include "joystick/joystickex.h"
#include "platform/joystickdevice.h"

using namespace tvx;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHead = 8 * sizeof(std::int32_t) + 1;
  if (size < kHead) return 0;
  std::int32_t v[8];
  std::memcpy(v, data, sizeof v);
  const std::uint8_t flags = data[sizeof v];
  JoystickCalibration cal{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};

  TJoystickex j;
  j.SetCalAutoSave(false);
  j.SetCalibration(cal);
  j.SetScaled((flags & 1) == 0);
  j.SetXScaledBy(100);
  j.SetYScaledBy(100);
  j.SetZScaledBy(100);
  j.SetIsCalibrating((flags & 2) != 0);

  JoystickState state;
  for (std::size_t at = kHead; at + sizeof(js_event) <= size; at += sizeof(js_event)) {
    js_event event;
    std::memcpy(&event, data + at, sizeof event);
    const JoyEventEffect effect = ApplyJsEvent(state, event);
    const std::uint32_t buttons = state.Buttons & 0xF;
    const std::uint32_t position = state.X | (static_cast<std::uint32_t>(state.Y) << 16);
    if (effect.kind == JoyEventEffect::Axis && effect.index == 2)
      j.WndProc(JoyMessage::ZMove, buttons, state.Z);
    else if (effect.kind == JoyEventEffect::Axis)
      j.WndProc(JoyMessage::Move, buttons, position);
    else if (effect.kind == JoyEventEffect::Button && effect.index < 4)
      j.WndProc(effect.pressed ? JoyMessage::ButtonDown : JoyMessage::ButtonUp,
                (kJoyButton1Chg << effect.index) | buttons, position);
  }
  return 0;
}
