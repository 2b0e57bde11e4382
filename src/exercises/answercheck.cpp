#include "exercises/answercheck.h"

#include "platform/textutil.h"

namespace tvx {

AnswerForm AnswerFormOf(int exAnswer, const QString& exAnswerText) {
  for (const char* letter : {"Y", "N", "T", "D", "P"})
    if (exAnswerText == QLatin1String(letter)) return AnswerForm::Letter;
  return exAnswer == -1 ? AnswerForm::Decimal : AnswerForm::Whole;
}

AnswerCheck CheckAnswer(const QString& boxText, int exAnswer, const QString& exAnswerText) {
  AnswerCheck check;
  check.BoxText = boxText;
  if (boxText.isEmpty()) return check;
  switch (AnswerFormOf(exAnswer, exAnswerText)) {
    case AnswerForm::Letter:
      check.Expected = exAnswerText;
      check.Outcome = boxText == exAnswerText ? AnswerOutcome::Right : AnswerOutcome::Wrong;
      break;
    case AnswerForm::Decimal:
      // Two may be typed without its decimal.
      if (check.BoxText == "2") check.BoxText = "2.0";
      check.Expected = exAnswerText;
      check.Outcome = check.BoxText == exAnswerText ? AnswerOutcome::Right : AnswerOutcome::Wrong;
      break;
    case AnswerForm::Whole: {
      // North may be typed as 360; a climb rate of 360 ft/min is 360.
      if (check.BoxText == "360" && exAnswer == 0) check.BoxText = "0";
      check.Expected = QString::number(exAnswer);
      int typed = 0;
      if (!TryParseInt(check.BoxText, typed)) check.Outcome = AnswerOutcome::NotANumber;
      else check.Outcome = typed == exAnswer ? AnswerOutcome::Right : AnswerOutcome::Wrong;
      break;
    }
  }
  return check;
}

QString AnswerBoxAfterKey(const QString& text) {
  const QString upper = text.toUpper();
  static const QString kCommandLetters = "UIVBGHJKERAZQSWX";
  if (upper.size() == 1 && kCommandLetters.contains(upper)) return QString();
  return upper;
}

void CountAnswer(SimState& s, AnswerOutcome outcome) {
  if (outcome == AnswerOutcome::Empty) return;
  ++s.ExAnsweredCount;
  if (outcome == AnswerOutcome::Right) ++s.ExRightCount;
}

QString CounterCaption(int answeredCount) { return "Ex: " + QString::number(answeredCount + 1); }

QString WrongAnswerLine(const QString& expected) { return "WRONG. The correct answer is: " + expected; }

QString NotAnIntegerMessage(const QString& text) { return "'" + text + "' is not a valid integer value"; }

QString ScoreText(int rightCount, int answeredCount) {
  return "Your score: " + QString::number(rightCount) + " / " + QString::number(answeredCount);
}

}  // namespace tvx
