#include "platform/joystickdevice.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tvx {

JoystickCaps CapsFor(int axes, int buttons, const QString& name) {
  JoystickCaps c;
  c.NumAxes = axes;
  c.NumButtons = buttons;
  c.XMax = axes >= 1 ? 65535 : 0;
  c.YMax = axes >= 2 ? 65535 : 0;
  c.ZMax = axes >= 3 ? 65535 : 0;
  c.PeriodMin = 10;
  c.PeriodMax = 1000;
  c.Name = name;
  return c;
}

std::uint16_t AxisToUnsigned(std::int16_t value) {
  return static_cast<std::uint16_t>(std::clamp(static_cast<int>(value) + 32768, 0, 65535));
}

JoyEventEffect ApplyJsEvent(JoystickState& state, const js_event& event) {
  JoyEventEffect effect;
  effect.initial = (event.type & JS_EVENT_INIT) != 0;
  effect.index = event.number;
  switch (event.type & ~JS_EVENT_INIT) {
    case JS_EVENT_AXIS: {
      std::uint16_t* axis = event.number == 0 ? &state.X : event.number == 1 ? &state.Y
                          : event.number == 2 ? &state.Z : nullptr;
      if (!axis) break;
      *axis = AxisToUnsigned(event.value);
      effect.kind = JoyEventEffect::Axis;
      break;
    }
    case JS_EVENT_BUTTON: {
      if (event.number >= 32) break;
      const std::uint32_t bit = 1u << event.number;
      effect.pressed = event.value != 0;
      state.Buttons = effect.pressed ? (state.Buttons | bit) : (state.Buttons & ~bit);
      effect.kind = JoyEventEffect::Button;
      break;
    }
    default:
      break;
  }
  return effect;
}

JoystickDevice::JoystickDevice(int fd, const JoystickCaps& caps, QObject* parent)
    : QObject(parent), fd_(fd), caps_(caps) {
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &JoystickDevice::ReadEvents);
  ReadEvents();
}

JoystickDevice::~JoystickDevice() { Close(); }

void JoystickDevice::Close() {
  if (fd_ < 0) return;
  notifier_->setEnabled(false);
  ::close(fd_);
  fd_ = -1;
}

void JoystickDevice::ReadEvents() {
  char buffer[64 * sizeof(js_event)];
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    if (n <= 0) {
      Close();
      emit Lost();
      return;
    }
    pending_.append(buffer, static_cast<qsizetype>(n));
    qsizetype used = 0;
    while (pending_.size() - used >= static_cast<qsizetype>(sizeof(js_event))) {
      js_event event;
      std::memcpy(&event, pending_.constData() + used, sizeof event);
      used += static_cast<qsizetype>(sizeof event);
      const JoyEventEffect effect = ApplyJsEvent(state_, event);
      // A handler may close the device (a capture stopped from a slot).
      if (effect.kind == JoyEventEffect::Axis) emit AxisMoved(effect.index, effect.initial);
      if (effect.kind == JoyEventEffect::Button) emit ButtonChanged(effect.index, effect.pressed, effect.initial);
      if (fd_ < 0) return;
    }
    pending_.remove(0, used);
  }
}

namespace {

JoystickSystem* g_system = nullptr;

// The capabilities of an open joystick descriptor; nothing when it is none.
std::optional<JoystickCaps> ReadCaps(int fd) {
  std::uint8_t axes = 0;
  std::uint8_t buttons = 0;
  if (::ioctl(fd, JSIOCGAXES, &axes) < 0 || ::ioctl(fd, JSIOCGBUTTONS, &buttons) < 0) return std::nullopt;
  char name[128] = {};
  if (::ioctl(fd, JSIOCGNAME(sizeof name - 1), name) < 0) name[0] = 0;
  return CapsFor(axes, buttons, QString::fromLocal8Bit(name));
}

bool ValidPort(int port) { return port >= 0 && port < kJoystickPorts; }

}  // namespace

JoystickSystem& Joysticks() {
  static LinuxJoysticks driver;
  return g_system ? *g_system : driver;
}

void SetJoystickSystem(JoystickSystem* system) { g_system = system; }

QString LinuxJoysticks::DevicePath(int port) const { return folder_ + "/js" + QString::number(port); }

