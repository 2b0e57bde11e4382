#pragma once
// The joystick component: captures one joystick port and turns its positions
// into events, scaled to chosen full-scale values, with the axis ranges and
// centre kept in a calibration file in the data root.
//
// Positions arrive the way the system's joystick messages carry them: X and Y
// as unsigned 16-bit values (0..65535) packed into one 32-bit parameter, Z on
// its own, and a button word with the state bits of buttons 1-4 in bits 0-3
// and, in button messages, their change bits in bits 8-11. With polling the
// position is sent again every `Interval` ms; without, only when it moved by
// more than the threshold.
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "platform/joystickdevice.h"

class QTimer;

namespace tvx {

class IniFile;

enum class TGamePort { Gameport1, Gameport2 };

// Axis ranges and centre, in the raw units of the messages; the calibration
// file holds them. The first values are the component's own; a file without a
// key gives ReadCalibration's defaults (MaxZ 32000 there).
struct JoystickCalibration {
  int MaxLeftUpX = -32767, MaxLeftUpY = -32767;
  int MaxRightDownX = 32767, MaxRightDownY = 32767;
  int MaxZ = 32767, MinZ = 0;
  int CenterX = 0, CenterY = 0;
};

// The parts of a calibration that are written: the stick's X/Y ranges with
// its centre, and the throttle's range.
struct CalibrationParts {
  bool Stick = true;
  bool Throttle = true;
};

// Reads every key of the calibration file, each with its default when absent.
void ReadCalibration(const IniFile& ini, JoystickCalibration& cal);
// Writes the keys of `parts` in the file's order: the "Range" keys, then
// "Center". Keys of other parts stay as they are, absent ones absent; a key
// new to the file takes its place in that order among those already there.
void WriteCalibration(IniFile& ini, const JoystickCalibration& cal, CalibrationParts parts = {});

// A throttle range in raw units.
struct ThrottleRange {
  int Min = 0, Max = 0;
};
// The throttle range a calibration file holds when a lever measured it: its
// "MaxZ" and "MinZ" (an absent one taking its default) when the file has
// either and they span something. 0..32000 is no range: those are the
// defaults that earlier versions wrote after runs that measured nothing, and
// no real lever reports them.
std::optional<ThrottleRange> MeasuredThrottleRange(const IniFile& ini);

// Raw units per scaled unit on each side of the centre, and for the throttle.
struct JoystickScaleFactors {
  double XPos = 1, XNeg = 1, YPos = 1, YNeg = 1, Z = 1;
};
// The factors for the full-scale values; a MaxZ of 0 is taken as 32767 (and
// stored so). X and Y factors below 1 become 1; Z is left as computed.
JoystickScaleFactors ComputeScaleFactors(JoystickCalibration& cal, int xScaledBy, int yScaledBy, int zScaledBy);
// A raw position on one axis scaled from its centre (round half to even).
int ScaleAxis(std::uint16_t raw, int centre, double posFactor, double negFactor);
// A raw throttle position scaled and kept within 0..zScaledBy; a factor of 0
// or below (MinZ above MaxZ, or the two equal) counts as 1.
int ScaleThrottle(int z, int minZ, double zFactor, int zScaledBy);
// The threshold value the setter stores: above 0 up to 10 as given, negative
// 0, above 10 10, exactly 0 keeps `current`.
double AcceptEventThreshold(double current, double requested);
// A full-scale value within 1..32767 (0 becomes 1).
int AcceptScaleValue(int value);

// The messages of a captured port.
enum class JoyMessage { Move, ZMove, ButtonDown, ButtonUp };
constexpr std::uint32_t kJoyButton1 = 0x0001;     // state bit of button 1
constexpr std::uint32_t kJoyButton1Chg = 0x0100;  // change bit of button 1

class TJoystickex : public QObject {
  Q_OBJECT
 public:
  explicit TJoystickex(QObject* owner = nullptr);
  // Releases the capture and, with CalAutoSave, saves the calibration.
  ~TJoystickex() override;

  // --- Settings, in the order a form sets them ---
  TGamePort GamePort() const { return gamePort_; }
  void SetGamePort(TGamePort value);
  bool Polling() const { return polling_; }
  void SetPolling(bool value);
  int Interval() const { return interval_; }
  void SetInterval(int value);
  double EventThreshold() const { return eventThreshold_; }
  void SetEventThreshold(double value);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value) { scaled_ = value; }
  int XScaledBy() const { return xScaledBy_; }
  void SetXScaledBy(int value);
  int YScaledBy() const { return yScaledBy_; }
  void SetYScaledBy(int value);
  int ZScaledBy() const { return zScaledBy_; }
  void SetZScaledBy(int value);
  bool CalAutoSave() const { return calAutoSave_; }
  void SetCalAutoSave(bool value) { calAutoSave_ = value; }
  bool CalAutoLoad() const { return calAutoLoad_; }
  void SetCalAutoLoad(bool value);
  int MaxZ() const { return cal_.MaxZ; }
  int MinZ() const { return cal_.MinZ; }
  int NumButtons() const { return numButtons_; }

