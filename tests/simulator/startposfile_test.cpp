#include "simulator/startposfile.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <limits>

#include "simulator/startpossample.h"

using namespace tvx;

namespace {

StartPosition Sample() { return test::SampleStartPosition(); }

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

// 440 zero bytes with the given pieces laid in at their offsets.
QByteArray Expected(const std::initializer_list<std::pair<int, QByteArray>>& pieces) {
  QByteArray bytes(kStartPositionBytes, '\0');
  for (const auto& [offset, piece] : pieces) bytes.replace(offset, piece.size(), piece);
  return bytes;
}

}  // namespace

TEST(StartPositionFile, EveryFieldAtItsOffsetWithZeroPadding) {
  const QByteArray expected = Expected({
      {0, Hex("e1000000")},                  // heading 225
      {4, Hex("88130000")},                  // altitude 5000
      {8, Hex("0343434300")},                // "CCC", string[4]
      {16, Hex("2d000000")},                 // radial 45
      {24, Hex("0000000000004440")},         // DME 40
      {32, Hex("c8000000")},                 // wind 200
      {36, Hex("23000000")},                 // 35 kt
      {40, Hex("053131352e3400")},           // VOR 1 active "115.4"
      {47, Hex("053130382e3600")},           // VOR 1 standby "108.6"
      {54, Hex("053131342e3000")},           // VOR 2 active "114.0"
      {61, Hex("053131342e3600")},           // VOR 2 standby "114.6"
      {68, Hex("03343035000000")},           // ADF active "405"
      {75, Hex("03333730000000")},           // ADF standby "370"
      {84, Hex("e1000000")},                 // VOR 1 course 225
      {88, Hex("87000000")},                 // VOR 2 course 135
      {92, Hex("34080000")},                 // RPM 2100
      {96, Hex("01")},                       // HSI shown
      {100, Hex("02000000")},                // VOR - RMI
      {104, Hex("03000000")},                // flap lever 3
      {108, Hex("01000000")},                // gear down
      {112, Hex("024f4e00")},                // "ON"
      {116, Hex("034f4646")},                // "OFF"
      {120, Hex("024f4e00")},                // "ON"
      {128, Hex("0000000000000440")},        // attitude 2.5
      {136, Hex("03373337")},                // "737", string[20]
      {157, Hex("03463135")},                // "F15", string[10]
      {168, Hex("054f74686572")},            // "Other", string[10]
      {432, Hex("c2010000")},                // minimums 450
  });
  const QByteArray bytes = EncodeStartPosition(Sample());
  ASSERT_EQ(bytes.size(), 440);
  EXPECT_EQ(bytes.toHex().toStdString(), expected.toHex().toStdString());
}

TEST(StartPositionFile, NegativeNumbersAreTwosComplement) {
  StartPosition p = Sample();
  p.Minimums = -50;
  p.Attitude = -1.0;
  const QByteArray bytes = EncodeStartPosition(p);
  EXPECT_EQ(bytes.mid(432, 4), Hex("ceffffff"));
  EXPECT_EQ(bytes.mid(128, 8), Hex("000000000000f0bf"));
}

TEST(StartPositionFile, RoundTripKeepsEveryField) {
  StartPosition p = Sample();
  EXPECT_EQ(DecodeStartPosition(EncodeStartPosition(p)), p);
  p.HsiShown = false;
  p.AdfRmiMode = 2;
  p.AircraftType = "";
  p.ConfigName = "";
  p.Beacon = "";
  p.Dme = 199.9;
  p.Attitude = -3.25;
  EXPECT_EQ(DecodeStartPosition(EncodeStartPosition(p)), p);
}

TEST(StartPositionFile, TextsLongerThanTheirFieldAreCutWithoutTouchingTheNext) {
  StartPosition p = Sample();
  p.Beacon = "ABCDEF";
  p.Vor1Active = "108.650";
  p.LandingLight = "OFFX";
  p.AircraftType = "A very long type name indeed";
  p.ConfigName = "fastcruise+";
  p.AreaName = "LongAreaName";
  const QByteArray bytes = EncodeStartPosition(p);
  EXPECT_EQ(bytes.mid(8, 5), QByteArray("\x04" "ABCD"));
  EXPECT_EQ(bytes.mid(40, 7), QByteArray("\x06" "108.65"));
  EXPECT_EQ(bytes.mid(47, 1), Hex("05"));  // the standby's own length
  EXPECT_EQ(bytes.mid(112, 4), QByteArray("\x03" "OFF"));
  const auto back = DecodeStartPosition(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Beacon, "ABCD");
  EXPECT_EQ(back->Vor1Standby, "108.6");
  EXPECT_EQ(back->AircraftType, "A very long type nam");
  EXPECT_EQ(back->ConfigName, "fastcruise");
  EXPECT_EQ(back->AreaName, "LongAreaNa");
  EXPECT_EQ(back->Minimums, 450);
}

