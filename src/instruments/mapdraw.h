#pragma once
// The moving map's layers, each drawn from the state it is given onto the
// map chart's canvas. Pen, brush and font carry over from one layer to the
// next, as on every chart.
#include "areas/areamodel.h"
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// The white frame inset by `CellFrameMargin` round a chart of the given size.
void DrawChartFrame(Canvas& c, int width, int height, int margin);

// VORs, NDBs, ILS feathers with their locators, names, and the exercise
// course line.
void DrawMapBeacons(Canvas& c, const SimState& s, const AreaState& area);
// The wind read-out and arrow at the lower left; a read-out that a range
// ring would cross is left to the overlay, which writes it over the rings.
void DrawMapWind(Canvas& c, int height, const SimState& s);
// The holding pattern with its inbound course and radial labels.
void DrawMapHolding(Canvas& c, const SimState& s);
// Key hints and area name, range rings, read-outs, the flown track and the
// aircraft symbol. The texts in the corners that a ring would cross (the
// wind read-out among them) are written after the rings, on a black box.
void DrawMapOverlay(Canvas& c, int width, int height, const SimState& s, const AreaState& area);

// The whole map chart in its order: frame, beacons, wind, the holding when
// `drawHolding`, overlay.
void DrawMap(Canvas& c, int width, int height, const SimState& s, const AreaState& area, bool drawHolding);

// Whether the once-a-second tick repaints the map: it is shown at normal
// size, or at full size (also when full size was opened from the hidden map).
bool MapNeedsRepaint(const SimState& s);

}  // namespace tvx
