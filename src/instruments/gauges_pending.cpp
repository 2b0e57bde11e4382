// Gauges still arriving with this work.
#include "instruments/gauges.h"
namespace tvx {
void DrawEFISAltitudeTape(Canvas&, const SimState&) {}
void DrawEFISVerticalSpeed(Canvas&, const SimState&) {}
void DrawRPMDial(Canvas&, const SimState&) {}
void DrawEngineInstruments(Canvas&, const SimState&, const GaugeInputs&) {}
void RefreshGauges(SimState&) {}
}
