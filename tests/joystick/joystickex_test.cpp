#include <gtest/gtest.h>

#include <limits>

#include "joystick/joystickex.h"
#include "platform/inifile.h"

namespace tvx {
namespace {

TEST(JoystickScaling, FactorsFromRangesAndFullScale) {
  JoystickCalibration cal;  // -32767..32767 around 0
  const JoystickScaleFactors f = ComputeScaleFactors(cal, 100, 300, 100);
  EXPECT_DOUBLE_EQ(f.XPos, 327.67);
  EXPECT_DOUBLE_EQ(f.XNeg, 327.67);
  EXPECT_DOUBLE_EQ(f.YPos, 32767.0 / 300);
  EXPECT_DOUBLE_EQ(f.Z, 327.67);
  EXPECT_EQ(ScaleAxis(65535, 0, f.XPos, f.XNeg), 200);
  EXPECT_EQ(ScaleAxis(32768, 0, f.XPos, f.XNeg), 100);  // the stick at rest
  EXPECT_EQ(ScaleAxis(0, 0, f.XPos, f.XNeg), 0);
}

TEST(JoystickScaling, UnevenCentreUsesEachSidesFactor) {
  JoystickCalibration cal;
  cal.MaxLeftUpX = 0;
  cal.MaxRightDownX = 60000;
  cal.CenterX = 20000;
  const JoystickScaleFactors f = ComputeScaleFactors(cal, 100, 100, 100);
  EXPECT_DOUBLE_EQ(f.XPos, 400);
  EXPECT_DOUBLE_EQ(f.XNeg, 200);
  EXPECT_EQ(ScaleAxis(60000, 20000, f.XPos, f.XNeg), 100);
  EXPECT_EQ(ScaleAxis(0, 20000, f.XPos, f.XNeg), -100);
  EXPECT_EQ(ScaleAxis(20000, 20000, f.XPos, f.XNeg), 0);
  // Halves go to the even neighbour (200 raw units to one unit left of the centre).
  EXPECT_EQ(ScaleAxis(19900, 20000, f.XPos, f.XNeg), 0);   // -0.5
  EXPECT_EQ(ScaleAxis(19700, 20000, f.XPos, f.XNeg), -2);  // -1.5
}

TEST(JoystickScaling, SmallRangesGiveFactorOneAndMaxZZeroBecomesFull) {
  JoystickCalibration cal;
  cal.MaxLeftUpX = 0;
  cal.MaxRightDownX = 50;
  cal.MaxLeftUpY = 10;  // above the centre: a negative factor
  cal.MaxZ = 0;
  cal.MinZ = 0;
  const JoystickScaleFactors f = ComputeScaleFactors(cal, 100, 100, 100);
  EXPECT_EQ(f.XPos, 1.0);
  EXPECT_EQ(f.XNeg, 1.0);
  EXPECT_EQ(f.YNeg, 1.0);
  EXPECT_EQ(cal.MaxZ, 32767);
  EXPECT_DOUBLE_EQ(f.Z, 327.67);
  // Z is not limited.
  JoystickCalibration narrow;
  narrow.MaxZ = 50;
  EXPECT_DOUBLE_EQ(ComputeScaleFactors(narrow, 100, 100, 100).Z, 0.5);
}

TEST(JoystickScaling, ThrottleStaysWithinItsScale) {
  EXPECT_EQ(ScaleThrottle(16384, 0, 327.67, 100), 50);
  EXPECT_EQ(ScaleThrottle(0, 0, 327.67, 100), 0);
  // MaxZ grew past the range the factor was computed for.
  EXPECT_EQ(ScaleThrottle(65535, 0, 327.67, 100), 100);
  // MinZ lowered after the factor was computed.
  EXPECT_EQ(ScaleThrottle(-500, 0, 1.0, 100), 0);
  // A factor of zero (MaxZ = MinZ) or below counts as 1.
  EXPECT_EQ(ScaleThrottle(40, 0, 0.0, 100), 40);
  EXPECT_EQ(ScaleThrottle(40, 0, -3.0, 100), 40);
  EXPECT_EQ(ScaleThrottle(40, 0, 0.0, 30), 30);
}

TEST(JoystickScaling, ExtremeCalibrationValuesDoNotOverflow) {
  // Values a damaged or hand-edited calibration file can hold.
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  JoystickCalibration cal;
  cal.CenterY = kMax;
  cal.CenterX = kMin;
  cal.MinZ = kMin;
  cal.MaxZ = kMax;
  const JoystickScaleFactors f = ComputeScaleFactors(cal, 100, 100, 100);
  EXPECT_DOUBLE_EQ(f.XPos, (32767.0 - kMin) / 100);
  EXPECT_EQ(f.XNeg, 1.0);  // the centre lies left of the range
  EXPECT_EQ(f.YPos, 1.0);
  EXPECT_DOUBLE_EQ(f.YNeg, (static_cast<double>(kMax) + 32767.0) / 100);
  EXPECT_DOUBLE_EQ(f.Z, (static_cast<double>(kMax) - kMin) / 100);
  // Deflections beyond any int are kept at its ends.
  EXPECT_EQ(ScaleAxis(65535, kMin, 1.0, 1.0), kMax);
  EXPECT_EQ(ScaleAxis(0, kMax, 1.0, 1.0), -kMax);
  EXPECT_EQ(ScaleAxis(32768, kMin, f.XPos, f.XNeg), 100);
  EXPECT_EQ(ScaleThrottle(65535, kMin, 1.0, 100), 100);
  EXPECT_EQ(ScaleThrottle(kMin, kMax, 1.0, 100), 0);
  EXPECT_EQ(ScaleThrottle(0, kMin, f.Z, 100), 50);
}

TEST(JoystickSettings, ThresholdAndScaleValueQuirks) {
  struct Case {
    double current, requested, stored;
  } cases[] = {{0.1, 0, 0.1}, {0.1, 25, 10}, {0.1, -3, 0}, {0.1, 10, 10}, {5, 0.5, 0.5}, {5, 0, 5}, {0.1, 10.01, 10}};
  for (const Case& c : cases)
    EXPECT_EQ(AcceptEventThreshold(c.current, c.requested), c.stored) << c.requested;
  EXPECT_EQ(AcceptScaleValue(0), 1);
  EXPECT_EQ(AcceptScaleValue(-5), 1);
  EXPECT_EQ(AcceptScaleValue(100), 100);
  EXPECT_EQ(AcceptScaleValue(40000), 32767);
}

TEST(JoystickCalibrationFile, DefaultsWithoutKeys) {
  IniFile empty;
  JoystickCalibration cal;
  cal.MaxZ = 1;
  cal.CenterX = 7;
  ReadCalibration(empty, cal);
  EXPECT_EQ(cal.MaxLeftUpX, -32767);
  EXPECT_EQ(cal.MaxLeftUpY, -32767);
  EXPECT_EQ(cal.MaxRightDownX, 32767);
  EXPECT_EQ(cal.MaxRightDownY, 32767);
  EXPECT_EQ(cal.MaxZ, 32000);
  EXPECT_EQ(cal.MinZ, 0);
  EXPECT_EQ(cal.CenterX, 0);
  EXPECT_EQ(cal.CenterY, 0);
}

TEST(JoystickCalibrationFile, WrittenInOrderUnderTwoSections) {
  JoystickCalibration cal{-100, -200, 300, 400, 500, 6, 7, -8};
  IniFile ini;
  WriteCalibration(ini, cal);
  EXPECT_EQ(ini.Text(),
            "[Range]\r\nMaxLeftUPX=-100\r\nMaxLeftUPy=-200\r\nMaxrightDownx=300\r\nMaxrightDowny=400\r\n"
            "MaxZ=500\r\nMinZ=6\r\n[Center]\r\nCenterX=7\r\nCenterY=-8\r\n");
  JoystickCalibration back;
  ReadCalibration(ini, back);
  EXPECT_EQ(back.MaxLeftUpX, -100);
  EXPECT_EQ(back.MaxLeftUpY, -200);
  EXPECT_EQ(back.MaxRightDownX, 300);
  EXPECT_EQ(back.MaxRightDownY, 400);
  EXPECT_EQ(back.MaxZ, 500);
  EXPECT_EQ(back.MinZ, 6);
  EXPECT_EQ(back.CenterX, 7);
  EXPECT_EQ(back.CenterY, -8);
}

TEST(JoystickCalibrationFile, LowerCaseRangeSectionIsTheSame) {
  IniFile ini;
  ini.Parse("[range]\nmaxleftupx=-1000\nMAXZ=0\n[center]\ncenterY=12\n");
  JoystickCalibration cal;
  ReadCalibration(ini, cal);
  EXPECT_EQ(cal.MaxLeftUpX, -1000);
  EXPECT_EQ(cal.MaxZ, 0);
  EXPECT_EQ(cal.MaxRightDownX, 32767);  // absent: its default
  EXPECT_EQ(cal.CenterY, 12);
  // Rewriting keeps one section, spelled as the file had it.
  WriteCalibration(ini, cal);
  EXPECT_EQ(ini.Sections(), QStringList({"range", "center"}));
  EXPECT_EQ(ini.Keys("Range"),
            QStringList({"maxleftupx", "MaxLeftUPy", "MaxrightDownx", "MaxrightDowny", "MAXZ", "MinZ"}));
}

TEST(JoystickCalibrationFile, OnlyThePartsGivenAreWritten) {
  const JoystickCalibration cal{-100, -200, 300, 400, 500, 6, 7, -8};
  IniFile stick;
  WriteCalibration(stick, cal, {true, false});
  EXPECT_EQ(stick.Text(),
            "[Range]\r\nMaxLeftUPX=-100\r\nMaxLeftUPy=-200\r\nMaxrightDownx=300\r\nMaxrightDowny=400\r\n"
            "[Center]\r\nCenterX=7\r\nCenterY=-8\r\n");
  // The throttle's keys then go between the stick's ranges and the centre.
  WriteCalibration(stick, cal, {false, true});
  IniFile all;
  WriteCalibration(all, cal);
  EXPECT_EQ(stick.Text(), all.Text());

  IniFile throttle;
  throttle.Parse("[Other]\r\nMaxZ=1\r\n");
  WriteCalibration(throttle, cal, {false, true});
  EXPECT_EQ(throttle.Text(), "[Other]\r\nMaxZ=1\r\n[Range]\r\nMaxZ=500\r\nMinZ=6\r\n");
}

TEST(JoystickCalibrationFile, AThrottleRangeIsMeasuredUnlessItIsTheOldDefaults) {
  struct Case {
    const char* text;
    std::optional<ThrottleRange> range;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {"[Center]\nCenterX=5\n", std::nullopt},
      {"[range]\nMaxZ=32000\nMinZ=0\n", std::nullopt},  // what earlier versions wrote without a stick
      {"[Range]\nMaxZ=32000\n", std::nullopt},           // MinZ's default is 0
      {"[range]\nMaxZ=abc\n", std::nullopt},
      {"[range]\nMaxZ=0\n", std::nullopt},
      {"[range]\nMaxZ=2000\nMinZ=2000\n", std::nullopt},
      {"[range]\nMaxZ=60000\nMinZ=2000\n", ThrottleRange{2000, 60000}},
      {"[range]\nMaxZ=32001\nMinZ=0\n", ThrottleRange{0, 32001}},
      {"[range]\nMaxZ=32000\nMinZ=1\n", ThrottleRange{1, 32000}},
      {"[RANGE]\nmaxz=65535\n", ThrottleRange{0, 65535}},
      {"[range]\nMinZ=100\n", ThrottleRange{100, 32000}},
  };
  for (const Case& c : cases) {
    IniFile ini;
    ini.Parse(c.text);
    const std::optional<ThrottleRange> range = MeasuredThrottleRange(ini);
    ASSERT_EQ(range.has_value(), c.range.has_value()) << c.text;
    if (range) {
      EXPECT_EQ(range->Min, c.range->Min) << c.text;
      EXPECT_EQ(range->Max, c.range->Max) << c.text;
    }
  }
}

}  // namespace
}  // namespace tvx
