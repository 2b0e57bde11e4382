#include "simulator/panelitems.h"

#include <array>
#include <cmath>

#include "simulator/tickmodel.h"

namespace tvx {

QString ChronoText(int wholeSeconds) {
  const int minutes = wholeSeconds / 60;
  const int seconds = wholeSeconds % 60;
  return QString::number(minutes) + (seconds < 10 ? ":0" : ":") + QString::number(seconds);
}

int ChronoWholeSeconds(double seconds) {
  return static_cast<int>(std::floor(seconds + flight::kClockTolerance));
}

std::optional<QString> ChronoStep(SimState& s, const QString& shown) {
  if (shown == "0") return std::nullopt;
  s.ChronoSeconds += s.ClockStep;
  s.ChronoWhole = ChronoWholeSeconds(s.ChronoSeconds);
  return ChronoText(s.ChronoWhole);
}

std::optional<QString> GuidanceText(int flapPosition, bool oneEngineOut) {
  struct Row {
    const char* bothEngines;
    const char* oneEngineOut;
  };
  static const std::array<Row, 5> kRows{{
      {"210 - 5° - 58%", "210 - 5° - 75.4%"},
      {"184 - 5.5° - 60%", "184 - 5.5° - 78%"},
      {"164 - 6° - 60.6%", "164 - 6° - 79%"},
      {"154 - 6° - 62%", "Vapp - 3° - 68% - 3° ROD"},
      {"Vapp - 0° - 62.4% - 3° ROD", "N.A. for 1 eng inop. "},
  }};
  if (flapPosition < 0 || flapPosition >= static_cast<int>(kRows.size())) return std::nullopt;
  const Row& row = kRows[static_cast<std::size_t>(flapPosition)];
  return QString::fromUtf8(oneEngineOut ? row.oneEngineOut : row.bothEngines);
}

bool ParkingBrakeHolds(double airspeed, int lever) { return airspeed <= 0 && lever == 1; }

QString ToggledSwitch(const QString& caption) { return caption == "ON" ? "OFF" : "ON"; }

QSize ToggledStartPanelSize(QSize current) {
  return current.width() != kStartPanelFull.width() ? kStartPanelFull : kStartPanelFolded;
}

}  // namespace tvx
