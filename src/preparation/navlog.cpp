#include "preparation/navlog.h"

#include <cmath>
#include <numbers>

#include "platform/textutil.h"
#include "preparation/rangecheck.h"

namespace tvx {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kRadToDeg = 57.29577951308232;

const QString kNotComputed = ".....";
const QString kNoSolution = "XXX";

int IntOrZero(const QString& text) {
  int v = 0;
  return TryParseInt(text, v) ? v : 0;
}

}  // namespace

void SetNavlogHeaders(NavlogGrid& grid) {
  const std::array<std::array<const char*, 2>, kNavlogColumnCount> headers = {{
      {"Way-", "point"}, {"", "Freq."}, {"", "Alt."},  {"Wind", "Dir."},   {"Wind", "Vel."}, {"", "TAS"},
      {"True", "Track"}, {"", "WCA"},   {"True", "Hdg"}, {"", "Var."},     {"Magn.", "Hdg"}, {"", "Dist."},
      {"", "GS"},        {"", "EET"},   {"", "ETA"},     {"", "ATA"},      {"Cruise", "Fuel"},
  }};
  static_assert(NavlogColumns.Fuel == kNavlogColumnCount - 1);
  for (int col = 0; col < kNavlogColumnCount; ++col) {
    grid.At(col, 0) = headers[col][0];
    grid.At(col, 1) = headers[col][1];
  }
}

const std::array<int, 6>& ComputedNavlogColumns() {
  static const std::array<int, 6> columns = {NavlogColumns.Wca, NavlogColumns.TrueHdg, NavlogColumns.MagnHdg,
                                             NavlogColumns.Gs,  NavlogColumns.Eet,     NavlogColumns.Fuel};
  return columns;
}

void ClearComputedColumns(NavlogGrid& grid) {
  for (int row = kNavlogHeaderRows; row < kNavlogRowCount; ++row)
    for (int col : ComputedNavlogColumns()) grid.At(col, row) = kNotComputed;
}

void FillLegRows(NavlogGrid& grid, const QString& windDir, const QString& windVel, const QString& tas,
                 int signedVariation) {
  for (int row = kNavlogHeaderRows; row < kNavlogRowCount; ++row) {
    grid.At(NavlogColumns.WindDir, row) = windDir;
    grid.At(NavlogColumns.WindVel, row) = windVel;
    grid.At(NavlogColumns.Tas, row) = tas;
    grid.At(NavlogColumns.Var, row) = QString::number(signedVariation);
  }
}

WindSolution BrWinddriehoek(double windDir, double windSpeed, double tas, double track) {
  WindSolution s;
  const double difference = windDir - track;
  if (difference == 0 || std::fabs(difference) == 180) {
    // Wind straight along the track: no correction, only a head- or tailwind.
    s.WindAngle = difference == 0 ? 180 : 0;
    s.Wca = 0;
    s.Heading = track;
    s.Groundspeed = difference == 0 ? tas - windSpeed : tas + windSpeed;
    s.ThirdAngle = 0;
    return s;
  }
  double a = 180 + track - windDir;
  if (a < -180) a += 360;
  if (a > 180) a -= 360;
  s.WindAngle = std::fabs(a);
  const double sinA = std::sin(s.WindAngle * kDegToRad);
  const double crosswind = sinA * windSpeed / tas;
  if (!(crosswind <= 1.0)) {
    s.Solvable = false;
    return s;
  }
  s.Wca = std::asin(crosswind) * kRadToDeg;
  s.ThirdAngle = 180 - s.Wca - s.WindAngle;
  s.Groundspeed = std::sin(s.ThirdAngle * kDegToRad) * tas / sinA;
  double side = windDir - track;
  if (side < 0) side += 360;
  double heading = side < 180 ? track + s.Wca : track - s.Wca;
  if (heading < 0) heading += 360;
  if (heading > 360) heading -= 360;
  s.Heading = heading;
  return s;
}

QString ThreeDigitHeading(double heading) {
  return QString("%1").arg(RoundPixel(heading), 3, 10, QChar('0'));
}

QString TimeTotalText(double minutes) {
  // Rounded first, so that 119.96 minutes show as 2:00.0 and never as 1:60.0.
  const double total = ValOrZero(FormatFixed(minutes, 0, 1));
  if (total < 60) return FormatFixed(total, 5, 1);
  const double hours = std::floor(total / 60);
  const QString rest = FormatFixed(total - 60 * hours, 0, 1);
  return FormatFixed(hours, 2, 0) + ":" + (ValOrZero(rest) < 10 ? "0" : "") + rest;
}

