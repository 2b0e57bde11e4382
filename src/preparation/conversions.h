#pragma once
// Unit conversions: ten physical groups, each with its units and the value of
// one unit in the group's first unit.
#include <QString>
#include <array>
#include <vector>

namespace tvx {

struct ConversionUnit {
  QString name;
  double factor;  // the value of one unit in the group's first unit
};

struct ConversionGroup {
  QString name;
  std::vector<ConversionUnit> units;
};

constexpr int kConversionSlots = 8;
using ConversionFactorTable = std::array<double, kConversionSlots>;

// The groups in list order: Length, Area, Volume, Velocity, Mass, Force,
// Moment of force, Pressure, Energy, Power.
const std::vector<ConversionGroup>& ConversionGroups();

// The factors of `group` at positions 0, 1, ...; the unused positions hold 0.
ConversionFactorTable ConversionFactorsOf(int group);

// `value` of the unit with `fromFactor` in the unit with `toFactor`, with six
// decimals right-aligned in 15 characters; empty when the target unit has no
// factor.
QString ConvertQuantity(double value, double fromFactor, double toFactor);

}  // namespace tvx
