#pragma once
// One exercise as a generator composes it before it touches the simulator:
// what goes into the start-position panel and the radios, the task lines,
// the expected answer and the course line. Composing it needs no window, so
// the draws and answers can be checked on their own; RunGeneratedExercise
// then sets the simulator up from it.
#include <QString>
#include <QStringList>
#include <optional>

#include "exercises/exercisesetup.h"

namespace tvx {

class TExform;

struct GeneratedExercise {
  // A question answered by typing (the question layout of the exercise
  // panel); otherwise a task to fly.
  bool Question = false;

  StartPanelEntry Panel;
  // The heading as the task quotes it, where that is not plain decimal
  // ("015"); empty: plain.
  QString HeadingText;
  // The radio edits; an empty text leaves that edit as it stands.
  QString Vor1Active, Vor1Select, Vor2Active, Vor2Select, AdfActive, AdfSelect;
  // The courses selected on VOR 1 and VOR 2; unset leaves them.
  std::optional<int> Obs1Course, Obs2Course;

  QStringList Task;

  // The expected answer of a question: a whole number, or a letter.
  std::optional<int> AnswerNumber;
  QString AnswerLetter;

  // The map's course line through this beacon; empty: none asked for.
  QString CourseLineBeacon;
  int CourseLineCourse = 0;
};

// Sets the exercise up in the simulator: the panel layout, the start panel
// and radios, the tuning and placement, the task, the expected answer and
// the course line, in that order.
void RunGeneratedExercise(TExform& form, const GeneratedExercise& exercise);

}  // namespace tvx