QList<CellFault> CheckNavlogTable(const NavlogGrid& grid) {
  struct Check {
    int col;
    double low, high;
    bool integer, optional;
  };
  const auto& c = NavlogColumns;
  const Check checks[] = {
      {c.WindDir, 0, 360, true, false}, {c.WindVel, 0, 100, true, false}, {c.Tas, 40, 999, true, false},
      {c.Var, -180, 180, true, false},  {c.Track, 0, 360, true, true},    {c.Dist, 0, 1000, false, true},
  };
  QList<CellFault> faults;
  for (int row = kNavlogHeaderRows; row < kNavlogRowCount; ++row) {
    for (const Check& check : checks) {
      const QString& text = grid.At(check.col, row);
      if (check.optional && text.isEmpty()) continue;
      const QString fault = RangeFault(text, check.low, check.high, check.integer);
      if (fault.isEmpty()) continue;
      const QString quoted = "ERROR: INPUT \"" + text + "\"";
      QString message;
      if (fault.startsWith("ERROR: INPUT IS NOT CORRECT"))
        message = quoted + " IN NAVIGATION LOG IS NOT CORRECT ";
      else if (check.integer)
        message = quoted + " IS NOT BETWEEN " + BoundText(check.low) + " AND " + BoundText(check.high);
      else
        message = quoted + " IN NAVIGATION LOG IS NOT BETWEEN " + BoundText(check.low) + " AND " +
                  BoundText(check.high);
      faults.append({check.col, row, message});
    }
  }
  return faults;
}

NavlogTotals CalculateNavlog(NavlogGrid& grid, double fuelPerHour) {
  const auto& c = NavlogColumns;
  double distTotal = 0, timeTotal = 0, fuelTotal = 0;
  NavlogTotals totals;
  for (int row = kNavlogHeaderRows; row < kNavlogRowCount; ++row) {
    if (grid.At(c.Track, row).isEmpty()) continue;
    int windDir = IntOrZero(grid.At(c.WindDir, row));
    const int windVel = IntOrZero(grid.At(c.WindVel, row));
    const int tas = IntOrZero(grid.At(c.Tas, row));
    int track = IntOrZero(grid.At(c.Track, row));
    if (track == 0) track = 360;
    if (windDir == 0) windDir = 360;
    const WindSolution s = BrWinddriehoek(windDir, windVel, tas, track);
    const int leg = row - kNavlogHeaderRows + 1;
    if (!s.Solvable || !(s.Groundspeed > 0)) {
      for (int col : ComputedNavlogColumns()) grid.At(col, row) = kNoSolution;
      totals.LegFaults << (s.Solvable ? "ERROR: LEG " + QString::number(leg) + ": THE GROUNDSPEED IS 0 OR LESS "
                                      : "ERROR: LEG " + QString::number(leg) +
                                            ": THE CROSSWIND IS STRONGER THAN THE TAS ");
      continue;
    }
    grid.At(c.TrueHdg, row) = ThreeDigitHeading(s.Heading);
    double magnetic = ValOrZero(grid.At(c.Var, row)) + s.Heading;
    if (magnetic > 360) magnetic -= 360;
    if (magnetic < 0) magnetic += 360;
    grid.At(c.MagnHdg, row) = ThreeDigitHeading(magnetic);
    grid.At(c.Wca, row) = FormatFixed(s.Wca, 3, 0);
    grid.At(c.Gs, row) = FormatFixed(s.Groundspeed, 3, 0);
    const QString& distText = grid.At(c.Dist, row);
    if (distText.isEmpty()) continue;
    const double dist = ValOrZero(distText);
    const double eet = dist * 60 / s.Groundspeed;
    grid.At(c.Eet, row) = FormatFixed(eet, 6, 1);
    timeTotal += eet;
    if (fuelPerHour != 0) {
      // From the time as shown, so that the fuel agrees with the EET cell.
      const double fuel = fuelPerHour / 60 * ValOrZero(grid.At(c.Eet, row));
      grid.At(c.Fuel, row) = FormatFixed(fuel, 6, 1);
      fuelTotal += fuel;
    }
    distTotal += dist;
  }
  totals.Dist = FormatFixed(distTotal, 4, 1);
  totals.Time = TimeTotalText(timeTotal);
  totals.Fuel = FormatFixed(fuelTotal, 5, 1);
  return totals;
}

}  // namespace tvx
