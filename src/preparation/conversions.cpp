#include "preparation/conversions.h"

#include "platform/textutil.h"

namespace tvx {

// The factors as the window has always used them, six significant digits at
// most, so that results agree with earlier printouts.
const std::vector<ConversionGroup>& ConversionGroups() {
  static const std::vector<ConversionGroup> groups = {
      {"Length",
       {{"Meter", 1},
        {"Nautical Mile", 1852},
        {"Statute Mile", 1609.34},
        {"Yard", 0.9144},
        {"Foot", 0.3048},
        {"Inch", 0.0254},
        {"Kilometer", 1000}}},
      {"Area", {{"Square Meter", 1}, {"Square Yard", 0.8361}, {"Square Foot", 0.092903}, {"Square Inch", 0.0006452}}},
      {"Volume",
       {{QString::fromUtf8("Liter (dm\u00b3)"), 1},
        {"Imperial Gallon", 4.54609},
        {"U.S. Gallon", 3.78541},
        {"Pint", 0.568261},
        {"Quart", 1.13652},
        {"Cubic Inch", 0.01639},
        {"Cubic foot", 28.3168},
        {QString::fromUtf8("Cubic meter (m\u00b3)"), 1000}}},
      {"Velocity", {{"km/hr", 1}, {"m/s", 3.6}, {"ft/s", 1.09728}, {"mile/hr", 1.60934}, {"Knot", 1.852}}},
      {"Mass", {{"Kilogram", 1}, {"Pound", 0.453592}, {"Ounce", 0.02835}, {"Slug", 14.5939}}},
      {"Force", {{"Newton", 1}, {"Kilogram Force", 9.80665}, {"Pound Force", 4.44822}}},
      {"Moment of force", {{"Newton Meter", 1}, {"Pound foot", 1.35582}}},
      {"Pressure",
       {{"Pascal", 1},
        {QString::fromUtf8("PSI (lbf/in\u00b2)"), 6894.76},
        {QString::fromUtf8("lbf/ft\u00b2"), 47.8803},
        {"Inch Mercury (in Hg)", 3386.39},
        {"atmosphere (atm)", 101325}}},
      {"Energy", {{"Joule", 1}, {"ft lbf", 1.35582}, {"Btu", 1055.06}, {"kgf m", 9.80665}}},
      {"Power",
       {{"Watt", 1}, {"Metric hp", 735.499}, {"hp (550 ft lbf/s)", 745.7}, {"kgf m/s", 9.80665}, {"ft lbf/s", 1.35582}}},
  };
  return groups;
}

ConversionFactorTable ConversionFactorsOf(int group) {
  ConversionFactorTable factors{};
  const auto& groups = ConversionGroups();
  if (group < 0 || group >= static_cast<int>(groups.size())) return factors;
  const auto& units = groups[group].units;
  for (int i = 0; i < static_cast<int>(units.size()) && i < kConversionSlots; ++i) factors[i] = units[i].factor;
  return factors;
}

QString ConvertQuantity(double value, double fromFactor, double toFactor) {
  if (toFactor == 0) return {};
  return FormatFixed(value * fromFactor / toFactor, 15, 6);
}

}  // namespace tvx
