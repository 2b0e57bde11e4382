// The exercise panel on the simulator window: typed answers, their check
// and score, NEW EX., the end of a run and the panel's layout.
#include <QtTest>

#include "areas/mapform.h"
#include "exercises/exwindowfixture.h"
#include "platform/messages.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_ExercisePanel : public QObject {
  Q_OBJECT
  test::ExerciseWindows w;

  Ui::TForm1& F() { return w.sim->ui; }
  QColor MemoColour() { return F().Staticmemo->palette().color(QPalette::Base); }
  QString LastMemoLine() { return F().Staticmemo->toPlainText().split('\n').last(); }

  // Types `text` into the answer box key by key and presses Enter.
  void Answer(const QString& text) {
    F().Staticinput->clear();
    QTest::keyClicks(F().Staticinput, text);
    QTest::keyClick(F().Staticinput, Qt::Key_Return);
  }

 private slots:
  void initTestCase() {
    test::PrepareSimWindowTests();
    TExform::ShowMainMenu = [] {};
  }

  void init() {
    QVERIFY(w.Create());
    // A run of group 0 whose questions the tests set themselves: with no
    // item chosen, the dispatcher calls no generator.
    w.StartRun(0, -1);
    w.AskQuestion({"Enter the reciprocal of:", "005"}, 185);
  }

  void cleanup() { w.Destroy(); }

  void panelAsLaidOut() {
    auto& f = F();
    QCOMPARE(f.Staticpanel->palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(f.Confirmstatic->text(), QString("&ANSWER"));
    QCOMPARE(f.Confirmstatic->toolTip(), QString("Answer this Exercise"));
    QCOMPARE(f.Command->text(), QString("NEW EX."));
    QCOMPARE(f.Command->toolTip(), QString("Generate New Exercise"));
    QCOMPARE(f.BitBtn1->text(), QString("Exit"));
    QCOMPARE(f.BitBtn1->toolTip(), QString("Exit this Exercise"));
    QCOMPARE(f.ENDstatic->text(), QString("EXIT"));
    QVERIFY(f.ENDstatic->isHidden());
    QVERIFY(f.Staticmemo->isReadOnly());
    QCOMPARE(f.Ctrtekst->font().pixelSize(), 16);
    QVERIFY(f.Ctrtekst->font().bold());
    QCOMPARE(MemoColour(), QColor(Qt::white));
  }

  // Wrong, then right: one right of two answered, the memo red in between.
  void wrongThenRight() {
    ScopedRecordingMessages messages;
    auto& f = F();
    Answer("90");
    QCOMPARE(messages.beeps, 1);
    QCOMPARE(MemoColour(), QColor(255, 0, 0));
    QCOMPARE(f.Staticmemo->toPlainText(),
             QString("Enter the reciprocal of:\n005\nWRONG. The correct answer is: 185"));
    QCOMPARE(f.Staticinput->text(), QString("90"));
    QCOMPARE(Sim.ExAnsweredCount, 1);
    QCOMPARE(Sim.ExRightCount, 0);
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 2"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.Staticinput));

    Answer("185");
    QCOMPARE(messages.beeps, 1);
    QCOMPARE(Sim.ExAnsweredCount, 2);
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 3"));
    QCOMPARE(MemoColour(), QColor(Qt::white));
    QCOMPARE(f.Staticmemo->toPlainText(), QString());
    QCOMPARE(f.Staticinput->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.Staticinput));
    QVERIFY(messages.entries.isEmpty());
  }

  void wholeNumbersAndNorth_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("boxAfter");
    QTest::newRow("360 for 0") << 0 << "360" << true << "";
    QTest::newRow("0 for 0") << 0 << "0" << true << "";
    QTest::newRow("360 for 90") << 90 << "360" << false << "360";
    QTest::newRow("360 for 360") << 360 << "360" << true << "";
    QTest::newRow("left needle") << -10 << "-10" << true << "";
    QTest::newRow("needle on the wrong side") << -10 << "10" << false << "10";
  }

  void wholeNumbersAndNorth() {
    QFETCH(int, answer);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QFETCH(QString, boxAfter);
    ScopedRecordingMessages messages;
    Ex.ExAnswer = answer;
    Answer(typed);
    QCOMPARE(Sim.ExRightCount, right ? 1 : 0);
    QCOMPARE(Sim.ExAnsweredCount, 1);
    QCOMPARE(messages.beeps, right ? 0 : 1);
    QCOMPARE(F().Staticinput->text(), boxAfter);
    if (!right) QCOMPARE(LastMemoLine(), "WRONG. The correct answer is: " + QString::number(answer));
  }

  void decimalAnswer() {
    ScopedRecordingMessages messages;
    Ex.ExAnswer = -1;
    Ex.ExAnswerText = "1.5";
    Answer("2");
    QCOMPARE(F().Staticinput->text(), QString("2.0"));
    QCOMPARE(LastMemoLine(), QString("WRONG. The correct answer is: 1.5"));
    Ex.ExAnswerText = "2.0";
    Answer("2");
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 2);
    // The next question of the run: two decimals, or a leading zero, are wrong.
    w.AskQuestion({"The MDH is 600 feet."}, -1, "2.0");
    Answer("2.00");
    Answer("02.0");
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 4);
  }

  // Letters are turned to upper case as they are typed; a key-command
  // letter alone is taken back, after a digit it stays.
  void typingInTheAnswerBox() {
    auto& f = F();
    QTest::keyClicks(f.Staticinput, "y");
    QCOMPARE(f.Staticinput->text(), QString("Y"));
    f.Staticinput->clear();
    QTest::keyClicks(f.Staticinput, "s");
    QCOMPARE(f.Staticinput->text(), QString());
    QTest::keyClicks(f.Staticinput, "2s");
    QCOMPARE(f.Staticinput->text(), QString("2S"));
    f.Staticinput->clear();
    QTest::keyClicks(f.Staticinput, "x");
    QCOMPARE(f.Staticinput->text(), QString());
    // Enter with Shift held confirms nothing.
    QTest::keyClicks(f.Staticinput, "9");
    QTest::keyClick(f.Staticinput, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(Sim.ExAnsweredCount, 0);
    // The keypad's Enter confirms.
    QTest::keyClick(f.Staticinput, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Sim.ExAnsweredCount, 1);
  }

  void letterAnswerTypedLowerCase() {
    ScopedRecordingMessages messages;
    Ex.ExAnswerText = "Y";
    Answer("y");
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 1);
    w.AskQuestion({"Enter T for Teardrop, D for Direct and P for Parallel."}, 0, "P");
    Answer("d");
    QCOMPARE(LastMemoLine(), QString("WRONG. The correct answer is: P"));
    QCOMPARE(Sim.ExRightCount, 1);
    QCOMPARE(Sim.ExAnsweredCount, 2);
  }

  // Enter in an empty box counts nothing.
  void emptyAnswer() {
    ScopedRecordingMessages messages;
    auto& f = F();
    const QString memo = f.Staticmemo->toPlainText();
    QTest::keyClick(f.Staticinput, Qt::Key_Return);
    f.Confirmstatic->click();
    QCOMPARE(Sim.ExAnsweredCount, 0);
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 1"));
    QCOMPARE(f.Staticmemo->toPlainText(), memo);
    QCOMPARE(messages.beeps, 0);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.Staticinput));
  }

  // No number where a whole number is expected: the conversion's message;
  // the attempt counts, the question stays as it is.
  void notANumber() {
    ScopedRecordingMessages messages;
    auto& f = F();
    const QString memo = f.Staticmemo->toPlainText();
    Answer("1.5");
    QCOMPARE(messages.Texts(), QStringList{"'1.5' is not a valid integer value"});
    QCOMPARE(messages.beeps, 0);
    QCOMPARE(Sim.ExAnsweredCount, 1);
    QCOMPARE(Sim.ExRightCount, 0);
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 2"));
    QCOMPARE(f.Staticmemo->toPlainText(), memo);
    QCOMPARE(MemoColour(), QColor(Qt::white));
  }

  void newExercise() {
    ScopedRecordingMessages messages;
    auto& f = F();
    Answer("1");  // wrong: the memo turns red
    QTest::keyClick(w.sim, Qt::Key_E);  // folded by the pilot
    QCOMPARE(f.Staticpanel->height(), Sim.CellSize);
    f.Command->show();
    f.Command->click();
    QCOMPARE(f.Staticmemo->toPlainText(), QString());
    QCOMPARE(MemoColour(), QColor(Qt::white));
    QCOMPARE(Sim.ExAnsweredCount, 1);  // NEW EX. counts nothing
    QCOMPARE(f.Staticpanel->height(), Sim.CellSize);
    QVERIFY(messages.entries.isEmpty());
  }

  // In flight only the instrument-flying tasks may follow one another.
  void newExerciseWhileFlying() {
    ScopedRecordingMessages messages;
    auto& f = F();
    f.START->setText("STOP");
    f.Staticmemo->setPlainText("task");
    w.sim->CommandClick();  // group 0
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(f.Staticmemo->toPlainText(), QString());
    w.ex->ui.Exlijst->setCurrentRow(2);
    f.Staticmemo->setPlainText("task");
    w.sim->CommandClick();
    QCOMPARE(messages.Texts(), QStringList{"STOP the Sim first!"});
    QCOMPARE(f.Staticmemo->toPlainText(), QString("task"));
  }

  // A wrong answer left in the box is not the answer to the next question:
  // a new run starts with the box empty, and Enter there counts nothing.
  void aNewQuestionStartsWithAnEmptyAnswerBox() {
    ScopedRecordingMessages messages;
    auto& f = F();
    Answer("5");  // wrong: it stays in the box for another try
    QCOMPARE(f.Staticinput->text(), QString("5"));
    f.BitBtn1->click();
    QVERIFY(w.ex->isVisible());
    w.StartRun(0, -1);
    w.AskQuestion({"Enter the reciprocal of:", "185"}, 5);
    QVERIFY(f.Staticinput->isVisible());
    QCOMPARE(f.Staticinput->text(), QString());
    QTest::keyClick(f.Staticinput, Qt::Key_Return);
    QCOMPARE(Sim.ExAnsweredCount, 0);
    QCOMPARE(Sim.ExRightCount, 0);
    QCOMPARE(f.Ctrtekst->text(), QString("Ex: 1"));
  }

  void endOfTheRun() {
    ScopedRecordingMessages messages;
    auto& f = F();
    TMapform holding;
    holding.SetMapkeuze(kDrawHolding);
    Answer("5");
    Answer("185");
    HoldingWindow.Mapkeuze = kDrawHolding;
    f.beaconinput->setText("MMM");
    f.START->setText("STOP");
    f.BitBtn1->click();
    QCOMPARE(messages.Texts(), QStringList{"STOP the Sim first!"});
    QVERIFY(!f.Staticpanel->isHidden());
    QVERIFY(w.sim->isEnabled());

    f.START->setText("FLY");
    f.ENDstatic->click();
    QCOMPARE(w.ex->ui.scoretekst->text(), QString("Your score: 1 / 2"));
    QVERIFY(f.Staticpanel->isHidden());
    QVERIFY(f.Staticinput->isHidden());
    QVERIFY(!w.sim->isEnabled());
    QVERIFY(w.ex->isVisible());
    QCOMPARE(HoldingWindow.Mapkeuze, kNoHolding);
    QCOMPARE(holding.Mapkeuze(), kNoHolding);
    QCOMPARE(f.beaconinput->text(), QString("AAA"));  // the default position
  }

  // The right-hand column follows the panel's right edge, the memo fills
  // the rest, however wide or high the run makes the panel.
  void anchoredLayout() {
    auto& f = F();
    const int width = f.Staticpanel->width();
    const int cell = Sim.CellSize;
    QCOMPARE(f.Staticpanel->height(), 2 * cell);
    for (QWidget* right : {static_cast<QWidget*>(f.Staticinput), static_cast<QWidget*>(f.Confirmstatic),
                           static_cast<QWidget*>(f.Ctrtekst), static_cast<QWidget*>(f.BitBtn1),
                           static_cast<QWidget*>(f.Command)})
      QCOMPARE(f.Staticpanel->width() - right->x(), 337 - 264);
    QCOMPARE(f.Staticmemo->geometry(), QRect(8, 8, width - 88, 2 * cell - 16));
    QCOMPARE(f.Staticpanel->pos(), QPoint(0, 4 * cell));
    // E folds the panel to one cell and moves it down a cell.
    QTest::keyClick(w.sim, Qt::Key_E);
    QCOMPARE(f.Staticpanel->geometry(), QRect(0, 5 * cell, width, cell));
    QCOMPARE(f.Staticmemo->geometry(), QRect(8, 8, width - 88, cell - 16));
    QCOMPARE(f.Confirmstatic->pos(), QPoint(width - 73, 32));
    f.Staticinput->setText("7");
    test::SavePng(test::Grab(f.Staticpanel), "exercisepanel_folded");
  }

  void pictures() {
    ScopedRecordingMessages messages;
    auto& f = F();
    Answer("95");
    f.Staticinput->setText("18");
    test::SavePng(test::Grab(w.sim), "exercisepanel_question_window");
    const QImage question = test::Grab(f.Staticpanel);
    test::SavePng(question, "exercisepanel_question");
    // Blue panel, red memo after the wrong answer.
    QCOMPARE(question.pixelColor(question.width() - 3, question.height() - 3), QColor(0, 0, 255));
    const QPoint inMemo = f.Staticmemo->geometry().bottomLeft() + QPoint(20, -8);
    QCOMPARE(question.pixelColor(inMemo), QColor(255, 0, 0));

    // A flying exercise in the same panel, as NEW EX. brings one.
    w.sim->CommandClick();
    w.ex->DoeFly();
    w.ex->AddTask("Fly to VOR AAA on course 90. When overhead, continue outbound on the same radial.");
    w.ex->AddTask("The wind is: 360/25.");
    const QImage fly = test::Grab(f.Staticpanel);
    test::SavePng(fly, "exercisepanel_fly");
    QCOMPARE(fly.pixelColor(inMemo), QColor(Qt::white));
  }
};

QTEST_MAIN(tst_ExercisePanel)
#include "tst_exercisepanel.moc"
