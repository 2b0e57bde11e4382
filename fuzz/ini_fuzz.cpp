// The joystick's calibration file: the INI text, the calibration read from
// it and the scale factors computed from that.
#include "fuzzsupport.h"
#include "joystick/joystickex.h"
#include "platform/inifile.h"

using namespace tvx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > IniFile::kMaxBytes) return 0;
  IniFile ini;
  ini.Parse(QString::fromLatin1(fuzz::Bytes(data, size)));
  JoystickCalibration cal;
  ReadCalibration(ini, cal);
  ComputeScaleFactors(cal, 100, 100, 100);
  const JoystickScaleFactors f = ComputeScaleFactors(cal, 400, 300, 100);
  for (std::uint16_t raw : {0, 1, 32767, 32768, 65535}) {
    ScaleAxis(raw, cal.CenterX, f.XPos, f.XNeg);
    ScaleAxis(raw, cal.CenterY, f.YPos, f.YNeg);
    ScaleThrottle(raw, cal.MinZ, f.Z, 100);
  }
  // Saving keeps what it read: the file written reads back the same.
  WriteCalibration(ini, cal);
  const QString text = ini.Text();
  IniFile again;
  again.Parse(text);
  FUZZ_EXPECT(again.Text() == text);
  JoystickCalibration reread;
  ReadCalibration(again, reread);
  FUZZ_EXPECT(reread.MaxLeftUpX == cal.MaxLeftUpX && reread.MaxLeftUpY == cal.MaxLeftUpY &&
              reread.MaxRightDownX == cal.MaxRightDownX && reread.MaxRightDownY == cal.MaxRightDownY &&
              reread.MaxZ == cal.MaxZ && reread.MinZ == cal.MinZ && reread.CenterX == cal.CenterX &&
              reread.CenterY == cal.CenterY);
  return 0;
}
