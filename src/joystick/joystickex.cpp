#include "joystick/joystickex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>

#include "platform/dataroot.h"
#include "platform/inifile.h"
#include "platform/textutil.h"

namespace tvx {

// --- Calibration file ---

namespace {

// The keys of the calibration file, in the file's order, with their defaults.
struct CalibrationKey {
  const char* section;
  const char* key;
  int JoystickCalibration::*field;
  int fallback;
  bool stick;  // part of the stick's calibration, else of the throttle's
};
constexpr CalibrationKey kCalibrationKeys[] = {
    {"Range", "MaxLeftUPX", &JoystickCalibration::MaxLeftUpX, -32767, true},
    {"range", "MaxLeftUPy", &JoystickCalibration::MaxLeftUpY, -32767, true},
    {"range", "MaxrightDownx", &JoystickCalibration::MaxRightDownX, 32767, true},
    {"range", "MaxrightDowny", &JoystickCalibration::MaxRightDownY, 32767, true},
    {"range", "MaxZ", &JoystickCalibration::MaxZ, 32000, false},
    {"range", "MinZ", &JoystickCalibration::MinZ, 0, false},
    {"Center", "CenterX", &JoystickCalibration::CenterX, 0, true},
    {"Center", "CenterY", &JoystickCalibration::CenterY, 0, true},
};

// A key holding a number (one that is not counts as absent, as it reads as
// its default).
bool HasNumber(const IniFile& ini, const QString& section, const QString& key) {
  return ini.ReadInteger(section, key, 0) == ini.ReadInteger(section, key, 1);
}

}  // namespace

void ReadCalibration(const IniFile& ini, JoystickCalibration& cal) {
  for (const CalibrationKey& k : kCalibrationKeys) cal.*k.field = ini.ReadInteger(k.section, k.key, k.fallback);
}

void WriteCalibration(IniFile& ini, const JoystickCalibration& cal, CalibrationParts parts) {
  for (std::size_t i = 0; i < std::size(kCalibrationKeys); ++i) {
    const CalibrationKey& k = kCalibrationKeys[i];
    if (!(k.stick ? parts.Stick : parts.Throttle)) continue;
    // A section new to the file is spelled as its first key has it ("Range"),
    // and a key new to the file goes before those that follow it here.
    QString section;
    QStringList later;
    for (std::size_t j = 0; j < std::size(kCalibrationKeys); ++j) {
      const CalibrationKey& l = kCalibrationKeys[j];
      if (QString(l.section).compare(k.section, Qt::CaseInsensitive) != 0) continue;
      if (section.isEmpty()) section = l.section;
      if (j > i) later << l.key;
    }
    ini.WriteInteger(section, k.key, cal.*k.field, later);
  }
}

std::optional<ThrottleRange> MeasuredThrottleRange(const IniFile& ini) {
  if (!HasNumber(ini, "range", "MaxZ") && !HasNumber(ini, "range", "MinZ")) return std::nullopt;
  JoystickCalibration cal;
  ReadCalibration(ini, cal);
  if (cal.MaxZ <= cal.MinZ || (cal.MinZ == 0 && cal.MaxZ == 32000)) return std::nullopt;
  return ThrottleRange{cal.MinZ, cal.MaxZ};
}

// --- Scaling ---

namespace {
// The calibration file may hold any 32-bit value, so differences of two of
// them are taken in 64 bits.
double Span(int high, int low) { return static_cast<double>(static_cast<long long>(high) - low); }

int ClampToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
}  // namespace

JoystickScaleFactors ComputeScaleFactors(JoystickCalibration& cal, int xScaledBy, int yScaledBy, int zScaledBy) {
  JoystickScaleFactors f;
  f.XPos = Span(cal.MaxRightDownX, cal.CenterX) / xScaledBy;
  f.XNeg = Span(cal.CenterX, cal.MaxLeftUpX) / xScaledBy;
  f.YPos = Span(cal.MaxRightDownY, cal.CenterY) / yScaledBy;
  f.YNeg = Span(cal.CenterY, cal.MaxLeftUpY) / yScaledBy;
  if (cal.MaxZ == 0) cal.MaxZ = 32767;
  f.Z = Span(cal.MaxZ, cal.MinZ) / zScaledBy;
  for (double* factor : {&f.XPos, &f.XNeg, &f.YPos, &f.YNeg})
    if (*factor < 1.0) *factor = 1.0;
  return f;
}

int ScaleAxis(std::uint16_t raw, int centre, double posFactor, double negFactor) {
  const double d = Span(raw, centre);
  const double factor = static_cast<int>(raw) >= centre ? posFactor : negFactor;
  // A centre far outside the device's range gives deflections beyond any int.
  return ClampToInt(RoundHalfEven(std::clamp(d / factor, -4e9, 4e9)));
}

int ScaleThrottle(int z, int minZ, double zFactor, int zScaledBy) {
  const double factor = zFactor > 0 ? zFactor : 1.0;
  const long long scaled = RoundHalfEven(std::clamp(Span(z, minZ) / factor, -4e9, 4e9));
  return static_cast<int>(std::clamp<long long>(scaled, 0, zScaledBy));
}

double AcceptEventThreshold(double current, double requested) {
  if (requested == 0) return current;
  if (requested < 0) return 0;
  if (requested > 10) return 10;
  return requested;
}

int AcceptScaleValue(int value) { return std::clamp(value, 1, 32767); }

// --- The component ---

QString TJoystickex::CalibrationFolder;

TJoystickex::TJoystickex(QObject* owner) : QObject(owner) {
  pollTimer_ = new QTimer(this);
  pollTimer_->setTimerType(Qt::PreciseTimer);
  connect(pollTimer_, &QTimer::timeout, this, &TJoystickex::Poll);
}

TJoystickex::~TJoystickex() {
  ReleaseCapture();
  if (calAutoSave_) SaveCalibration();
}

void TJoystickex::SetGamePort(TGamePort value) {
  // The capabilities come from the port set so far; a port without a device
  // leaves the record as it was.
  if (const std::optional<JoystickCaps> caps = Joysticks().DevCaps(Port())) caps_ = *caps;
  cal_.MaxLeftUpX = caps_.XMin;
  cal_.MaxLeftUpY = caps_.YMin;
  cal_.MaxRightDownX = caps_.XMax;
  cal_.MaxRightDownY = caps_.YMax;
  cal_.MaxZ = caps_.ZMax;
  cal_.MinZ = caps_.ZMin;
  periodMin_ = caps_.PeriodMin;
  periodMax_ = caps_.PeriodMax;
  numButtons_ = caps_.NumButtons;
  const bool wasActive = active_;
  if (wasActive) StopCapture();
  gamePort_ = value;
  if (wasActive) StartCapture();
}

void TJoystickex::SetPolling(bool value) {
  polling_ = value;
  if (active_) {
    StopCapture();
    StartCapture();
  }
}

void TJoystickex::SetInterval(int value) {
  interval_ = value;
  if (active_) StartCapture();
}

void TJoystickex::SetEventThreshold(double value) {
  eventThreshold_ = AcceptEventThreshold(eventThreshold_, value);
  systemThreshold_ = static_cast<int>(RoundHalfEven((caps_.XMax - caps_.XMin) * eventThreshold_ / 100));
}

void TJoystickex::SetXScaledBy(int value) {
  xScaledBy_ = AcceptScaleValue(value);
  ComputeScaleFactors();
}

void TJoystickex::SetYScaledBy(int value) {
  yScaledBy_ = AcceptScaleValue(value);
  ComputeScaleFactors();
}

void TJoystickex::SetZScaledBy(int value) {
  zScaledBy_ = AcceptScaleValue(value);
  ComputeScaleFactors();
}

void TJoystickex::SetCalAutoLoad(bool value) {
  calAutoLoad_ = value;
  if (value) LoadCalibration();
}

// --- Capture ---

int TJoystickex::PollPeriod() const {
  const int low = caps_.PeriodMin > 0 ? caps_.PeriodMin : 10;
  const int high = std::max(low, caps_.PeriodMax);
  return std::clamp(interval_, low, high);
}

void TJoystickex::ReleaseCapture() {
  pollTimer_->stop();
  if (device_) {
    device_->disconnect(this);
    // The device may be reporting right now (a slot changed a setting).
    device_->Close();
    device_->deleteLater();
  }
  device_ = nullptr;
}

bool TJoystickex::StartCapture() {
  ReleaseCapture();
  std::unique_ptr<JoystickDevice> device = Joysticks().Open(Port());
  if (!device) {
    active_ = false;
    return false;
  }
  device->setParent(this);
  device_ = device.release();
  // The capture's threshold is worked out from the device now captured, not
  // from capabilities read earlier for some port.
  caps_ = device_->Caps();
  // Without a throttle range a lever measured (a first run), the throttle
  // spans what the device reports rather than the file's default of
  // 0..32000, which would leave half of the lever without effect.
  if (!measuredZ_ && caps_.NumAxes >= 3 && caps_.ZMax > caps_.ZMin) {
    cal_.MinZ = std::min(cal_.MinZ, caps_.ZMin);
    cal_.MaxZ = std::max(cal_.MaxZ, caps_.ZMax);
  }
  systemThreshold_ = static_cast<int>(RoundHalfEven(caps_.XMax * eventThreshold_ / 100));
  sent_ = device_->State();
  // The driver reports where every axis stands as the device is opened; that
  // is where the lever rests, and where its travel is measured from.
  const std::uint16_t atCapture[] = {sent_.X, sent_.Y, sent_.Z};
  for (int axis = 0; axis < std::min(caps_.NumAxes, 3); ++axis) reports_[axis].Add(atCapture[axis], systemThreshold_);
  connect(device_, &JoystickDevice::AxisMoved, this, &TJoystickex::DeviceAxisMoved);
  connect(device_, &JoystickDevice::ButtonChanged, this, &TJoystickex::DeviceButtonChanged);
  connect(device_, &JoystickDevice::Lost, this, [this] {
    // An unplugged stick must not keep sending its last deflection.
    ReleaseCapture();
    active_ = false;
  });
  if (polling_) pollTimer_->start(PollPeriod());
  active_ = true;
  ComputeScaleFactors();
  return true;
}

void TJoystickex::StopCapture() {
  ReleaseCapture();
  active_ = false;
}

std::uint32_t TJoystickex::PackedPosition() const {
  const JoystickState& s = device_->State();
  return static_cast<std::uint32_t>(s.X) | (static_cast<std::uint32_t>(s.Y) << 16);
}

std::uint32_t TJoystickex::ButtonBits() const { return device_->State().Buttons & 0xF; }

void TJoystickex::DeviceAxisMoved(int axis, bool initial) {
  const JoystickState now = device_->State();
  const std::uint16_t values[] = {now.X, now.Y, now.Z};
  if (axis >= 0 && axis < 3) reports_[axis].Add(values[axis], systemThreshold_);
  if (initial || polling_) {
    // The state at opening is the starting point, not a movement; while
    // polling the timer sends the position.
    if (initial) sent_ = now;
    return;
  }
  const int t = systemThreshold_;
  if (axis == 2) {
    if (std::abs(now.Z - sent_.Z) > t) {
      sent_.Z = now.Z;
      WndProc(JoyMessage::ZMove, ButtonBits(), now.Z);
    }
    return;
  }
  if (std::abs(now.X - sent_.X) > t || std::abs(now.Y - sent_.Y) > t) {
    sent_.X = now.X;
    sent_.Y = now.Y;
    WndProc(JoyMessage::Move, ButtonBits(), PackedPosition());
  }
}

void TJoystickex::DeviceButtonChanged(int button, bool pressed, bool initial) {
  if (initial || button >= 4) return;
  const std::uint32_t wParam = (kJoyButton1Chg << button) | ButtonBits();
  WndProc(pressed ? JoyMessage::ButtonDown : JoyMessage::ButtonUp, wParam, PackedPosition());
}

void TJoystickex::Poll() {
  if (!device_) return;
  const JoystickState now = device_->State();
  WndProc(JoyMessage::Move, ButtonBits(), PackedPosition());
  // A device without a throttle has no Z to report.
  if (device_ && caps_.NumAxes >= 3) WndProc(JoyMessage::ZMove, ButtonBits(), now.Z);
}

void TJoystickex::WndProc(JoyMessage message, std::uint32_t wParam, std::uint32_t lParam) {
  const auto x = static_cast<std::uint16_t>(lParam & 0xFFFF);
  const auto y = static_cast<std::uint16_t>(lParam >> 16);
  const auto buttons = static_cast<std::uint16_t>(wParam & 0xFFFF);
  switch (message) {
    case JoyMessage::Move:
      if (isCalibrating_) {
        auto widen = [this](int v, int& low, int& high) {
          if (v < low) {
            low = v;
            ComputeScaleFactors();
          }
          if (v > high) {
            high = v;
            ComputeScaleFactors();
          }
        };
        widen(x, cal_.MaxLeftUpX, cal_.MaxRightDownX);
        widen(y, cal_.MaxLeftUpY, cal_.MaxRightDownY);
      }
      if (scaled_)
        emit JoyMove(ScaleX(x), ScaleY(y), buttons, isCalibrating_);
      else
        emit JoyMove(x, y, buttons, isCalibrating_);
      break;
    case JoyMessage::ZMove: {
      const int z = static_cast<int>(lParam);
      bool widened = false;
      if (z < cal_.MinZ) {
        cal_.MinZ = z;
        widened = true;
      }
      if (z > cal_.MaxZ) {
        cal_.MaxZ = z & 0xFFFF;
        widened = true;
      }
      // At once, not from the next start: the lever's whole travel must span
      // the scale on the flight where the range was first seen.
      if (widened) ComputeScaleFactors();
      emit JoyZMove(scaled_ ? ScaleThrottle(z, cal_.MinZ, factors_.Z, zScaledBy_) : z, buttons, isCalibrating_);
      break;
    }
    case JoyMessage::ButtonDown:
    case JoyMessage::ButtonUp: {
      const int px = scaled_ ? ScaleX(x) : x;
      const int py = scaled_ ? ScaleY(y) : y;
      for (int n = 0; n < 4; ++n) {
        if (!(wParam & (kJoyButton1Chg << n))) continue;
        const bool pressed = (wParam & (kJoyButton1 << n)) != 0;
        switch (n) {
          case 0: emit OnButton1_Change(pressed, px, py); break;
          case 1: emit OnButton2_Change(pressed, px, py); break;
          case 2: emit OnButton3_Change(pressed, px, py); break;
          default: emit OnButton4_Change(pressed, px, py); break;
        }
      }
      break;
    }
  }
}

// --- Calibration ---

QString TJoystickex::CalibrationPath() {
  const QString program = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
  const QString name = (program.isEmpty() ? QString("tarvinex") : QFileInfo(program).fileName()) + ".INI";
  // The program's folder is a build folder or one the user cannot write; the
  // data root is the user's own and is where every other file of the program
  // lives.
  return (CalibrationFolder.isEmpty() ? DataRoot() : CalibrationFolder) + "/" + name;
}

void TJoystickex::AxisReports::Add(int value, int threshold) {
  Low = Any ? std::min(Low, value) : value;
  High = Any ? std::max(High, value) : value;
  Any = true;
  // A lever left alone may still twitch by a few units; that is no travel.
  if (static_cast<long long>(High) - Low > threshold) Moved = true;
}

void TJoystickex::SetCalibration(const JoystickCalibration& cal) {
  cal_ = cal;
  measuredZ_ = ThrottleRange{cal.MinZ, cal.MaxZ};
  handedOver_ = true;
}

CalibrationParts TJoystickex::MeasuredParts() const {
  return {handedOver_ || reports_[0].Moved || reports_[1].Moved, handedOver_ || reports_[2].Moved};
}

JoystickCalibration TJoystickex::CalibrationToSave() const {
  JoystickCalibration cal = cal_;
  std::optional<ThrottleRange> z = measuredZ_;
  const AxisReports& lever = reports_[2];
  // Only a lever that moved has shown its travel. Where it merely rested is
  // no range: saved, it would give full power a little way from idle.
  if (lever.Moved)
    z = z ? ThrottleRange{std::min(z->Min, lever.Low), std::max(z->Max, lever.High)} : ThrottleRange{lever.Low, lever.High};
  if (z) {
    cal.MinZ = z->Min;
    cal.MaxZ = z->Max;
  }
  return cal;
}

bool TJoystickex::SaveCalibration() {
  // The file keeps what earlier runs measured: a run writes only what it has
  // measured itself, so the defaults of a run without a stick (or without a
  // throttle) never become the next run's calibration.
  const CalibrationParts parts = MeasuredParts();
  if (!parts.Stick && !parts.Throttle) return true;
  IniFile ini(CalibrationPath());
  // Other lines of the file stay; a file that cannot be read is not replaced.
  if (ini.Load() == IniFile::LoadResult::Failed) return false;
  QDir().mkpath(QFileInfo(ini.Path()).absolutePath());
  WriteCalibration(ini, CalibrationToSave(), parts);
  return ini.Save();
}

bool TJoystickex::LoadCalibration() {
  IniFile ini(CalibrationPath());
  if (ini.Load() == IniFile::LoadResult::Failed) return false;
  ReadCalibration(ini, cal_);
  measuredZ_ = MeasuredThrottleRange(ini);
  handedOver_ = false;
  return true;
}

void TJoystickex::ComputeScaleFactors() {
  factors_ = tvx::ComputeScaleFactors(cal_, xScaledBy_, yScaledBy_, zScaledBy_);
}

int TJoystickex::ScaleX(std::uint16_t raw) const { return ScaleAxis(raw, cal_.CenterX, factors_.XPos, factors_.XNeg); }

int TJoystickex::ScaleY(std::uint16_t raw) const { return ScaleAxis(raw, cal_.CenterY, factors_.YPos, factors_.YNeg); }

}  // namespace tvx