std::optional<JoystickCaps> LinuxJoysticks::DevCaps(int port) {
  if (!ValidPort(port)) return std::nullopt;
  const int fd = ::open(QFile::encodeName(DevicePath(port)).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  const std::optional<JoystickCaps> caps = ReadCaps(fd);
  ::close(fd);
  return caps;
}

std::unique_ptr<JoystickDevice> LinuxJoysticks::Open(int port) {
  if (!ValidPort(port)) return nullptr;
  const int fd = ::open(QFile::encodeName(DevicePath(port)).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  const std::optional<JoystickCaps> caps = ReadCaps(fd);
  if (!caps) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<JoystickDevice>(fd, *caps);
}

namespace {
QByteArray EventBytes(std::uint32_t time, std::int16_t value, std::uint8_t type, std::uint8_t number) {
  js_event e{};
  e.time = time;
  e.value = value;
  e.type = type;
  e.number = number;
  return QByteArray(reinterpret_cast<const char*>(&e), sizeof e);
}
}  // namespace

ScriptedJoysticks::ScriptedJoysticks() { SetJoystickSystem(this); }

ScriptedJoysticks::~ScriptedJoysticks() {
  for (int port = 0; port < kJoystickPorts; ++port) CloseWriter(port);
  SetJoystickSystem(nullptr);
}

std::optional<JoystickCaps> ScriptedJoysticks::DevCaps(int port) {
  ++capsReads;
  return ValidPort(port) ? caps[static_cast<std::size_t>(port)] : std::nullopt;
}

std::unique_ptr<JoystickDevice> ScriptedJoysticks::Open(int port) {
  if (!ValidPort(port)) return nullptr;
  const auto p = static_cast<std::size_t>(port);
  if (!caps[p] || busy[p]) return nullptr;
  int fds[2];
  if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) < 0) return nullptr;
  CloseWriter(port);
  writer_[p] = fds[1];
  // The driver's report at opening: the buttons, then the axes.
  QByteArray atOpen;
  for (int b = 0; b < caps[p]->NumButtons; ++b) {
    const auto given = initialButtons_[p].find(b);
    const bool pressed = given != initialButtons_[p].end() && given->second;
    atOpen += EventBytes(0, pressed ? 1 : 0, JS_EVENT_BUTTON | JS_EVENT_INIT, static_cast<std::uint8_t>(b));
  }
  for (int a = 0; a < caps[p]->NumAxes; ++a) {
    const auto given = initialAxes_[p].find(a);
    const std::int16_t value = given != initialAxes_[p].end() ? given->second : 0;
    atOpen += EventBytes(0, value, JS_EVENT_AXIS | JS_EVENT_INIT, static_cast<std::uint8_t>(a));
  }
  if (!atOpen.isEmpty() && ::write(fds[1], atOpen.constData(), static_cast<size_t>(atOpen.size())) < 0) {
    CloseWriter(port);
    ::close(fds[0]);
    return nullptr;
  }
  auto device = std::make_unique<JoystickDevice>(fds[0], *caps[p]);
  devices_[p] = device.get();
  ++opens;
  return device;
}

bool ScriptedJoysticks::IsOpen(int port) const {
  if (!ValidPort(port)) return false;
  const auto p = static_cast<std::size_t>(port);
  return writer_[p] >= 0 && devices_[p] && !devices_[p]->IsLost();
}

void ScriptedJoysticks::CloseWriter(int port) {
  const auto p = static_cast<std::size_t>(port);
  if (writer_[p] >= 0) ::close(writer_[p]);
  writer_[p] = -1;
}

bool ScriptedJoysticks::Write(int port, const QByteArray& bytes) {
  // Writing into a pipe whose reader is gone would raise SIGPIPE.
  if (!IsOpen(port)) {
    if (ValidPort(port)) CloseWriter(port);
    return false;
  }
  return ::write(writer_[static_cast<std::size_t>(port)], bytes.constData(), static_cast<size_t>(bytes.size())) ==
         bytes.size();
}


bool ScriptedJoysticks::Axis(int port, int axis, std::int16_t value, bool initial) {
  time_ += 10;
  const std::uint8_t type = JS_EVENT_AXIS | (initial ? JS_EVENT_INIT : 0);
  return Write(port, EventBytes(time_, value, type, static_cast<std::uint8_t>(axis)));
}

bool ScriptedJoysticks::Button(int port, int button, bool pressed, bool initial) {
  time_ += 10;
  const std::uint8_t type = JS_EVENT_BUTTON | (initial ? JS_EVENT_INIT : 0);
  return Write(port, EventBytes(time_, pressed ? 1 : 0, type, static_cast<std::uint8_t>(button)));
}

void ScriptedJoysticks::InitialAxis(int port, int axis, std::int16_t value) {
  if (ValidPort(port)) initialAxes_[static_cast<std::size_t>(port)][axis] = value;
}

void ScriptedJoysticks::InitialButton(int port, int button, bool pressed) {
  if (ValidPort(port)) initialButtons_[static_cast<std::size_t>(port)][button] = pressed;
}

int ScriptedJoysticks::Unread(int port) const {
  if (!IsOpen(port)) return 0;
  int bytes = 0;
  // Either end of a pipe tells how much it holds.
  if (::ioctl(writer_[static_cast<std::size_t>(port)], FIONREAD, &bytes) < 0) return 0;
  return bytes;
}

void ScriptedJoysticks::Unplug(int port) {
  if (ValidPort(port)) CloseWriter(port);
}

}  // namespace tvx
