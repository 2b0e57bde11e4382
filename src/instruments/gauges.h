#pragma once
// The round dials, glass tapes and engine gauges, called by the panel
// dispatchers. Each draws from the state it is given; what a gauge must
// compute and keep (filters, bugs) is done in RefreshGauges.
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// Airspeed indicator and turn coordinator ("SEP").
void DrawAirspeedDial(Canvas& c, const SimState& s);
void DrawAirspeedNeedle(Canvas& c, const SimState& s);
void DrawTurnCoordinatorDial(Canvas& c, const SimState& s);
void DrawTurnCoordinatorAircraft(Canvas& c, const SimState& s);

// Altimeter and vertical-speed indicator ("SEP").
void DrawAltimeterDial(Canvas& c, const SimState& s);
void DrawAltimeterHands(Canvas& c, const SimState& s);
void DrawVSIDial(Canvas& c, const SimState& s);
void DrawVSINeedle(Canvas& c, const SimState& s);

// Glass tapes.
void DrawEFISSpeedTape(Canvas& c, const SimState& s);
void DrawEFISAltitudeTape(Canvas& c, const SimState& s);
void DrawEFISVerticalSpeed(Canvas& c, const SimState& s);

// Engine gauges.
void DrawRPMDial(Canvas& c, const SimState& s);
void DrawEngineInstruments(Canvas& c, const SimState& s);

// The state-changing part of the gauges, run by the panel's refresh step.
void RefreshGauges(SimState& s);

}  // namespace tvx
