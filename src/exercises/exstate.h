#pragma once
// The values of the exercise being asked: what its generator drew and what
// answer it expects. The generators write them; the simulator's exercise
// panel reads the expected answer. The score counters live with the flight
// state (ExRightCount, ExAnsweredCount in simstate.h).
#include <QString>
#include <cstdint>

namespace tvx {

struct ExerciseState {
  // The expected answer as a whole number; -1 when it is the decimal text
  // in ExAnswerText.
  std::int32_t ExAnswer = 0;
  // A letter ("Y", "N", "T", "D", "P") or a decimal with one decimal; emptied
  // at the start of every run.
  QString ExAnswerText;
  // Drawn and derived values; each generator gives them its own meaning.
  std::int32_t ExValueA = 0, ExValueB = 0, ExValueC = 0, ExValueD = 0, ExValueE = 0;
  // A 0/1 draw: left or right, climb or descent, which leg.
  std::int32_t ExSide = 0;
  // A 0/1 draw of the side the wind blows from.
  std::int32_t ExWindSide = 0;
  // The climb gradient of a departure question as text.
  QString ExGradientText;
};

// The one instance, all zero or empty at program start.
extern ExerciseState Ex;

// Back to the first values, for tests.
void ResetExerciseState();

}  // namespace tvx
