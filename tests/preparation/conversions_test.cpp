// The conversion groups, their factors and the result format.
#include <gtest/gtest.h>

#include <QStringList>

#include "preparation/conversions.h"

using namespace tvx;

namespace {

int GroupIndex(const QString& name) {
  const auto& groups = ConversionGroups();
  for (int i = 0; i < static_cast<int>(groups.size()); ++i)
    if (groups[i].name == name) return i;
  return -1;
}

double Factor(const QString& group, const QString& unit) {
  for (const ConversionUnit& u : ConversionGroups()[GroupIndex(group)].units)
    if (u.name == unit) return u.factor;
  return -1;
}

}  // namespace

TEST(Conversions, GroupsInListOrder) {
  QStringList names;
  for (const ConversionGroup& g : ConversionGroups()) names << g.name;
  EXPECT_EQ(names, (QStringList{"Length", "Area", "Volume", "Velocity", "Mass", "Force", "Moment of force",
                                "Pressure", "Energy", "Power"}));
  const int counts[] = {7, 4, 8, 5, 4, 3, 2, 5, 4, 5};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(static_cast<int>(ConversionGroups()[i].units.size()), counts[i]) << names[i].toStdString();
    EXPECT_EQ(ConversionGroups()[i].units[0].factor, 1.0);  // the group's own unit first
  }
  EXPECT_EQ(ConversionGroups()[2].units[0].name, QString::fromUtf8("Liter (dm\u00b3)"));
  EXPECT_EQ(ConversionGroups()[7].units[1].name, QString::fromUtf8("PSI (lbf/in\u00b2)"));
}

TEST(Conversions, FactorsAsTheWindowUsesThem) {
  EXPECT_EQ(Factor("Length", "Statute Mile"), 1609.34);
  EXPECT_EQ(Factor("Area", "Square Inch"), 0.0006452);
  EXPECT_EQ(Factor("Volume", "Cubic Inch"), 0.01639);
  EXPECT_EQ(Factor("Velocity", "ft/s"), 1.09728);
  EXPECT_EQ(Factor("Mass", "Ounce"), 0.02835);
  EXPECT_EQ(Factor("Force", "Pound Force"), 4.44822);
  EXPECT_EQ(Factor("Pressure", "Inch Mercury (in Hg)"), 3386.39);
  EXPECT_EQ(Factor("Energy", "Btu"), 1055.06);
  EXPECT_EQ(Factor("Power", "hp (550 ft lbf/s)"), 745.7);
}

TEST(Conversions, UnusedPositionsHoldZero) {
  const ConversionFactorTable moment = ConversionFactorsOf(GroupIndex("Moment of force"));
  EXPECT_EQ(moment[0], 1.0);
  EXPECT_EQ(moment[1], 1.35582);
  for (int i = 2; i < kConversionSlots; ++i) EXPECT_EQ(moment[i], 0.0);
  const ConversionFactorTable volume = ConversionFactorsOf(GroupIndex("Volume"));
  EXPECT_EQ(volume[7], 1000.0);
  const ConversionFactorTable none = ConversionFactorsOf(10);
  for (double f : none) EXPECT_EQ(f, 0.0);
}

TEST(Conversions, ResultsWithSixDecimalsInFifteen) {
  EXPECT_EQ(ConvertQuantity(1, 1852, 1), "    1852.000000");
  EXPECT_EQ(ConvertQuantity(1, 1, 1852), "       0.000540");
  EXPECT_EQ(ConvertQuantity(100, 1.852, 1), "     185.200000");
  EXPECT_EQ(ConvertQuantity(1, 1, 1.35582), "       0.737561");
  EXPECT_EQ(ConvertQuantity(-0.0000001, 1, 1), "       0.000000");  // never "-0.000000"
  EXPECT_EQ(ConvertQuantity(-3, 0.3048, 1), "      -0.914400");
  EXPECT_EQ(ConvertQuantity(1, 1, 0), "");
}
