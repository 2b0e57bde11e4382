#pragma once
// The end every question generator shares once it has drawn its values.
#include <QStringList>

#include "exercises/exform.h"
#include "exercises/exstate.h"

namespace tvx {

// The task written line by line, the aircraft placed from the start panel,
// then the whole number the answer must equal stored.
inline void AskForNumber(TExform& ex, const QStringList& task, int answer) {
  for (const QString& line : task) ex.AddTask(line);
  ex.PlaceAircraft();
  Ex.ExAnswer = answer;
}

}  // namespace tvx
