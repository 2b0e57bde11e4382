// The conversion groups, their factors and the result format.
#include <gtest/gtest.h>

#include <QStringList>
#include <iterator>
#include <vector>

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

// Every unit of every group in list order, with the factor the window uses
// and the unit's value from its definition: the units of length, mass and
// gravity (1 ft = 0.3048 m, 1 lb = 0.45359237 kg, g = 9.80665 m/s2), the
// imperial gallon of 4.54609 l and the US gallon of 231 cubic inches.
TEST(Conversions, FactorsAsTheWindowUsesThem) {
  const double ft = 0.3048, in = ft / 12, yd = 3 * ft, mi = 5280 * ft, lb = 0.45359237, g = 9.80665;
  const double lbf = lb * g, impGallon = 4.54609, litrePerCubicMetre = 1000;
  const double cubicInch = in * in * in * litrePerCubicMetre;
  struct Row {
    const char* group;
    const char* unit;
    double factor;      // as the window uses it
    double definition;  // the same from the definitions above
  };
  const Row rows[] = {
      {"Length", "Meter", 1, 1},
      {"Length", "Nautical Mile", 1852, 1852},
      {"Length", "Statute Mile", 1609.34, mi},
      {"Length", "Yard", 0.9144, yd},
      {"Length", "Foot", 0.3048, ft},
      {"Length", "Inch", 0.0254, in},
      {"Length", "Kilometer", 1000, 1000},
      {"Area", "Square Meter", 1, 1},
      {"Area", "Square Yard", 0.8361, yd * yd},
      {"Area", "Square Foot", 0.092903, ft * ft},
      {"Area", "Square Inch", 0.0006452, in * in},
      {"Volume", "Liter (dm\u00b3)", 1, 1},
      {"Volume", "Imperial Gallon", 4.54609, impGallon},
      {"Volume", "U.S. Gallon", 3.78541, 231 * cubicInch},
      {"Volume", "Pint", 0.568261, impGallon / 8},  // the imperial pint, not the US one
      {"Volume", "Quart", 1.13652, impGallon / 4},
      {"Volume", "Cubic Inch", 0.01639, cubicInch},
      {"Volume", "Cubic foot", 28.3168, ft * ft * ft * litrePerCubicMetre},
      {"Volume", "Cubic meter (m\u00b3)", 1000, litrePerCubicMetre},
      {"Velocity", "km/hr", 1, 1},
      {"Velocity", "m/s", 3.6, 3600 / 1000.0},
      {"Velocity", "ft/s", 1.09728, ft * 3.6},
      {"Velocity", "mile/hr", 1.60934, mi / 1000},
      {"Velocity", "Knot", 1.852, 1.852},
      {"Mass", "Kilogram", 1, 1},
      {"Mass", "Pound", 0.453592, lb},
      {"Mass", "Ounce", 0.02835, lb / 16},
      {"Mass", "Slug", 14.5939, lbf / ft},
      {"Force", "Newton", 1, 1},
      {"Force", "Kilogram Force", 9.80665, g},
      {"Force", "Pound Force", 4.44822, lbf},
      {"Moment of force", "Newton Meter", 1, 1},
      {"Moment of force", "Pound foot", 1.35582, lbf * ft},
      {"Pressure", "Pascal", 1, 1},
      {"Pressure", "PSI (lbf/in\u00b2)", 6894.76, lbf / (in * in)},
      {"Pressure", "lbf/ft\u00b2", 47.8803, lbf / (ft * ft)},
      {"Pressure", "Inch Mercury (in Hg)", 3386.39, 13595.1 * g * in},  // mercury at 0 degrees C
      {"Pressure", "atmosphere (atm)", 101325, 101325},
      {"Energy", "Joule", 1, 1},
      {"Energy", "ft lbf", 1.35582, lbf * ft},
      {"Energy", "Btu", 1055.06, 1055.05585262},  // the international table's
      {"Energy", "kgf m", 9.80665, g},
      {"Power", "Watt", 1, 1},
      {"Power", "Metric hp", 735.499, 75 * g},
      {"Power", "hp (550 ft lbf/s)", 745.7, 550 * lbf * ft},
      {"Power", "kgf m/s", 9.80665, g},
      {"Power", "ft lbf/s", 1.35582, lbf * ft},
  };
  int checked = 0;
  for (const ConversionGroup& group : ConversionGroups()) {
    std::vector<const Row*> expected;
    for (const Row& r : rows)
      if (group.name == QString::fromUtf8(r.group)) expected.push_back(&r);
    ASSERT_EQ(group.units.size(), expected.size()) << group.name.toStdString();
    for (std::size_t i = 0; i < expected.size(); ++i, ++checked) {
      const Row& r = *expected[i];
      const ConversionUnit& u = group.units[i];
      EXPECT_EQ(u.name, QString::fromUtf8(r.unit)) << r.group << " unit " << i;
      EXPECT_EQ(u.factor, r.factor) << r.group << " " << r.unit;
      // The table's factors keep four to six significant digits.
      EXPECT_NEAR(u.factor / r.definition, 1.0, 2e-4) << r.group << " " << r.unit;
      EXPECT_EQ(ConversionFactorsOf(GroupIndex(group.name))[i], r.factor) << r.group << " " << r.unit;
    }
  }
  EXPECT_EQ(checked, static_cast<int>(std::size(rows)));
  EXPECT_EQ(checked, 47);
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
