#pragma once
// The attitude indicator: a sky/ground disc turned by the bank and shifted by
// the pitch, and the overlay drawn on it (ladder, bezel, bank scale, aircraft
// symbol, radio height, warnings, TCAS band).
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// Pixels per degree of pitch: 4 on the round-dial panel, 7 on the glass panels.
int AdiPixelsPerDegreeFor(const QString& type);
// The disc's downward shift that moves the turned horizon by pitch x ppd
// pixels at right angles to itself.
int AdiPitchShift(double pitch, double bank, int pixelsPerDegree);
// The chart's background where the shifted disc leaves it uncovered.
TColor AdiBackgroundColour(double pitch);

// What the attitude indicator shows but does not compute: its scale and the
// TCAS band's pitch. Run where the indicator is repainted.
void RefreshAttitudeState(SimState& s);

}  // namespace tvx
