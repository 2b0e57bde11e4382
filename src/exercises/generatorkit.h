#pragma once
// What every exercise generator shares: its draws, its wind line and the
// course line it asks the map for.
#include <QString>

#include "areas/areamodel.h"
#include "simulator/simstate.h"

namespace tvx {

// A draw of low..high in steps of `step` from the shared generator:
// Random((high - low) / step + 1) x step + low.
int DrawStep(int low, int high, int step);

// "The wind is: " + the direction in three digits + "/" + speed + ".".
QString WindLine(int direction, int speed);

// The map's course line through the beacon called `name` (exactly, case
// counting) with `course`: slot by slot, the VOR list's slot and then the NDB
// list's, the last match winning. Empty slots never match. False, and the
// line as it was, when no beacon has that name.
bool ApplyCourseLine(const AreaState& area, SimState& s, const QString& name, int course);

}  // namespace tvx
