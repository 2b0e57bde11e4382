#include "exercises/generatedexercise.h"

#include <QLineEdit>

#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

void SetUnlessEmpty(QLineEdit* edit, const QString& text) {
  if (!text.isEmpty()) edit->setText(text);
}

}  // namespace

void RunGeneratedExercise(TExform& form, const GeneratedExercise& exercise) {
  if (exercise.Question) form.DoeStatic();
  else form.DoeFly();
  if (!Form1) return;
  auto& f = Form1->ui;
  WriteStartPanel(exercise.Panel);
  SetUnlessEmpty(f.HDGinput, exercise.HeadingText);
  SetUnlessEmpty(f.VOR1active, exercise.Vor1Active);
  SetUnlessEmpty(f.VOR1select, exercise.Vor1Select);
  SetUnlessEmpty(f.VOR2active, exercise.Vor2Active);
  SetUnlessEmpty(f.VOR2select, exercise.Vor2Select);
  SetUnlessEmpty(f.ADFactive, exercise.AdfActive);
  SetUnlessEmpty(f.ADFselect, exercise.AdfSelect);
  if (exercise.Obs1Course) Sim.Obs1Course = *exercise.Obs1Course;
  if (exercise.Obs2Course) Sim.Obs2Course = *exercise.Obs2Course;
  form.PlaceAircraft();
  for (const QString& line : exercise.Task) form.AddTask(line);
  if (exercise.AnswerNumber) Ex.ExAnswer = *exercise.AnswerNumber;
  if (!exercise.AnswerLetter.isEmpty()) Ex.ExAnswerText = exercise.AnswerLetter;
  if (!exercise.CourseLineBeacon.isEmpty()) {
    Sim.CourseLineShown = true;
    form.tekencrs(exercise.CourseLineBeacon, exercise.CourseLineCourse);
  }
}

}  // namespace tvx
