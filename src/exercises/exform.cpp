#include "exercises/exform.h"

#include <QSignalBlocker>
#include <QStyle>

#include "areas/area.h"
#include "areas/areamodel.h"
#include "areas/instrform.h"
#include "areas/instroptions.h"
#include "areas/mapform.h"
#include "exercises/answercheck.h"
#include "exercises/catalogue.h"
#include "exercises/exstate.h"
#include "exercises/generatorkit.h"
#include "platform/anchor.h"
#include "platform/random.h"
#include "platform/windowkeeper.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

TExform* Exform = nullptr;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kWindowColour(255, 255, 255);

}  // namespace

TExform::TExform(QWidget* parent) : ToolWindow(parent) {
  Exform = this;
  ui.setupUi(this);
  // A dialog frame with a caption and no title-bar buttons.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(630, 466);
  for (QWidget* panel : {static_cast<QWidget*>(ui.ExPanel), static_cast<QWidget*>(ui.Panel1)})
    SetToolColor(panel, QPalette::Window, kNavy);
  SetToolColor(ui.Exgroup, QPalette::WindowText, kWindowColour);
  SetToolColor(ui.scoretekst, QPalette::WindowText, Qt::white);
  QFont score = ui.scoretekst->font();
  score.setPixelSize(19);
  ui.scoretekst->setFont(score);
  ui.exitbit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  ui.startexbit->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  ui.Exlijst->addItems(ExerciseGroupTitles());
  // A click on the group already chosen lists it afresh too.
  connect(ui.Exlijst, &QListWidget::currentRowChanged, this, &TExform::ExlijstClick);
  connect(ui.Exlijst, &QListWidget::itemClicked, this, &TExform::ExlijstClick);
  connect(ui.Startex, &QPushButton::clicked, this, &TExform::StartexClick);
  connect(ui.startexbit, &QPushButton::clicked, this, &TExform::StartexClick);
  connect(ui.Exit, &QPushButton::clicked, this, &TExform::ExitClick);
  connect(ui.exitbit, &QPushButton::clicked, this, &TExform::ExitClick);
  CentreOnScreen();
  FormCreate();
}

TExform::~TExform() {
  if (Exform == this) Exform = nullptr;
}

void TExform::CentreOnScreen() { tvx::CentreOnScreen(this); }

void TExform::FormCreate() {
  {
    // Selecting the first group is no click of the user's.
    const QSignalBlocker block(ui.Exlijst);
    ui.Exlijst->setCurrentRow(0);
  }
  DoeExlijstClick();
  ui.Exgroup->SetItemIndex(0);
  Rng().Randomize();
}

void TExform::ExlijstClick() { DoeExlijstClick(); }

void TExform::DoeExlijstClick() {
  const int group = ui.Exlijst->currentRow();
  if (group < 0 || group >= kExerciseGroupCount) return;
  ui.Exgroup->SetItems(ExerciseTitles(group));
  ui.Exgroup->SetItemIndex(0);
}

void TExform::StartexClick() {
  if (!Form1) return;
  auto& f = Form1->ui;
  Form1->setEnabled(true);
  Form1->Initpos();
  Form1->SetExerciseMemoColour(Qt::white);
  f.Staticmemo->clear();
  hide();
  f.Staticpanel->show();
  Form1->ExercisePanelAtTop = false;
  Form1->ExercisePanelFolded = false;
  Form1->ApplyPanelLayout();
  if (!f.Staticinput->isHidden()) f.Staticinput->setFocus();
  Ex.ExAnswerText.clear();
  Sim.MapVisible = true;
  Form1->mapschakelaar();  // the map is hidden
  InstrSettings.ADFRMI = 0;
  Sim.ExRightCount = 0;
  Sim.ExAnsweredCount = 0;
  // Also while a flying layout hides the counter: the next question layout
  // must not show the count of an earlier run.
  f.Ctrtekst->setText(CounterCaption(Sim.ExAnsweredCount));
  Oefselectie();
}

void TExform::Oefselectie() {
  const auto& table = GeneratorTable();
  const int group = ui.Exlijst->currentRow();
  const int item = ui.Exgroup->ItemIndex();
  if (group < 0 || group >= static_cast<int>(table.size())) return;
  const auto& row = table[static_cast<std::size_t>(group)];
  if (item < 0 || item >= static_cast<int>(row.size())) return;
  if (const Generator run = row[static_cast<std::size_t>(item)].Run) (this->*run)();
}

void TExform::ExitClick() {
  if (Form1) Form1->setEnabled(true);
  Sim.CourseLineShown = false;
  if (ShowMainMenu) ShowMainMenu();
  hide();
  PutAwayWindow(Form1);
  if (Area) Area->hide();
  // Put away without being shown, should it be hidden.
  PutAwayWindow(Mapform);
  if (Instr) Instr->hide();
}

void TExform::DoeStatic() { SetPanelLayout(true); }

void TExform::DoeFly() { SetPanelLayout(false); }

void TExform::SetPanelLayout(bool question) {
  if (!Form1) return;
  auto& f = Form1->ui;
  Form1->ExercisePanelFolded = false;
  // FLY/STOP only for the tasks flown; never the start panel.
  f.START->setVisible(!question);
  f.Startbit->setVisible(!question);
  f.STARTPanel->hide();
  f.Staticinput->setVisible(question);
  if (question) {
    // A new question never inherits the last one's answer, which Enter
    // would otherwise send as the answer to this one.
    f.Staticinput->clear();
    f.Staticinput->setFocus();
  }
  f.Confirmstatic->setVisible(question);
  f.Command->setVisible(!question);
  f.Ctrtekst->setVisible(question);
  Form1->ApplyPanelLayout();
}

void TExform::ShowMapAtTop() {
  if (!Form1) return;
  Form1->ExercisePanelAtTop = true;
  Sim.MapVisible = false;
  Form1->mapschakelaar();  // the map is shown
}

void TExform::PlaceAircraft() {
  if (!Form1) return;
  Form1->Zoekfreq();
  Form1->DoeUpdate();
}

void TExform::AddTask(const QString& line) {
  if (Form1) Form1->ui.Staticmemo->appendPlainText(line);
}

void TExform::tekencrs(const QString& name, int course) { ApplyCourseLine(Areas, Sim, name, course); }

}  // namespace tvx
