#include "shell/mainform.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include "areas/holding.h"
#include "areas/mapform.h"
#include "exercises/exform.h"
#include "platform/clickfilter.h"
#include "platform/dataroot.h"
#include "platform/jpegimage.h"
#include "platform/shell.h"
#include "platform/windowintent.h"
#include "platform/windowkeeper.h"
#include "preparation/convform.h"
#include "preparation/massbalform.h"
#include "preparation/windtriangle.h"
#include "shell/documents.h"
#include "shell/menutexts.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

TMain* Main = nullptr;

namespace {

// The items of the start panel's automatic holding or ILS placement.
constexpr int kAutoposOnLeft = 0;
constexpr int kAutoposOff = 2;

// Set as a value, not as the user's choice, so the start panel is not re-read.
void SetAutopos(TForm1& form, int index) {
  const QSignalBlocker quiet(form.ui.Autopos);
  form.ui.Autopos->setCurrentIndex(index);
}

// The type "SEP" chosen again even when it is chosen already, so that its
// parameters and preset are applied afresh.
void ReapplySep(TForm1& form) {
  Sim.AircraftType = "SEP";
  form.SetTypegroupIndex(-1);
  form.SetTypegroupIndex(0);
}

// A dial's picture cut to its round face, so that the button's colour shows
// around it whatever that colour is (it changes under the mouse).
QIcon RoundIcon(const QImage& picture) {
  if (picture.isNull()) return {};
  QImage round(picture.size(), QImage::Format_ARGB32_Premultiplied);
  round.fill(Qt::transparent);
  QPainter painter(&round);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath face;
  face.addEllipse(QRectF(round.rect()).adjusted(1, 1, -1, -1));
  painter.setClipPath(face);
  painter.drawImage(0, 0, picture);
  painter.end();
  return QIcon(QPixmap::fromImage(round));
}

void ShowTheMenu() {
  if (Main) Main->ShowMenu();
}

}  // namespace

TMain::TMain(QWidget* parent) : ToolWindow(parent) {
  Main = this;
  ui.setupUi(this);
  // Captioned. Not above other programs' windows: a document or a mail the
  // menu opens comes in front of it. Over the program's own windows it stays
  // by putting them away. A window manager maximises only a window that
  // offers the maximise command (xfwm4 keeps it at its normal size
  // otherwise), hence the title bar's one button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint);
  Maintimer = new QTimer(this);
  Maintimer->setInterval(1000);
  connect(Maintimer, &QTimer::timeout, this, &TMain::MaintimerTimer);

  connect(ui.Simulator, &QPushButton::clicked, this, &TMain::SIMULATORClick);
  connect(ui.Exercises, &QPushButton::clicked, this, &TMain::ExercisesClick);
  connect(ui.Navlog, &QPushButton::clicked, this, &TMain::NavlogClick);
  connect(ui.MassBal, &QPushButton::clicked, this, &TMain::MassBalClick);
  connect(ui.Conversion, &QPushButton::clicked, this, &TMain::ConversionClick);
  connect(ui.CloseAreabit, &QPushButton::clicked, this, &TMain::EXITClick);
  connect(ui.Emailbit, &QPushButton::clicked, this, &TMain::EmailbitClick);
  connect(ui.BitBtn1, &QPushButton::clicked, this, &TMain::IFRManual1Click);
  connect(ui.BitBtn2, &QPushButton::clicked, this, &TMain::SummaryClick);
  connect(ui.Button1, &QPushButton::clicked, this, &TMain::Button1Click);
  ui.Exit->installEventFilter(new ClickFilter(ui.Exit, [this] { EXITClick(); }));
  ui.B757panel->installEventFilter(new ClickFilter(ui.B757panel, [this] { SIMULATORClick(); }));
  ui.Fbimage->installEventFilter(new ClickFilter(ui.Fbimage, [this] { FbimageClick(); }));

  const std::pair<QWidget*, const char*> hovers[] = {
      {ui.Simulator, kHoverSimulator}, {ui.B757panel, kHoverBoeing757},  {ui.Exercises, kHoverExercises},
      {ui.Navlog, kHoverNavlog},       {ui.MassBal, kHoverMassBal},      {ui.Conversion, kHoverConversion},
      {ui.Exit, kHoverExit},           {ui.CloseAreabit, kHoverExit},    {ui.Innerpanel, kHoverCreated},
      {this, kHoverCreated}};
  for (const auto& [control, word] : hovers) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
    hoverWords_.insert(control, word);
  }

  ui.Mainmemo->setWordWrapMode(QTextOption::WordWrap);
  LoadPictures();

  // Every exit of the simulator, the exercises and the tools comes here.
  TForm1::ShowMainMenu = ShowTheMenu;
  ToolWindow::ShowMainMenu = ShowTheMenu;
  FormCreate();
}

