#pragma once
// The exercise panel's judgement of a typed answer and its score, without
// the window.
#include <QString>

#include "simulator/simstate.h"

namespace tvx {

// How the expected answer is compared, told apart in this order: a letter
// ("Y", "N", "T", "D", "P") as text; else, when the whole number is -1, the
// decimal text; else the whole number.
enum class AnswerForm { Letter, Decimal, Whole };

AnswerForm AnswerFormOf(int exAnswer, const QString& exAnswerText);

enum class AnswerOutcome {
  Empty,      // nothing typed: not counted
  Right,
  Wrong,
  NotANumber  // a whole number was expected and the text is none: counted, not judged
};

struct AnswerCheck {
  AnswerOutcome Outcome = AnswerOutcome::Empty;
  // The answer box's text after the check: "2" reads "2.0" for a decimal
  // answer, "360" reads "0" where the whole number expected is 0.
  QString BoxText;
  // The expected answer as the panel names it after a wrong answer.
  QString Expected;
};

AnswerCheck CheckAnswer(const QString& boxText, int exAnswer, const QString& exAnswerText);

// The answer box after a key release: upper case, and emptied when all it
// holds is one letter of the simulator's key commands (the window sees the
// key before the box does).
QString AnswerBoxAfterKey(const QString& text);

// Counts a confirmed attempt: every judged or unreadable answer is counted,
// a right one also scores; an empty one changes nothing.
void CountAnswer(SimState& s, AnswerOutcome outcome);

// The counter caption: the number of the exercise being answered.
QString CounterCaption(int answeredCount);

// The memo line after a wrong answer.
QString WrongAnswerLine(const QString& expected);

// The error text when a whole-number answer is no number.
QString NotAnIntegerMessage(const QString& text);

// The score shown on the exercises window when a run ends.
QString ScoreText(int rightCount, int answeredCount);

}  // namespace tvx
