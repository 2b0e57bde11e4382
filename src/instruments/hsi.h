#pragma once
// The heading indicator of every type: a compass card turned by the heading;
// with the HSI option also the VOR 1/ILS course arrow, deviation bar, flag
// and glideslope; on the glass panels the bearing pointers, identifiers,
// read-outs and marks.
#include "areas/instroptions.h"
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// Distance (NM) of the aircraft from the VOR 1 course line through the VOR 1
// station.
double CrossTrackDistanceOf(const SimState& s);

// Draws the indicator on a chart of `width` x `height`.
void DrawHeadingIndicator(Canvas& c, const SimState& s, const InstrOptions& o, int width, int height);

}  // namespace tvx
