#include "areas/areamodel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/defaultarea.h"

namespace tvx {
namespace {

AreaState DefaultArea() { return test::ProjectedDefaultArea(); }

TEST(AreaProjection, DefaultAreaAroundVor1) {
  const AreaState a = DefaultArea();
  EXPECT_EQ(a.VorList[0].X, 0);
  EXPECT_EQ(a.VorList[0].Y, 0);
  EXPECT_NEAR(a.VorList[1].X, -6.13, 0.01);  // BBB
  EXPECT_NEAR(a.VorList[1].Y, 4.0, 1e-9);
  EXPECT_NEAR(a.IlsList[0].X, 1.53, 0.01);   // ILA
  EXPECT_NEAR(a.IlsList[0].Y, 0.0, 1e-9);
  EXPECT_NEAR(a.NdbList[2].Y, -2.0, 1e-9);   // PPP lies 2' north
  for (int i = 3; i < kAreaSlots; ++i) {
    EXPECT_FALSE(a.VorList[i].Used());
    EXPECT_FALSE(a.NdbList[i].Used());
  }
  EXPECT_EQ(a.IlsList[0].LocatorName, "LCA");
  EXPECT_EQ(a.IlsList[0].LocatorDistance, 4.0);
}

TEST(AreaProjection, NorthAndEastOfOriginAndSouthernEasternHemispheres) {
  AreaBeaconList vor{}, ndb{}, ils{};
  vor[0].Name = "O";
  vor[0].LatHemisphere = "S";
  vor[0].LatDeg = 33;
  vor[0].LonHemisphere = "E";
  vor[0].LonDeg = 151;
  vor[1] = vor[0];
  vor[1].Name = "N";
  vor[1].LatDeg = 32;  // one degree nearer the equator: north of the origin
  ndb[0] = vor[0];
  ndb[0].Name = "E";
  ndb[0].LonDeg = 152;  // 60' east at the same latitude
  BrVORXY(vor, ndb, ils);
  EXPECT_NEAR(vor[1].X, 0, 1e-9);
  EXPECT_NEAR(vor[1].Y, -60, 1e-9);
  EXPECT_NEAR(ndb[0].X, 60 * std::cos(33 * M_PI / 180), 1e-9);
  EXPECT_NEAR(ndb[0].Y, 0, 1e-9);
  // An empty slot gets the origin.
  ils[3].X = 5;
  BrVORXY(vor, ndb, ils);
  EXPECT_EQ(ils[3].X, 0);
}

TEST(AreaFile, RoundTripWithTheRecordLayout) {
  AreaState a = DefaultArea();
  a.NdbList[4].Reserved = QByteArray("\x01\x02\x03\x04", 4);
  a.NdbList[4].Name = "RSV";
  a.IlsList[0].Variation = -3;
  const QByteArray bytes = EncodeAreaFile(a.VorList, a.NdbList, a.IlsList);
  ASSERT_EQ(bytes.size(), 4680);
  // Record 2 of the file is ILS slot 1: name "ILA" at offset 0, course at 72.
  const int ils1 = 2 * 104;
  EXPECT_EQ(bytes[ils1], 3);
  EXPECT_EQ(bytes.mid(ils1 + 1, 3), "ILA");
  EXPECT_EQ(static_cast<unsigned char>(bytes[ils1 + 72]), 270 & 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[ils1 + 73]), 270 >> 8);
  EXPECT_EQ(bytes[ils1 + 80], 3);  // locator name length
  EXPECT_EQ(bytes.mid(ils1 + 81, 3), "LCA");
  // Record 1 is NDB slot 1, its frequency "565" at offset 5.
  EXPECT_EQ(bytes.mid(104 + 5, 4), QByteArray("\x03" "565", 4));
  // NDB slot 5 is record 13; its reserved bytes at 64.
  EXPECT_EQ(bytes.mid(13 * 104 + 64, 4), QByteArray("\x01\x02\x03\x04", 4));

  AreaLists back;
  ASSERT_TRUE(DecodeAreaFile(bytes, back));
  EXPECT_EQ(EncodeAreaFile(back.Vor, back.Ndb, back.Ils), bytes);
  EXPECT_EQ(back.Ils[0].Variation, -3);
  EXPECT_EQ(back.Vor[1].LatMin, 56.0);
}

TEST(AreaFile, ShortFileIsRefusedAndExtraBytesIgnored) {
  const AreaState a = DefaultArea();
  QByteArray bytes = EncodeAreaFile(a.VorList, a.NdbList, a.IlsList);
  AreaLists out;
  out.Vor[0].Name = "KEEP";
  EXPECT_FALSE(DecodeAreaFile(bytes.left(44 * 104), out));
  EXPECT_EQ(out.Vor[0].Name, "KEEP");
  EXPECT_TRUE(DecodeAreaFile(bytes + QByteArray(10, 'x'), out));
  EXPECT_EQ(out.Vor[0].Name, "AAA");
}

TEST(AreaFile, CorruptLengthBytesCannotReadPastTheirField) {
  const AreaState a = DefaultArea();
  QByteArray bytes = EncodeAreaFile(a.VorList, a.NdbList, a.IlsList);
  bytes[0] = static_cast<char>(200);  // VOR 1 name length
  bytes[5] = static_cast<char>(255);  // VOR 1 frequency length
  AreaLists out;
  ASSERT_TRUE(DecodeAreaFile(bytes, out));
  // The field's zero padding ends the text.
  EXPECT_EQ(out.Vor[0].Name, a.VorList[0].Name);
  EXPECT_EQ(out.Vor[0].Frequency, a.VorList[0].Frequency);
}

}  // namespace
}  // namespace tvx
