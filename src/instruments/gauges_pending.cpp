// Gauges still arriving with this work.
#include "instruments/gauges.h"
namespace tvx {
void DrawRPMDial(Canvas&, const SimState&) {}
void DrawEngineInstruments(Canvas&, const SimState&, const GaugeInputs&) {}
}
