// The exercise panel on the simulator window: the task, the answer box and
// its check, the score, NEW EX. and the end of a run.
#include <QStyle>
#include <QVector>

#include "areas/areamodel.h"
#include "areas/holding.h"
#include "areas/mapform.h"
#include "exercises/answercheck.h"
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "platform/messages.h"
#include "platform/windowintent.h"
#include "simulator/form1.h"
#include "simulator/keyrelease.h"
#include "simulator/keys.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

const char* const kStopFirst = "STOP the Sim first!";

}  // namespace

void TForm1::ConnectExercisePanel() {
  QPalette blue = ui.Staticpanel->palette();
  blue.setColor(QPalette::Window, QColor(0, 0, 255));
  ui.Staticpanel->setPalette(blue);
  ui.Staticpanel->setAutoFillBackground(true);
  QFont counter = ui.Ctrtekst->font();
  counter.setPixelSize(16);
  ui.Ctrtekst->setFont(counter);
  SetExerciseMemoColour(Qt::white);
  ui.BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  connect(ui.Confirmstatic, &QPushButton::clicked, this, [this] { ConfirmstaticClick(); });
  connect(ui.Command, &QPushButton::clicked, this, [this] { CommandClick(); });
  connect(ui.BitBtn1, &QPushButton::clicked, this, [this] { ENDstaticClick(); });
  connect(ui.ENDstatic, &QPushButton::clicked, this, [this] { ENDstaticClick(); });
  ui.Staticinput->installEventFilter(new KeyReleaseFilter(
      this, [this](int key, Qt::KeyboardModifiers modifiers) { StaticinputKeyUp(key, modifiers); }));
}

bool TForm1::SimulationRuns() const { return ui.START->text() != "FLY"; }

void TForm1::SetExerciseMemoColour(const QColor& colour) {
  QPalette pal = ui.Staticmemo->palette();
  pal.setColor(QPalette::Base, colour);
  ui.Staticmemo->setPalette(pal);
}

void TForm1::ConfirmstaticClick() {
  SimState& s = Sim;
  // A new question puts the panel back to its full height; a panel folded
  // by the pilot stays folded.
  const bool folded = ExercisePanelFolded;
  const AnswerCheck check = CheckAnswer(ui.Staticinput->text(), Ex.ExAnswer, Ex.ExAnswerText);
  CountAnswer(s, check.Outcome);
  ui.Ctrtekst->setText(CounterCaption(s.ExAnsweredCount));
  if (check.Outcome == AnswerOutcome::Empty) {
    ui.Staticinput->setFocus();
    return;
  }
  if (ui.Staticinput->text() != check.BoxText) ui.Staticinput->setText(check.BoxText);
  switch (check.Outcome) {
    case AnswerOutcome::NotANumber:
      // Counted, but neither right nor wrong: the question stays as it is.
      Messages().ShowMessage(NotAnIntegerMessage(check.BoxText));
      return;
    case AnswerOutcome::Right:
      SetExerciseMemoColour(Qt::white);
      ui.Staticmemo->clear();
      ui.Staticinput->clear();
      ui.Staticinput->setFocus();
      if (Exform) Exform->Oefselectie();
      break;
    default:
      SetExerciseMemoColour(QColor(255, 0, 0));
      Messages().Beep();
      ui.Staticmemo->appendPlainText(WrongAnswerLine(check.Expected));
      ui.Staticinput->setFocus();
      break;
  }
  ExercisePanelFolded = folded;
  ApplyPanelLayout();
}

void TForm1::StaticinputKeyUp(int key, Qt::KeyboardModifiers modifiers) {
  const QString text = AnswerBoxAfterKey(ui.Staticinput->text());
  if (text != ui.Staticinput->text()) ui.Staticinput->setText(text);
  if (IsPlainEnter(key, modifiers)) {
    ui.Confirmstatic->setFocus();
    ConfirmstaticClick();
  }
}

void TForm1::CommandClick() {
  const bool folded = ExercisePanelFolded;
  // Only the instrument-flying tasks follow one another in flight.
  const int group = Exform ? Exform->ui.Exlijst->currentRow() : 0;
  if (SimulationRuns() && group != 0) {
    Messages().ShowMessage(kStopFirst);
    return;
  }
  SetExerciseMemoColour(Qt::white);
  ui.Staticmemo->clear();
  if (Exform) Exform->Oefselectie();
  ExercisePanelFolded = folded;
  ApplyPanelLayout();
}

void TForm1::ENDstaticClick() {
  if (SimulationRuns()) {
    Messages().ShowMessage(kStopFirst);
    return;
  }
  Initpos();
  HoldingWindow.Mapkeuze = kNoHolding;
  if (Mapform) Mapform->SetMapkeuze(kNoHolding);
  setEnabled(false);
  ShowAsItStands(Exform);
  ui.Staticinput->hide();
  ui.Staticpanel->hide();
  if (Exform) Exform->ui.scoretekst->setText(ScoreText(Sim.ExRightCount, Sim.ExAnsweredCount));
}

}  // namespace tvx
