#pragma once
// The DME-arc exercises composed without a window: from a radial of VOR
// "AAA", fly an arc of a drawn distance clockwise or counterclockwise and
// leave it on a drawn final radial, inbound or outbound.
#include "exercises/exstate.h"
#include "exercises/generatedexercise.h"

namespace tvx {

enum class ArcWay { Inbound, Outbound };
enum class ArcTurn { Clockwise, Counterclockwise };

// Draws the arc and the wind; keeps the course of the final leg in
// ExValueA, the arc distance in ExValueB, the wind in ExValueC/ExValueD
// and the turn in ExSide (1 clockwise).
GeneratedExercise DmeArcExercise(ExerciseState& ex, ArcWay way, ArcTurn turn);

}  // namespace tvx
