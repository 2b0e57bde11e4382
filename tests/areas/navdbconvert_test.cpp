// The converter's mapping of the public data sets onto database values.
#include "../../tools/navdbconvert.h"

#include <gtest/gtest.h>

namespace tvx::navdbconvert {
namespace {

TEST(NavdbConvert, CsvQuotingAndLineEnds) {
  const QList<QStringList> rows =
      ParseCsv("\"icao\",\"name\",elev\r\n\"EHAM\",\"Schiphol, \"\"Amsterdam\"\"\",-11\r\n"
               "X,\"two\nlines\",\n\nY,,5");
  ASSERT_EQ(rows.size(), 4);
  EXPECT_EQ(rows[0], (QStringList{"icao", "name", "elev"}));
  EXPECT_EQ(rows[1], (QStringList{"EHAM", "Schiphol, \"Amsterdam\"", "-11"}));
  EXPECT_EQ(rows[2], (QStringList{"X", "two\nlines", ""}));
  EXPECT_EQ(rows[3], (QStringList{"Y", "", "5"}));
}

TEST(NavdbConvert, DegreesSplitIntoHemisphereDegreesAndMinutes) {
  const struct {
    double value;
    bool latitude;
    const char* hemisphere;
    int degrees;
    double minutes;
  } cases[] = {
      {52.3086, true, "N", 52, 18.5},       {-73.778692, false, "W", 73, 46.7},
      {0.0, true, "N", 0, 0.0},             {0.0, false, "E", 0, 0.0},
      {-33.5, true, "S", 33, 30.0},         {4.999999999, false, "E", 5, 0.0},
      {-0.0166666667, false, "W", 0, 1.0},  {4.7411, false, "E", 4, 44.5},
      // Minutes the editor would show as "60.0" carry into the next degree.
      {12.99925, true, "N", 13, 0.0},       {-8.9992, false, "W", 9, 0.0},
      {12.9991, true, "N", 12, 59.9},
  };
  for (const auto& c : cases) {
    const SplitAngle a = SplitDegrees(c.value, c.latitude);
    EXPECT_EQ(a.Hemisphere, c.hemisphere) << c.value;
    EXPECT_EQ(a.Degrees, c.degrees) << c.value;
    EXPECT_DOUBLE_EQ(a.Minutes, c.minutes) << c.value;
  }
}

TEST(NavdbConvert, FrequencyTexts) {
  EXPECT_EQ(FrequencyFromHundredths(11055), "110.55");
  EXPECT_EQ(FrequencyFromHundredths(10950), "109.5");
  EXPECT_EQ(FrequencyFromHundredths(10800), "108.0");
  EXPECT_EQ(FrequencyFromHundredths(11705), "117.05");
  EXPECT_EQ(VorFrequencyFromKhz(115900), "115.9");
  EXPECT_EQ(VorFrequencyFromKhz(114000), "114.0");
  EXPECT_EQ(VorFrequencyFromKhz(112350), "112.35");
  EXPECT_TRUE(IlsBandFrequency(10810));
  EXPECT_TRUE(IlsBandFrequency(11195));
  EXPECT_FALSE(IlsBandFrequency(11200));
  EXPECT_FALSE(IlsBandFrequency(11795));  // an entry error of the source
  EXPECT_FALSE(IlsBandFrequency(10795));
  EXPECT_EQ(NdbFrequencyFromKhz(373), "373");
  EXPECT_EQ(NdbFrequencyFromKhz(382.5), "382.5");
  EXPECT_EQ(NdbFrequencyFromKhz(1750), "1750");
}

TEST(NavdbConvert, NamesAreUpperCaseAscii) {
  EXPECT_EQ(UpperAscii(QString::fromUtf8("Z\xc3\xbcrich  Flughafen")), "ZURICH FLUGHAFEN");
  EXPECT_EQ(UpperAscii(QString::fromUtf8("Stra\xc3\x9f" "e")), "STRASSE");
  EXPECT_EQ(UpperAscii(QString::fromUtf8("K\xc3\xb8" "benhavn Kastrup")), "KOBENHAVN KASTRUP");
  EXPECT_EQ(UpperAscii(QString::fromUtf8("\xd0\x9c\xd0\xbe\xd1\x81 Vnukovo")), "VNUKOVO");
}

TEST(NavdbConvert, LongAirportNamesAreShortened) {
  EXPECT_EQ(ShortAirportName("Amsterdam Airport Schiphol", 25), "AMSTERDAM SCHIPHOL");
  EXPECT_EQ(ShortAirportName("John F Kennedy International Airport", 25), "JOHN F KENNEDY INTL");
  EXPECT_EQ(ShortAirportName("Kangiqsujuaq (Wakeham Bay) Airport", 25), "KANGIQSUJUAQ");
  EXPECT_EQ(ShortAirportName("Mehamn Airport", 25), "MEHAMN AIRPORT");  // short names stay whole
  EXPECT_EQ(ShortAirportName("Aaaaaaaaaa Bbbbbbbbbb Cccccccccc", 25), "AAAAAAAAAA BBBBBBBBBB CCC");
}

TEST(NavdbConvert, CoursesAndVariations) {
  EXPECT_EQ(MagneticCourse(30.664, -13.182), 44);  // 13 degrees West adds
  EXPECT_EQ(MagneticCourse(359.6, 0.0), 360);
  EXPECT_EQ(MagneticCourse(0.4, 0.0), 360);
  EXPECT_EQ(MagneticCourse(2.0, 5.0), 357);
  EXPECT_EQ(WestPositiveVariation(-13.182), 13);
  EXPECT_EQ(WestPositiveVariation(17.369), -17);
  EXPECT_EQ(WestPositiveVariation(0.2), 0);
}

TEST(NavdbConvert, PointAbeamOnTheCentreLine) {
  // A localiser at 52N 5E with course 090: its centre line runs east-west.
  const auto [lat, lon] = AbeamOnCentreLine(52.0, 5.0, 90.0, 52.002, 4.95);
  EXPECT_NEAR(lat, 52.0, 1e-9);
  EXPECT_NEAR(lon, 4.95, 1e-9);
  EXPECT_NEAR(DistanceNm(52.0, 5.0, 53.0, 5.0), 60.0, 1e-9);
  EXPECT_NEAR(DistanceNm(60.0, 5.0, 60.0, 6.0), 30.0, 1e-9);
}

}  // namespace
}  // namespace tvx::navdbconvert