  // --- Capture ---
  // Captures the port; false (and nothing shown) when there is no device or
  // it cannot be opened.
  bool StartCapture();
  void StopCapture();
  bool Active() const { return active_; }

  // --- Calibration ---
  // While calibrating, stick messages widen the X and Y ranges.
  bool IsCalibrating() const { return isCalibrating_; }
  void SetIsCalibrating(bool value) { isCalibrating_ = value; }
  const JoystickCalibration& Calibration() const { return cal_; }
  // A calibration handed over counts as measured, all of it.
  void SetCalibration(const JoystickCalibration& cal);
  // Writes to the calibration file what the run measured; nothing else of
  // the file changes (see MeasuredParts). A failed write leaves the file as
  // it was; with nothing measured the file is not touched.
  bool SaveCalibration();
  // The parts of the calibration the run measured: the stick's once a
  // captured device's X or Y axis has moved, the throttle's once its Z axis
  // has (moved: reported positions further apart than the event threshold);
  // all of it when a calibration was handed over.
  CalibrationParts MeasuredParts() const;
  // The calibration as it is saved: the throttle's range is what the lever
  // reported in the run, widened from the range the file held, if a lever
  // measured that.
  JoystickCalibration CalibrationToSave() const;
  // Reads the calibration file (its defaults without one); an unreadable file
  // leaves the calibration as it was. The scale factors are not recomputed.
  bool LoadCalibration();
  // The program's name with ".INI" appended, in the data root.
  static QString CalibrationPath();
  // Tests keep the file in a folder of their own ("" = the normal place).
  static QString CalibrationFolder;

  // --- Scaling ---
  void ComputeScaleFactors();
  const JoystickScaleFactors& ScaleFactors() const { return factors_; }
  int ScaleX(std::uint16_t raw) const;
  int ScaleY(std::uint16_t raw) const;

  // The threshold handed to the capture, in raw units of X.
  int SystemThreshold() const { return systemThreshold_; }
  // The period the position is re-sent at while polling, ms.
  int PollPeriod() const;
  // Capabilities last read from the device.
  const JoystickCaps& DevCaps() const { return caps_; }

  // One message of the captured port, as the capture delivers it.
  void WndProc(JoyMessage message, std::uint32_t wParam, std::uint32_t lParam);

 signals:
  void OnButton1_Change(bool pressed, int Xpos, int YPos);
  void OnButton2_Change(bool pressed, int Xpos, int YPos);
  void OnButton3_Change(bool pressed, int Xpos, int YPos);
  void OnButton4_Change(bool pressed, int Xpos, int YPos);
  void JoyZMove(int ZPos, std::uint16_t ButtonStatus, bool IsCalibrating);
  void JoyMove(int XPos, int YPos, std::uint16_t ButtonStatus, bool IsCalibrating);

 private:
  int Port() const { return gamePort_ == TGamePort::Gameport1 ? 0 : 1; }
  void ReleaseCapture();
  void DeviceAxisMoved(int axis, bool initial);
  void DeviceButtonChanged(int button, bool pressed, bool initial);
  void Poll();
  std::uint32_t PackedPosition() const;
  std::uint32_t ButtonBits() const;

  TGamePort gamePort_ = TGamePort::Gameport1;
  bool polling_ = false;
  int interval_ = 50;
  double eventThreshold_ = 0.1;
  bool scaled_ = true;
  int xScaledBy_ = 400, yScaledBy_ = 300, zScaledBy_ = 100;
  bool calAutoSave_ = true;
  bool calAutoLoad_ = true;

  bool active_ = false;
  bool isCalibrating_ = false;
  JoystickCalibration cal_;
  // The positions one axis of the captured devices reported in the run, the
  // one at capture included.
  struct AxisReports {
    int Low = 0, High = 0;
    bool Any = false;
    bool Moved = false;  // spread over more than the event threshold
    void Add(int value, int threshold);
  };
  std::array<AxisReports, 3> reports_;  // X, Y, Z
  // The throttle range a lever measured before this run: the file's, or the
  // one handed over. Without it the throttle spans the device's range.
  std::optional<ThrottleRange> measuredZ_;
  bool handedOver_ = false;  // a calibration was handed over after the last load
  int periodMin_ = 10, periodMax_ = 1000, numButtons_ = 2;
  JoystickCaps caps_;  // as last read; all 0 until a device answered
  JoystickScaleFactors factors_;
  int systemThreshold_ = 0;

  QPointer<JoystickDevice> device_;
  QTimer* pollTimer_ = nullptr;
  JoystickState sent_;  // the position last sent, for change-driven capture
};

}  // namespace tvx