TMain::~TMain() {
  if (Main != this) return;
  Main = nullptr;
  TForm1::ShowMainMenu = nullptr;
  ToolWindow::ShowMainMenu = nullptr;
}

QString TMain::PictureFolder() { return DataPath("pictures"); }

void TMain::LoadPictures() {
  const QString folder = PictureFolder() + "/";
  ui.Innerpanel->SetPicture(LoadJpeg(folder + "menu-background.jpg"));
  ui.Simulator->setIcon(RoundIcon(LoadJpeg(folder + "menu-simulator.jpg")));
  ui.Exercises->setIcon(RoundIcon(LoadJpeg(folder + "menu-exercises.jpg")));
  const QImage group = LoadJpeg(folder + "menu-pilotsgroup.jpg");
  if (group.isNull()) {
    ui.Fbimage->setPixmap(QPixmap());
    ui.Fbimage->setText("Pilots' group");
  } else {
    ui.Fbimage->setPixmap(QPixmap::fromImage(group.scaled(ui.Fbimage->maximumSize(), Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation)));
  }
}

void TMain::FormCreate() {
  for (QPushButton* entry : {ui.Simulator, ui.Exercises, ui.Navlog, ui.MassBal, ui.Conversion})
    entry->setEnabled(true);
  if (Form1) Form1->setWindowTitle("Tarvinex Sim");
  HoverKey.clear();
  ui.Mainmemo->clear();
  if (Form1) Form1->hide();
  if (Windtriangle) Windtriangle->hide();
  ui.Ondertitel->clear();
  Maintimer->start();
}

void TMain::FormPaint() {
  for (QWidget* w : std::initializer_list<QWidget*>{Form1, Windtriangle, MassBalForm, Convform, Exform})
    PutAwayWindow(w);
}

void TMain::ShowMenu() {
  ShowMaximisedOnScreen(this);
  raise();
  ActivateWhenInView(this);
}

void TMain::SIMULATORClick() {
  if (!Form1) return;
  auto& f = Form1->ui;
  Form1->setEnabled(true);
  ShowMaximisedOnScreen(Form1);
  for (QAction* item : {f.Exitmenu, f.Areamenu, f.Mapmenu, f.Instrumentsmenu}) item->setVisible(false);
  f.Startpositionmenu->setVisible(true);
  f.Optionsmenu->menuAction()->setVisible(true);
  for (QWidget* w : std::initializer_list<QWidget*>{f.STARTPanel, f.START, f.Startbit}) w->show();
  SetAutopos(*Form1, kAutoposOnLeft);
  Form1->startkleur();
  hide();
  Sim.MapVisible = false;
  Form1->mapschakelaar();  // the map is shown
  if (Mapform) {
    Mapform->ui.Holdingbeacon->setText(f.Beaconbox->currentText());
    Mapform->leesholdingdata();
    Mapform->SetMapkeuze(kDrawHolding);
    Mapform->hide();
  }
  Sim.Obs2Course = 180;
  Sim.Obs1Course = 270;
  for (QWidget* w : std::initializer_list<QWidget*>{Exform, Windtriangle, MassBalForm, Convform})
    PutAwayWindow(w);
  f.START->setFocus();
  ReapplySep(*Form1);
}

