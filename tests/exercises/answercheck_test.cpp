#include "exercises/answercheck.h"

#include <gtest/gtest.h>

#include "exercises/approachdraws.h"

namespace tvx {
namespace {

using O = AnswerOutcome;

TEST(AnswerCheck, FormsToldApartLetterFirst) {
  EXPECT_EQ(AnswerFormOf(0, "Y"), AnswerForm::Letter);
  EXPECT_EQ(AnswerFormOf(-1, "P"), AnswerForm::Letter);  // a letter wins over -1
  EXPECT_EQ(AnswerFormOf(-1, "1.5"), AnswerForm::Decimal);
  EXPECT_EQ(AnswerFormOf(-1, ""), AnswerForm::Decimal);
  EXPECT_EQ(AnswerFormOf(270, ""), AnswerForm::Whole);
  EXPECT_EQ(AnswerFormOf(270, "1.5"), AnswerForm::Whole);
  EXPECT_EQ(AnswerFormOf(270, "X"), AnswerForm::Whole);  // not an answer letter
  EXPECT_EQ(AnswerFormOf(270, "y"), AnswerForm::Whole);  // letters are upper case
}

TEST(AnswerCheck, TableOfAnswers) {
  struct Case {
    const char* typed;
    int answer;
    const char* answerText;
    O outcome;
    const char* boxAfter;
    const char* expected;
  };
  const Case cases[] = {
      // Letters, character for character.
      {"Y", 0, "Y", O::Right, "Y", "Y"},
      {"N", 0, "Y", O::Wrong, "N", "Y"},
      {"T", 5, "T", O::Right, "T", "T"},
      {"D", 5, "P", O::Wrong, "D", "P"},
      {"P ", 5, "P", O::Wrong, "P ", "P"},
      // Decimals: "2" reads "2.0"; no other rewriting.
      {"2", -1, "2.0", O::Right, "2.0", "2.0"},
      {"2", -1, "1.5", O::Wrong, "2.0", "1.5"},
      {"2.00", -1, "2.0", O::Wrong, "2.00", "2.0"},
      {"02.0", -1, "2.0", O::Wrong, "02.0", "2.0"},
      {"1.5", -1, "1.5", O::Right, "1.5", "1.5"},
      {"1.50", -1, "1.5", O::Wrong, "1.50", "1.5"},
      {"abc", -1, "1.5", O::Wrong, "abc", "1.5"},
      // Whole numbers: "360" reads "0" only where 0 is expected.
      {"360", 0, "", O::Right, "0", "0"},
      {"0", 0, "", O::Right, "0", "0"},
      {"360", 180, "", O::Wrong, "360", "180"},
      {"360", 360, "", O::Right, "360", "360"},
      {"180", 180, "", O::Right, "180", "180"},
      {"-10", -10, "", O::Right, "-10", "-10"},
      {"10", -10, "", O::Wrong, "10", "-10"},
      {"2", 2, "", O::Right, "2", "2"},  // "2.0" is only for decimal answers
      {"0360", 0, "", O::Wrong, "0360", "0"},
      {"abc", 17, "", O::NotANumber, "abc", "17"},
      {"1.5", 2, "", O::NotANumber, "1.5", "2"},
      {"2S", 2, "", O::NotANumber, "2S", "2"},
      // Nothing typed.
      {"", 17, "", O::Empty, "", ""},
      {"", -1, "1.5", O::Empty, "", ""},
      {"", 0, "Y", O::Empty, "", ""},
  };
  for (const Case& c : cases) {
    const AnswerCheck check = CheckAnswer(c.typed, c.answer, c.answerText);
    EXPECT_EQ(check.Outcome, c.outcome) << c.typed << " for " << c.answer << "/" << c.answerText;
    EXPECT_EQ(check.BoxText, QString(c.boxAfter)) << c.typed;
    if (c.outcome != O::Empty) EXPECT_EQ(check.Expected, QString(c.expected)) << c.typed;
  }
}

// Every climb gradient of the departure question, typed as its rate of climb.
TEST(AnswerCheck, EveryClimbRateOfTheGradientQuestionIsRight) {
  for (int tenths = 33; tenths <= 82; ++tenths) {
    const QString gradient = QString("%1.%2").arg(tenths / 10).arg(tenths % 10);
    const QString typed = QString::number(tenths * 10);
    const AnswerCheck check = CheckAnswer(typed, ClimbRateForGradient(gradient), "");
    EXPECT_EQ(check.Outcome, O::Right) << qPrintable(gradient);
    EXPECT_EQ(check.BoxText, typed) << qPrintable(gradient);
  }
}

TEST(AnswerCheck, AnswerBoxAfterEachKey) {
  // The sixteen key-command letters alone are taken back, typed in either case.
  for (const QChar letter : QString("UIVBGHJKERAZQSWX")) {
    EXPECT_EQ(AnswerBoxAfterKey(QString(letter)), "") << letter.toLatin1();
    EXPECT_EQ(AnswerBoxAfterKey(QString(letter.toLower())), "") << letter.toLatin1();
  }
  // The answer letters and the other keys stay, upper case.
  for (const char* kept : {"Y", "N", "T", "D", "P", "C", "F", "L", "M", "O"})
    EXPECT_EQ(AnswerBoxAfterKey(QString(kept).toLower()), QString(kept));
  EXPECT_EQ(AnswerBoxAfterKey("2S"), "2S");
  EXPECT_EQ(AnswerBoxAfterKey("2s"), "2S");
  EXPECT_EQ(AnswerBoxAfterKey("ss"), "SS");
  EXPECT_EQ(AnswerBoxAfterKey("-"), "-");
  EXPECT_EQ(AnswerBoxAfterKey(""), "");
}

TEST(AnswerCheck, ScoreOfARun) {
  SimState s;
  // Empty, wrong, unreadable, right: three answers, one right.
  for (O outcome : {O::Empty, O::Wrong, O::NotANumber, O::Right}) CountAnswer(s, outcome);
  EXPECT_EQ(s.ExAnsweredCount, 3);
  EXPECT_EQ(s.ExRightCount, 1);
  EXPECT_EQ(ScoreText(s.ExRightCount, s.ExAnsweredCount), "Your score: 1 / 3");
  EXPECT_EQ(CounterCaption(s.ExAnsweredCount), "Ex: 4");
  EXPECT_EQ(CounterCaption(0), "Ex: 1");
  EXPECT_EQ(ScoreText(0, 0), "Your score: 0 / 0");
}

TEST(AnswerCheck, Texts) {
  EXPECT_EQ(WrongAnswerLine("-10"), "WRONG. The correct answer is: -10");
  EXPECT_EQ(NotAnIntegerMessage("abc"), "'abc' is not a valid integer value");
}

}  // namespace
}  // namespace tvx
