// What the gauges compute and keep between paints, run where the panel is
// refreshed, so that painting only paints.
#include "instruments/gauges.h"
#include "simulator/aircrafttype.h"

namespace tvx {

void RefreshGauges(SimState& s) {
  // The speed tape is on every glass panel.
  if (!IsRoundDialPanel(s.AircraftType)) FilterTapeAirspeed(s);
  // The jet's altitude bug is the minimums; a preset's bug lasts until here.
  if (IsJet(s.AircraftType)) s.AltitudeBug = s.Minimums;
}

}  // namespace tvx
