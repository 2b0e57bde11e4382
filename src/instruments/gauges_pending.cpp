// Round dials, tapes and engine gauges: arriving with the gauges work.
#include "instruments/gauges.h"

namespace tvx {
void DrawAirspeedDial(Canvas&, const SimState&) {}
void DrawAirspeedNeedle(Canvas&, const SimState&) {}
void DrawTurnCoordinatorDial(Canvas&, const SimState&) {}
void DrawTurnCoordinatorAircraft(Canvas&, const SimState&) {}
void DrawAltimeterDial(Canvas&, const SimState&) {}
void DrawAltimeterHands(Canvas&, const SimState&) {}
void DrawVSIDial(Canvas&, const SimState&) {}
void DrawVSINeedle(Canvas&, const SimState&) {}
void DrawEFISSpeedTape(Canvas&, const SimState&) {}
void DrawEFISAltitudeTape(Canvas&, const SimState&) {}
void DrawEFISVerticalSpeed(Canvas&, const SimState&) {}
void DrawRPMDial(Canvas&, const SimState&) {}
void DrawEngineInstruments(Canvas&, const SimState&) {}
void RefreshGauges(SimState&) {}
}  // namespace tvx
