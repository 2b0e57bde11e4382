// The generators of the VORDME ARC group.
#include "exercises/dmearcs.h"
#include "exercises/exform.h"
#include "exercises/exstate.h"

namespace tvx {

void TExform::ExinbarcCW() { RunGeneratedExercise(*this, DmeArcExercise(Ex, ArcWay::Inbound, ArcTurn::Clockwise)); }

void TExform::ExinbarcCCW() {
  RunGeneratedExercise(*this, DmeArcExercise(Ex, ArcWay::Inbound, ArcTurn::Counterclockwise));
}

void TExform::ExoutbarcCW() { RunGeneratedExercise(*this, DmeArcExercise(Ex, ArcWay::Outbound, ArcTurn::Clockwise)); }

void TExform::ExoutbarcCCW() {
  RunGeneratedExercise(*this, DmeArcExercise(Ex, ArcWay::Outbound, ArcTurn::Counterclockwise));
}

}  // namespace tvx
