#pragma once
// The fixed catalogue of the IFR exercises: ten groups, each a list of items
// with the title shown on the exercises window and the name of the generator
// that sets the exercise up. Pure data; the window and the dispatcher read it.
#include <QString>
#include <QStringList>
#include <vector>

namespace tvx {

// What the pilot does: answer a question by typing, fly a task, or watch.
// A title tells it by its first three characters: "[S]", "[F]" or "[D]".
enum class ExerciseKind { Question, Flying, Demonstration };

struct ExerciseItem {
  // As stored: "&&" shows as one "&" on the window.
  QString Title;
  // The generator's name, as the dispatcher's table names it.
  QString Generator;
  // False for an item the dispatcher holds but the window never offers.
  bool Listed = true;
};

struct ExerciseGroup {
  QString Title;
  // Listed items first, in the window's order; unlisted ones after them.
  std::vector<ExerciseItem> Items;
};

constexpr int kExerciseGroupCount = 10;

// The ten groups, in the order of the window's group list.
const std::vector<ExerciseGroup>& ExerciseCatalogue();

// The titles of the group list, index 0 to 9.
QStringList ExerciseGroupTitles();

// The titles the window offers for group `group`; empty for an index outside
// the catalogue.
QStringList ExerciseTitles(int group);

// The catalogue item the dispatcher runs for (`group`, `item`), listed or
// not; nullptr outside the catalogue.
const ExerciseItem* FindExercise(int group, int item);

// The kind a title announces; a title without a known prefix counts as a
// question.
ExerciseKind KindOfTitle(const QString& title);

}  // namespace tvx