TEST(StartPositionFile, ReadsOnlyWholeRecords) {
  const QByteArray good = EncodeStartPosition(Sample());
  EXPECT_TRUE(DecodeStartPosition(good));
  for (int size : {0, 1, 436, 439}) EXPECT_FALSE(DecodeStartPosition(good.left(size))) << size;
  // Longer files are other files: two records, or an area file (45 x 104).
  EXPECT_FALSE(DecodeStartPosition(good + QByteArray(1, '\0')));
  EXPECT_FALSE(DecodeStartPosition(good + good));
  EXPECT_FALSE(DecodeStartPosition(QByteArray(45 * 104, '\0')));
}

TEST(StartPositionFile, RefusesRealsThatAreNoNumbersAndUnknownModes) {
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity()};
  for (double value : bad) {
    StartPosition p = Sample();
    p.Dme = value;
    EXPECT_FALSE(DecodeStartPosition(EncodeStartPosition(p)));
    p = Sample();
    p.Attitude = value;
    EXPECT_FALSE(DecodeStartPosition(EncodeStartPosition(p)));
  }
  for (int mode : {-1, 3, 100}) {
    StartPosition p = Sample();
    p.AdfRmiMode = mode;
    EXPECT_FALSE(DecodeStartPosition(EncodeStartPosition(p))) << mode;
  }
}

