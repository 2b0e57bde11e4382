#pragma once
// The localiser and glideslope strips laid over the glass attitude
// indicator: five dots, a centre line and, on an ILS, a fuchsia bar.
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// `step` is the distance of the outer dots from the centre (StripStep of the
// HSI chart's width); a deviation of 10 puts the bar on an outer dot.
void DrawLocaliserStrip(Canvas& c, const SimState& s, int width, int height, int step);
void DrawGlideslopeStrip(Canvas& c, const SimState& s, int width, int height, int step);

}  // namespace tvx
