#pragma once
// What an exercise writes into the simulator's start-position panel before
// the aircraft is placed: the beacon, the aircraft's radial (or QDR) from it
// and its heading, and where the exercise sets them the distance and the
// wind. A value the exercise does not set stays as the panel holds it.
#include <QString>
#include <optional>

namespace tvx {

struct StartPanelEntry {
  QString Beacon;
  int Radial = 0;
  int Heading = 0;
  std::optional<int> Dme;
  std::optional<int> WindDirection;
  std::optional<int> WindSpeed;
};

// The entry written into the simulator window's start panel, each number as
// plain decimal text; nothing without the simulator window.
void WriteStartPanel(const StartPanelEntry& entry);

// A direction brought into 0..359 (360 and more less 360, below 0 plus 360).
int Compass0To359(int degrees);

}  // namespace tvx