void TMain::ExercisesClick() {
  if (!Form1) return;
  auto& f = Form1->ui;
  // The automatic holding or ILS placement would move the default position
  // and, later, every exercise's aircraft away from where the exercise puts
  // it: it is off before anything is placed.
  SetAutopos(*Form1, kAutoposOff);
  Form1->Initpos();
  Sim.MapVisible = true;
  Form1->mapschakelaar();  // the map is hidden
  Form1->setEnabled(false);
  ShowMaximisedOnScreen(Form1);
  ReapplySep(*Form1);
  for (QAction* item : {f.Exitmenu, f.Startpositionmenu, f.Areamenu, f.Mapmenu, f.Instrumentsmenu})
    item->setVisible(false);
  f.Optionsmenu->menuAction()->setVisible(false);
  SetAutopos(*Form1, kAutoposOff);
  Form1->startkleur();
  f.STARTPanel->hide();
  if (Exform) {
    Exform->ui.ExPanel->move(0, 0);
    ShowNormalAsked(Exform);
    Exform->raise();
    ActivateWhenInView(Exform);
  }
  hide();
  for (QWidget* w : std::initializer_list<QWidget*>{Windtriangle, MassBalForm, Convform}) PutAwayWindow(w);
}

void TMain::ShowTool(QWidget* tool, std::initializer_list<QWidget*> others) {
  if (!tool) return;
  ShowMaximisedOnScreen(tool);
  tool->raise();
  ActivateWhenInView(tool);
  hide();
  PutAwayWindow(Form1);
  for (QWidget* w : others) PutAwayWindow(w);
}

void TMain::NavlogClick() { ShowTool(Windtriangle, {MassBalForm, Convform}); }

void TMain::MassBalClick() { ShowTool(MassBalForm, {Windtriangle, Convform}); }

void TMain::ConversionClick() { ShowTool(Convform, {Windtriangle, MassBalForm}); }

void TMain::EXITClick() { EndProgramAsked(); }

void TMain::MaintimerTimer() { ui.Ondertitel->setText(NextBanner(ui.Ondertitel->text())); }

// A link that cannot be opened (no mail program, no browser, no document)
// is named in a message; the menu stays as it was.
void TMain::EmailbitClick() { OpenMailOrSay(InvitationSubject(), InvitationBody()); }

void TMain::FbimageClick() { OpenWebPageOrSay(kCommunityPage); }

void TMain::IFRManual1Click() { OpenDocument(kManualPdf); }

void TMain::SummaryClick() { OpenDocument(kSummaryPdf); }

void TMain::Button1Click() {}

void TMain::HoverOver(const QString& word) {
  if (!TakeHover(HoverKey, word)) return;
  ui.Mainmemo->setPlainText(HoverLines(word).join('\n'));
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  // The background panel covers the whole window: a paint of all of it is
  // the menu's paint (shown, restored, uncovered). A control repainting
  // itself over it (the banner, a button under the mouse) is not.
  if (event->type() == QEvent::Paint && watched == ui.Innerpanel &&
      static_cast<QPaintEvent*>(event)->rect() == ui.Innerpanel->rect())
    FormPaint();
  if (event->type() == QEvent::MouseMove) {
    const auto it = hoverWords_.constFind(watched);
    if (it != hoverWords_.cend()) {
      // The background's text only where the background itself is under the
      // mouse, not a control that passed the move on.
      const auto* widget = static_cast<QWidget*>(watched);
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      const bool background = widget == ui.Innerpanel || widget == this;
      if (!background || !widget->childAt(at)) HoverOver(*it);
    }
  }
  return ToolWindow::eventFilter(watched, event);
}

}  // namespace tvx
