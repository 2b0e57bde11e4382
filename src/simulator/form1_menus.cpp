// The simulator window's menus and panel buttons, the piston types' switch
// panels, the parking brake, the stopwatch and the jet's guidance line.
#include <QAction>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "areas/area.h"
#include "areas/instrform.h"
#include "areas/mapform.h"
#include "platform/clickfilter.h"
#include "platform/windowintent.h"
#include "platform/windowkeeper.h"
#include "shell/documents.h"
#include "simulator/form1.h"
#include "simulator/keyrelease.h"
#include "simulator/keys.h"
#include "simulator/panelitems.h"
#include "simulator/simstate.h"

namespace tvx {

std::function<void()> TForm1::ShowMainMenu;
std::function<void()> TForm1::ShowKeyboardHelp;

namespace {

// Hands a key released in an edit to a handler only when the key was pressed
// there too. The Enter that closes a message box about the edit's value is
// pressed in the box and released in the edit, which has the focus again;
// taken as the edit's Enter, it would apply the panel again and bring the
// same box back, over and over.
class PressedHereRelease : public QObject {
 public:
  PressedHereRelease(QObject* parent, KeyReleaseFilter::Handler handler)
      : QObject(parent), handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return false;
    if (type == QEvent::KeyPress) {
      pressedIn_ = watched;
      pressedKey_ = key->key();
      return false;
    }
    const bool pressedHere = pressedIn_ == watched && pressedKey_ == key->key();
    pressedIn_ = nullptr;
    if (pressedHere) handler_(key->key(), key->modifiers());
    return false;
  }

 private:
  KeyReleaseFilter::Handler handler_;
  const QObject* pressedIn_ = nullptr;
  int pressedKey_ = 0;
};

constexpr TColor kParkBrakeLightColour = clr::Red;

}  // namespace

void TForm1::ConnectMenus() {
  connect(ui.Exitmenu, &QAction::triggered, this, [this] { MainmenuClick(); });
  connect(ui.CloseAreabit, &QPushButton::clicked, this, [this] { MainmenuClick(); });
  connect(ui.Instrumentsmenu, &QAction::triggered, this, [this] { InstrumentsmenuClick(); });
  connect(ui.InstrumentsButton, &QPushButton::clicked, this, [this] { InstrumentsmenuClick(); });
  connect(ui.Startpositionmenu, &QAction::triggered, this, [this] { StartpositionmenuClick(); });
  connect(ui.GlideslopeUS1, &QAction::triggered, this, [this] { GlideslopeUS1Click(); });
  connect(ui.Help, &QAction::triggered, this, [this] { HelpClick(); });
  connect(ui.Summary1, &QAction::triggered, this, [this] { Summary1Click(); });
  connect(ui.IFRManual1, &QAction::triggered, this, [this] { IFRManual1Click(); });

  for (QLabel* sw : {ui.Ldglight, ui.CarbHeat, ui.Fuelpump})
    sw->installEventFilter(new ClickFilter(this, [this, sw] { LdglightClick(sw); }));
  ui.GroupBox12->installEventFilter(new ClickFilter(this, [this] { GroupBox12Click(); }));

  connect(ui.CHRONO, &QPushButton::clicked, this, [this] { CHRONOClick(); });
  connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
  connect(ui.parkbrake, &QSlider::valueChanged, this, [this] { parkbrakeChange(); });
  ui.Parkbrakelight->SetBrush(kParkBrakeLightColour, BrushStyle::DiagCross);

  ui.beaconinput->installEventFilter(new PressedHereRelease(
      this, [this](int key, Qt::KeyboardModifiers modifiers) { beaconinputKeyUp(key, modifiers); }));
  for (QLineEdit* edit : {ui.HDGinput, ui.Altitudeinput, ui.RPMinput, ui.Attiinput, ui.Radialinput, ui.DMEinput,
                          ui.WINDWinput, ui.WINDVinput})
    edit->installEventFilter(new PressedHereRelease(
        this, [this](int key, Qt::KeyboardModifiers modifiers) { HDGinputKeyUp(key, modifiers); }));
}

