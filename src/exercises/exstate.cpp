#include "exercises/exstate.h"

namespace tvx {

ExerciseState Ex;

void ResetExerciseState() { Ex = ExerciseState{}; }

}  // namespace tvx
