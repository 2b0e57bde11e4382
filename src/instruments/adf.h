#pragma once
// The ADF/RMI dial of the round-dial panel in its three modes: "ADF" (fixed
// card), "ADF - RMI" and "VOR - RMI" (card turned by the heading).
#include "areas/instroptions.h"
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// The heading the card is turned by: 0 in mode 0, the heading in modes 1
// and 2; an unknown mode keeps the previous value.
double AdfCardHeadingFor(int mode, double heading, double previous);

// Angle of the needle (dial degrees): the station's relative bearing, or 90
// (parked at 3 o'clock) when there is nothing to point at.
double AdfNeedleAngle(const SimState& s, int mode);

// The red V marks on the rim: each from the rim `halfAngle` degrees either
// side of its place to its tip `depth` pixels inside the rim.
struct AdfMarkShape {
  double halfAngle = 3;
  int depth = 0;
};
AdfMarkShape AdfMarks(const SimState& s);

void DrawADFCard(Canvas& c, const SimState& s);
void DrawADFNeedle(Canvas& c, const SimState& s, const InstrOptions& o);

}  // namespace tvx