void TForm1::MainmenuClick() {
  // Without a main menu there is nowhere to go: the simulator stays in front.
  if (!ShowMainMenu) return;
  ShowMainMenu();
  for (QWidget* w : std::initializer_list<QWidget*>{this, Area, Mapform, Instr}) PutAwayWindow(w);
}

void TForm1::InstrumentsmenuClick() {
  if (!Instr) return;
  ShowNormalAsked(Instr);
  Instr->raise();
  ActivateWhenInView(Instr);
  setEnabled(false);
}

void TForm1::LdglightClick(QLabel* clicked) {
  clicked->setText(ToggledSwitch(clicked->text()));
  ShowSwitchLooks();
}

void TForm1::CHRONOClick() {
  ui.ChronoOutput->setFocus();
  if (!Timer2->isActive()) {
    Timer2->start();
    ui.ChronoOutput->clear();
  } else {
    Timer2->stop();
    Sim.ChronoWhole = 0;
    Sim.ChronoSeconds = 0;
    ui.ChronoOutput->setText("0");
  }
}

void TForm1::Timer2Timer() {
  if (const std::optional<QString> reading = ChronoStep(Sim, ui.ChronoOutput->text()))
    ui.ChronoOutput->setText(*reading);
}

void TForm1::parkbrakeChange() {
  if (ParkingBrakeHolds(Sim.Airspeed, ui.parkbrake->value())) {
    ui.Parkbrakelight->SetBrush(kParkBrakeLightColour, BrushStyle::Solid);
    Timer->stop();
  } else {
    const QSignalBlocker quiet(ui.parkbrake);
    ui.parkbrake->setValue(0);
    ui.Parkbrakelight->SetBrush(kParkBrakeLightColour, BrushStyle::DiagCross);
  }
  // The arrow keys steer the aircraft, not the lever.
  ui.ChronoOutput->setFocus();
}

void TForm1::GroupBox12Click() {
  if (ui.Learntext->text() == "OFF") {
    ui.Learntext->clear();
    doelearn();
  } else {
    ui.Learntext->setText("OFF");
  }
}

void TForm1::doelearn() {
  if (ui.Learntext->text() == "OFF") return;
  if (const std::optional<QString> text = GuidanceText(ui.Flaps->value(), Sim.OneEngineOut))
    ui.Learntext->setText(*text);
}

void TForm1::GlideslopeUS1Click() {
  // The menu has toggled its check mark; the signal follows it.
  Sim.GlideslopeOff = ui.GlideslopeUS1->isChecked();
  // The right-hand chart's repaint computes the deviations afresh and
  // repaints the heading indicator with them.
  ui.Chart3->Repaint();
}

void TForm1::StartpositionmenuClick() {
  if (ui.START->text() != "FLY") return;  // not while flying
  ui.STARTPanel->resize(ToggledStartPanelSize(ui.STARTPanel->size()));
}

void TForm1::beaconinputKeyUp(int key, Qt::KeyboardModifiers modifiers) { HDGinputKeyUp(key, modifiers); }

void TForm1::HDGinputKeyUp(int key, Qt::KeyboardModifiers modifiers) {
  if (!IsPlainEnter(key, modifiers)) return;
  ui.Update->setFocus();
  UpdateClick();
}

void TForm1::helpmenuClick() {
  // Without a help window nothing would be in front of the disabled simulator.
  if (!ShowKeyboardHelp) return;
  ShowKeyboardHelp();
  setEnabled(false);
}

void TForm1::HelpClick() { helpmenuClick(); }

// A document that cannot be opened is named in a message.
void TForm1::Summary1Click() { OpenDocument(kSummaryPdf); }

void TForm1::IFRManual1Click() { OpenDocument(kManualPdf); }

void TForm1::TurnrateClick() {}
void TForm1::APLpanelClick() {}
void TForm1::LNAVpanelClick() {}
void TForm1::SPDupdownClick() {}
void TForm1::VNAVpanelClick() {}
void TForm1::tkFMA() {}
void TForm1::PerfTable1Click() {}

}  // namespace tvx
