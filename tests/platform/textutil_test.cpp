#include "platform/textutil.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(FormatFixed, RoundsHalvesAwayFromZeroAndPads) {
  EXPECT_EQ(FormatFixed(2.5, 0, 0), "3");
  EXPECT_EQ(FormatFixed(-2.5, 0, 0), "-3");
  EXPECT_EQ(FormatFixed(0.15, 0, 1), "0.2");
  EXPECT_EQ(FormatFixed(1.25, 6, 1), "   1.3");
  EXPECT_EQ(FormatFixed(149.0, 5, 0), "  149");
  EXPECT_EQ(FormatFixed(-0.04, 0, 1), "0.0");  // never "-0.0"
  EXPECT_EQ(FormatFixed(-0.4, 0, 0), "0");
  EXPECT_EQ(FormatFixed(0.05, 0, 2), "0.05");
  EXPECT_EQ(FormatFixed(-12.345, 0, 2), "-12.35");
  EXPECT_EQ(FormatFixed(1234.5, 3, 0), "1235");  // wider than the width: not cut
}

TEST(RoundPixel, HalvesAwayFromZero) {
  EXPECT_EQ(RoundPixel(148.5), 149);
  EXPECT_EQ(RoundPixel(-148.5), -149);
  EXPECT_EQ(RoundPixel(0.49), 0);
}

TEST(RoundHalfEven, HalvesToEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-4.5), -4);
  EXPECT_EQ(RoundHalfEven(-4.6), -5);
}

TEST(StrictParsing, WholeNumbers) {
  int v = -1;
  EXPECT_TRUE(TryParseInt("087", v));
  EXPECT_EQ(v, 87);
  EXPECT_TRUE(TryParseInt(" -12 ", v));
  EXPECT_EQ(v, -12);
  EXPECT_TRUE(TryParseInt("+5", v));
  EXPECT_EQ(v, 5);
  for (const char* bad : {"12.5", "", " ", "0x10", "$10", "1e3", "12a", "--1", "99999999999"})
    EXPECT_FALSE(TryParseInt(bad, v)) << bad;
}

TEST(StrictParsing, RealNumbers) {
  double v = 0;
  EXPECT_TRUE(TryParseReal("2.5", v));
  EXPECT_DOUBLE_EQ(v, 2.5);
  EXPECT_TRUE(TryParseReal(" .5", v));
  EXPECT_DOUBLE_EQ(v, 0.5);
  EXPECT_TRUE(TryParseReal("-3.", v));
  EXPECT_DOUBLE_EQ(v, -3.0);
  EXPECT_TRUE(TryParseReal("1e2", v));
  EXPECT_DOUBLE_EQ(v, 100.0);
  for (const char* bad : {"2,5", "", ".", "nan", "inf", "1.2.3", "0x1p3", "5 kt"})
    EXPECT_FALSE(TryParseReal(bad, v)) << bad;
  EXPECT_EQ(ValOrZero("abc"), 0.0);
  EXPECT_EQ(ValOrZero("12.25"), 12.25);
}

TEST(BareFileName, DropsFolderAndExtension) {
  EXPECT_EQ(BareFileName("C:\\Tarvinex\\Tarvinex Sim\\Areas\\Alps.dat"), "Alps");
  EXPECT_EQ(BareFileName("/home/a/areas/North.Sea.dat"), "North.Sea");
  EXPECT_EQ(BareFileName("plain"), "plain");
}

}  // namespace
}  // namespace tvx
