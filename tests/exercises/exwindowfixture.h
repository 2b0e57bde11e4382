#pragma once
// The simulator window, active, with the exercises window beside it, both
// fresh, as the exercise tests need them.
#include <QtTest>

#include "areas/holding.h"
#include "areas/instroptions.h"
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "simulator/simwindowfixture.h"

namespace tvx::test {

struct ExerciseWindows {
  TForm1* sim = nullptr;
  TExform* ex = nullptr;

  bool Create() {
    ResetExerciseState();
    ResetHoldingWindowState();
    InstrSettings = InstrOptions{};
    sim = NewActiveSimWindow();
    if (!sim) return false;
    ex = new TExform;
    return true;
  }

  void Destroy() {
    delete ex;
    delete sim;
    ex = nullptr;
    sim = nullptr;
  }

  // A run of item `item` of group `group` started from the exercises window.
  void StartRun(int group, int item) {
    ex->ui.Exlijst->setCurrentRow(group);
    ex->ui.Exgroup->SetItemIndex(item);
    ex->ui.startexbit->click();
  }

  // What a question generator leaves behind: the question layout, the task
  // and the expected answer.
  void AskQuestion(const QStringList& task, int answer, const QString& answerText = QString()) {
    ex->DoeStatic();
    for (const QString& line : task) ex->AddTask(line);
    Ex.ExAnswer = answer;
    Ex.ExAnswerText = answerText;
  }
};

}  // namespace tvx::test
