// Gauges still arriving with this work.
#include "instruments/gauges.h"
namespace tvx {
void DrawAltimeterDial(Canvas&, const SimState&) {}
void DrawAltimeterHands(Canvas&, const SimState&) {}
void DrawVSIDial(Canvas&, const SimState&) {}
void DrawVSINeedle(Canvas&, const SimState&) {}
void DrawEFISSpeedTape(Canvas&, const SimState&, const GaugeInputs&) {}
void DrawEFISAltitudeTape(Canvas&, const SimState&) {}
void DrawEFISVerticalSpeed(Canvas&, const SimState&) {}
void DrawRPMDial(Canvas&, const SimState&) {}
void DrawEngineInstruments(Canvas&, const SimState&, const GaugeInputs&) {}
void RefreshGauges(SimState&) {}
}
