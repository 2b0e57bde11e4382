#pragma once
// Joysticks through the Linux joystick API (/dev/input/jsN): a device is read
// event by event (struct js_event) as the descriptor becomes readable. The
// program works in the unsigned axis range 0..65535 with the centre at 32768;
// the driver's signed values are moved into it. Axes 0, 1 and 2 are X, Y and
// Z (the throttle); other axes are ignored.
//
// Devices come from a JoystickSystem: the real driver, or, in tests, a script
// that writes driver events into a pipe read exactly like a device.
#include <linux/joystick.h>

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace tvx {

constexpr int kJoystickPorts = 2;

// What a device offers, in the unsigned range.
struct JoystickCaps {
  int XMin = 0, XMax = 0, YMin = 0, YMax = 0, ZMin = 0, ZMax = 0;
  int NumAxes = 0, NumButtons = 0;
  int PeriodMin = 0, PeriodMax = 0;  // polling periods it accepts, ms
  QString Name;
};

// The capabilities of a device with this many axes and buttons: 0..65535 on
// each of X, Y and Z that it has, polling every 10..1000 ms.
JoystickCaps CapsFor(int axes, int buttons, const QString& name = QString());

// The axes and buttons as last reported.
struct JoystickState {
  std::uint16_t X = 32768, Y = 32768, Z = 32768;
  std::uint32_t Buttons = 0;  // bit n: button n + 1 is down
};

// A driver axis value (-32767..32767, some drivers -32768) in 0..65535.
std::uint16_t AxisToUnsigned(std::int16_t value);

// What one driver event changed.
struct JoyEventEffect {
  enum Kind { None, Axis, Button } kind = None;
  int index = 0;         // axis 0..2 (X, Y, Z) or button 0..31
  bool pressed = false;  // for a button
  bool initial = false;  // one of the events that report the state at opening
};
// Applies `event` to `state`.
JoyEventEffect ApplyJsEvent(JoystickState& state, const js_event& event);

// An open device. Owns its descriptor; reads every complete event when the
// descriptor is readable and reports it. A read error or end of file means
// the device is gone: reading stops and Lost is signalled once.
class JoystickDevice : public QObject {
  Q_OBJECT
 public:
  // `fd` must be non-blocking; the device closes it. What the descriptor
  // already holds (the driver's report of the state at opening) is read at
  // once, so State() is the device's own from the start.
  JoystickDevice(int fd, const JoystickCaps& caps, QObject* parent = nullptr);
  ~JoystickDevice() override;

  const JoystickCaps& Caps() const { return caps_; }
  const JoystickState& State() const { return state_; }
  bool IsLost() const { return fd_ < 0; }
  // Stops reading and closes the descriptor; safe from a slot of this device.
  void Close();

 signals:
  void AxisMoved(int axis, bool initial);
  void ButtonChanged(int button, bool pressed, bool initial);
  void Lost();

 private:
  void ReadEvents();

  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  QByteArray pending_;  // bytes of an event not yet complete
  JoystickCaps caps_;
  JoystickState state_;
};

class JoystickSystem {
 public:
  virtual ~JoystickSystem() = default;
  // The capabilities of the device on `port` (0 or 1); nothing when there is none.
  virtual std::optional<JoystickCaps> DevCaps(int port) = 0;
  // The device on `port` opened for its events; nullptr when there is none or
  // it cannot be opened.
  virtual std::unique_ptr<JoystickDevice> Open(int port) = 0;
};

// The system in use: the Linux driver unless a test installed another.
JoystickSystem& Joysticks();
// Installs `system` (not owned); nullptr brings the driver back.
void SetJoystickSystem(JoystickSystem* system);

// The Linux driver: port n is <folder>/js<n>.
class LinuxJoysticks : public JoystickSystem {
 public:
  explicit LinuxJoysticks(const QString& deviceFolder = "/dev/input") : folder_(deviceFolder) {}
  QString DevicePath(int port) const;
  std::optional<JoystickCaps> DevCaps(int port) override;
  std::unique_ptr<JoystickDevice> Open(int port) override;

 private:
  QString folder_;
};

// Scripted devices for tests; installs itself for its lifetime. A port with
// caps has a device; Open hands out the reading end of a fresh pipe, and the
// script writes driver events into it. As the driver does, an opened device
// first reports the state of each of its buttons and axes: released and
// centred unless the script gave another.
class ScriptedJoysticks : public JoystickSystem {
 public:
  ScriptedJoysticks();
  ~ScriptedJoysticks() override;

  std::optional<JoystickCaps> DevCaps(int port) override;
  std::unique_ptr<JoystickDevice> Open(int port) override;

  // Writes one driver event (value in the driver's signed range) to the open
  // device of `port`; false when the port has no open device.
  bool Axis(int port, int axis, std::int16_t value, bool initial = false);
  bool Button(int port, int button, bool pressed, bool initial = false);
  // Writes raw bytes, as a driver delivering part of an event would.
  bool Write(int port, const QByteArray& bytes);
  // The state a port's device reports when it is opened.
  void InitialAxis(int port, int axis, std::int16_t value);
  void InitialButton(int port, int button, bool pressed);
  // Bytes written to the open device of `port` that it has not read yet.
  int Unread(int port) const;
  // Ends the device's stream, as an unplugged device does.
  void Unplug(int port);
  bool IsOpen(int port) const;

  std::array<std::optional<JoystickCaps>, kJoystickPorts> caps;
  std::array<bool, kJoystickPorts> busy{};  // refuse to open, as a port in use
  int opens = 0;
  int capsReads = 0;

 private:
  void CloseWriter(int port);
  std::array<int, kJoystickPorts> writer_{-1, -1};
  std::array<std::map<int, std::int16_t>, kJoystickPorts> initialAxes_;
  std::array<std::map<int, bool>, kJoystickPorts> initialButtons_;
  std::array<QPointer<JoystickDevice>, kJoystickPorts> devices_;
  std::uint32_t time_ = 0;
};

}  // namespace tvx