// Each number of the record at the ends of what the panel can save, and
// just outside them (the large ones once ran the flight model away or
// overflowed an instrument).
TEST(StartPositionFile, RangeOfEveryNumber) {
  EXPECT_TRUE(StartPositionInRange(Sample()));
  using Field = std::int32_t StartPosition::*;
  const struct {
    const char* name;
    Field field;
    std::int32_t low, high;
  } ints[] = {
      {"heading", &StartPosition::Heading, 0, 360},
      {"altitude", &StartPosition::Altitude, -1500, 41000},  // a Dead Sea airfield lies near -1300 ft
      {"radial", &StartPosition::Radial, 0, 360},
      {"wind direction", &StartPosition::WindDirection, 0, 360},
      {"wind speed", &StartPosition::WindSpeed, 0, 60},
      {"course 1", &StartPosition::Obs1Course, 0, 360},
      {"course 2", &StartPosition::Obs2Course, 0, 360},
      {"rpm", &StartPosition::Rpm, 0, 2700},
      {"flaps", &StartPosition::FlapPosition, 0, 4},
      {"gear", &StartPosition::GearPosition, 0, 1},
      {"minimums", &StartPosition::Minimums, -99999, 99999},
      {"ADF/RMI mode", &StartPosition::AdfRmiMode, 0, 2},
  };
  for (const auto& f : ints) {
    SCOPED_TRACE(f.name);
    for (std::int32_t v : {f.low, f.high}) {
      StartPosition p = Sample();
      p.*f.field = v;
      EXPECT_TRUE(StartPositionInRange(p)) << v;
    }
    for (std::int32_t v : {f.low - 1, f.high + 1, std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max(), 1000000000}) {
      StartPosition p = Sample();
      p.*f.field = v;
      EXPECT_FALSE(StartPositionInRange(p)) << v;
    }
  }
  const struct {
    const char* name;
    double StartPosition::*field;
    double low, high;
  } reals[] = {{"DME", &StartPosition::Dme, 0, 200}, {"attitude", &StartPosition::Attitude, -90, 90}};
  for (const auto& f : reals) {
    SCOPED_TRACE(f.name);
    for (double v : {f.low, f.high}) {
      StartPosition p = Sample();
      p.*f.field = v;
      EXPECT_TRUE(StartPositionInRange(p)) << v;
    }
    for (double v : {f.low - 0.1, f.high + 0.1, 7.7e8, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
      StartPosition p = Sample();
      p.*f.field = v;
      EXPECT_FALSE(StartPositionInRange(p)) << v;
    }
  }
}

TEST(StartPositionFile, DamagedLengthsStayInsideTheirField) {
  QByteArray bytes = EncodeStartPosition(Sample());
  bytes[8] = char(200);       // beacon length past its capacity
  bytes[136] = char(0xFF);    // type length past its capacity
  bytes[96] = char(7);        // any byte but 0 is true
  const auto p = DecodeStartPosition(bytes);
  ASSERT_TRUE(p);
  // The zeros after a text end it.
  EXPECT_EQ(p->Beacon, "CCC");
  EXPECT_EQ(p->AircraftType, "737");
  EXPECT_TRUE(p->HsiShown);
  EXPECT_EQ(p->ConfigName, "F15");
}

TEST(StartPositionFile, ConfigurationNamesByTypeAndIndex) {
  const QStringList piston{"cruise", "slowcruise", "landing"};
  const QStringList jet{"fastcruise", "250", "VMD", "F1", "F5", "F15", "F40", "TO"};
  for (int i = 0; i < piston.size(); ++i) EXPECT_EQ(ConfigNameOfIndex("SEP", i), piston[i]);
  // Every other type, the glass piston included, stores the jet names.
  for (const QString type : {"SEP EFIS", "737", "320", ""})
    for (int i = 0; i < jet.size(); ++i) EXPECT_EQ(ConfigNameOfIndex(type, i), jet[i]) << type.toStdString();
  EXPECT_EQ(ConfigNameOfIndex("SEP", -1), "");
  EXPECT_EQ(ConfigNameOfIndex("SEP", 3), "");
  EXPECT_EQ(ConfigNameOfIndex("737", 8), "");
  EXPECT_EQ(ConfigNameOfIndex("737", -1), "");
}

TEST(StartPositionFile, ConfigurationIndexOfAStoredName) {
  struct Case {
    const char* type;
    const char* name;
    int index;
  };
  const Case cases[] = {
      {"SEP", "cruise", 0},      {"SEP", "slowcruise", 1},   {"SEP", "landing", 2},  {"SEP", "", 0},
      {"SEP", "VMD", 0},         {"SEP", "Landing", 0},      {"737", "fastcruise", 0}, {"737", "250", 1},
      {"737", "VMD", 2},         {"737", "F1", 3},           {"737", "F5", 4},       {"737", "F15", 5},
      {"737", "F40", 6},         {"737", "TO", 7},           {"737", "landing", 2},  {"737", "", 2},
      {"320", "TO", 7},          {"SEP EFIS", "VMD", 2},     {"SEP EFIS", "250", 1}, {"SEP EFIS", "landing", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(ConfigIndexOfName(c.type, c.name), c.index) << c.type << " " << c.name;
}

TEST(StartPositionFile, GlassPistonLandingComesBackAsItsOwnIndex) {
  // "Ldg config - 90 kts" of the glass piston is stored as "VMD" and read back
  // as index 2 of that type's list.
  EXPECT_EQ(ConfigNameOfIndex("SEP EFIS", 2), "VMD");
  EXPECT_EQ(ConfigIndexOfName("SEP EFIS", ConfigNameOfIndex("SEP EFIS", 2)), 2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ConfigIndexOfName("SEP EFIS", ConfigNameOfIndex("SEP EFIS", i)), i);
}

TEST(StartPositionFile, TypeSelectorItemOfAStoredType) {
  EXPECT_EQ(TypegroupIndexOfType("SEP"), 0);
  EXPECT_EQ(TypegroupIndexOfType("SEP EFIS"), 1);
  EXPECT_EQ(TypegroupIndexOfType("737"), 2);
  for (const char* other : {"", "320", "sep", "SEP ", "A320"}) EXPECT_EQ(TypegroupIndexOfType(other), 3) << other;
}

TEST(FlapLabelFile, FiveLinesEndingInCrLf) {
  EXPECT_EQ(EncodeFlapLabels({"UP", "1", "5", "15", "40"}), QByteArray("UP\r\n1\r\n5\r\n15\r\n40\r\n"));
  EXPECT_EQ(EncodeFlapLabels({"", "", "", "", ""}), QByteArray("\r\n\r\n\r\n\r\n\r\n"));
  // A break typed into a label would move every later label up a line.
  EXPECT_EQ(EncodeFlapLabels({"U\nP", "1\r", "5", "15", "40"}), QByteArray("U P\r\n1 \r\n5\r\n15\r\n40\r\n"));
  // The labels are written in the program's one-byte character set.
  EXPECT_EQ(EncodeFlapLabels({QString::fromUtf8("0°"), "1", "2", "3", "FULL"}),
            QByteArray("0\xb0\r\n1\r\n2\r\n3\r\nFULL\r\n"));
}

TEST(FlapLabelFile, ReadsTheFirstFiveLinesOfAnyLineEnd) {
  const FlapLabels expected{"UP", "1", "5", "15", "40"};
  for (const char* text : {"UP\r\n1\r\n5\r\n15\r\n40\r\n", "UP\n1\n5\n15\n40\n", "UP\r1\r5\r15\r40\r",
                           "UP\r\n1\r\n5\r\n15\r\n40", "UP\r\n1\r\n5\r\n15\r\n40\r\nextra\r\nmore\r\n"}) {
    const auto labels = DecodeFlapLabels(QByteArray(text));
    ASSERT_TRUE(labels) << text;
    EXPECT_EQ(*labels, expected) << text;
  }
  const auto empty = DecodeFlapLabels("\r\n\r\n\r\n\r\n\r\n");
  ASSERT_TRUE(empty);
  for (const QString& label : *empty) EXPECT_TRUE(label.isEmpty());
  const auto blanks = DecodeFlapLabels(" UP \r\n1\r\n\r\n15\r\n40\r\n");
  ASSERT_TRUE(blanks);
  EXPECT_EQ((*blanks)[0], " UP ");
  EXPECT_EQ((*blanks)[2], "");
  const FlapLabels latin{QString::fromUtf8("0°"), "1", "2", "3", "FULL"};
  EXPECT_EQ(DecodeFlapLabels(EncodeFlapLabels(latin)), latin);
}

// A line longer than a label reads as the label the window and the writer
// keep, so loading, saving and loading again gives the same labels.
TEST(FlapLabelFile, ALongLineReadsAsTheLabelTheWriterKeeps) {
  const QByteArray file = "FLAPS UP AND LOCKED, CHECKED\r\n1\r\n5\r\n15\r\n40\r\n";
  const auto labels = DecodeFlapLabels(file);
  ASSERT_TRUE(labels);
  EXPECT_EQ((*labels)[0], "FLAPS UP AND LOCKED,");
  const auto again = DecodeFlapLabels(EncodeFlapLabels(*labels));
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, *labels);
}

// Whatever labels the program is given, the file it writes loads back.
TEST(FlapLabelFile, WhatIsSavedLoadsBack) {
  const QString longest(kFlapLabelMaxLength, 'L');
  const FlapLabels edits{longest + "TAIL", QString(5000, 'x'), "5", QString::fromLatin1("A\0B", 3), longest};
  const auto back = DecodeFlapLabels(EncodeFlapLabels(edits));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, (FlapLabels{longest, QString(kFlapLabelMaxLength, 'x'), "5", "A B", longest}));
}

TEST(FlapLabelFile, RefusesWhatIsNoAirplaneFile) {
  for (const char* text : {"", "UP\r\n1\r\n5\r\n15\r\n", "UP\r\n1\r\n5\r\n15", "\r\n\r\n\r\n\r\n"})
    EXPECT_FALSE(DecodeFlapLabels(QByteArray(text))) << text;
  EXPECT_FALSE(DecodeFlapLabels(QByteArray("UP\r\n1\r\n5\0\r\n15\r\n40\r\n", 18)));
  QByteArray large = EncodeFlapLabels({"UP", "1", "5", "15", "40"});
  EXPECT_TRUE(DecodeFlapLabels(large + QByteArray(kFlapLabelFileMaxBytes - large.size(), 'x')));
  EXPECT_FALSE(DecodeFlapLabels(large + QByteArray(kFlapLabelFileMaxBytes - large.size() + 1, 'x')));
  // A start-position record is no airplane file.
  EXPECT_FALSE(DecodeFlapLabels(EncodeStartPosition(Sample())));
}
