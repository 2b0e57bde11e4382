// The jet's failure and manoeuvre scenarios on the simulator window: the
// scenario list, the warning panel, the drill levers and switches, and the
// sounds.
#include <QButtonGroup>
#include <QSignalBlocker>

#include "platform/clickfilter.h"
#include "platform/dataroot.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/shapewidget.h"
#include "platform/sound.h"
#include "preparation/toolwindow.h"
#include "simulator/form1.h"
#include "simulator/scenarios.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

const QColor kFireSwitchColour(0x80, 0, 0);  // maroon
const QColor kWarningColour(Qt::red);

// The fire switches stand at these left offsets until pulled and turned.
constexpr int kEfs1Home = 13;
constexpr int kEfs2Home = 45;
// A pulled switch turns between its home offset less and plus this.
constexpr int kFireSwitchTurn = 8;
constexpr int kThrustLeverRest = 25;

void Colour(QWidget* w, const QColor& face, const QColor& text) {
  SetToolColor(w, QPalette::Window, face);
  SetToolColor(w, QPalette::WindowText, text);
}

// A fire switch back home: raised, maroon, at its offset.
void HomeFireSwitch(QLabel* fireSwitch, int left) {
  fireSwitch->setFrameShape(QFrame::Panel);
  fireSwitch->setFrameShadow(QFrame::Raised);
  fireSwitch->move(left, fireSwitch->y());
  Colour(fireSwitch, kFireSwitchColour, Qt::white);
}

// Plays a scenario sound from the Navdata folder. Only the scenarios' own
// files are played: a name from anywhere else plays nothing.
void PlayScenarioSound(const scenario::SoundRequest& request) {
  if (request.file.isEmpty() || !scenario::SoundFiles().contains(request.file)) return;
  Sound().Play(MapPath("C:\\Tarvinex\\Tarvinex Sim\\Navdata\\" + request.file), request.loop);
}

// The tick's checks call back into the window's operations.
class WindowHost : public scenario::ScenarioHost {
 public:
  explicit WindowHost(TForm1& form) : form_(form) {}
  void Activate() override { form_.doefailure(); }
  void ResolutionAdvisory() override { form_.doefase3(); }
  void ClearOfConflict() override { form_.clearofconflict(); }
  void End() override { form_.endfailure(); }
  void TurbulenceOff() override { form_.NoturbClick(); }

 private:
  TForm1& form_;
};

}  // namespace

void TForm1::ConnectScenarios() {
  auto* group = new QButtonGroup(this);
  const QStringList items = scenario::FailureItems();
  for (int i = 0; i < scenario::kFailureItemCount; ++i) {
    auto* button = ui.Failuregroup->findChild<QRadioButton*>(QString("Failuregroup%1").arg(i));
    Q_ASSERT(button);
    button->setText(items[i]);
    button->setFocusPolicy(Qt::NoFocus);
    group->addButton(button, i);
  }
  connect(group, &QButtonGroup::idClicked, this, &TForm1::FailuregroupClick);

  // The levers and switches are for the pilot's drills; moving them changes
  // nothing in the simulation, and they leave the keys to the window.
  for (QSlider* lever : {ui.TL1, ui.TL2, ui.FCS1, ui.FCS2, ui.AT}) lever->setFocusPolicy(Qt::NoFocus);
  connect(ui.FCS1, &QSlider::valueChanged, this, [this] { FCS1Change(); });
  connect(ui.FCS2, &QSlider::valueChanged, this, [this] { FCS1Change(); });
  ui.EFS1->installEventFilter(new ClickFilter(this, [this] { EFS1Click(ui.EFS1); }));
  ui.EFS2->installEventFilter(new ClickFilter(this, [this] { EFS1Click(ui.EFS2); }));
  ui.Eicas->installEventFilter(new ClickFilter(this, [this] { EicasClick(); }));
  ui.ResetEx->setFocusPolicy(Qt::NoFocus);
  connect(ui.ResetEx, &QPushButton::clicked, this, [this] { ResetExClick(); });

  // Where the panel stands is the layout's (PlaceScenarioPanel).
  HomeFireSwitch(ui.EFS1, kEfs1Home);
  HomeFireSwitch(ui.EFS2, kEfs2Home);
  Colour(ui.Eicas, Qt::black, kWarningColour);
  // A looping alarm ends with the window.
  connect(this, &QObject::destroyed, [] { Sound().Stop(); });
}

int TForm1::FailuregroupIndex() const {
  QAbstractButton* checked = ui.Failuregroup0->group()->checkedButton();
  return checked ? ui.Failuregroup0->group()->id(checked) : -1;
}

void TForm1::FailuregroupClick(int index) {
  ui.Failuregroup->setEnabled(false);
  ui.ChronoOutput->setFocus();
  const scenario::Selection selection = scenario::Select(Sim, Rng(), index);
  if (selection.armed) return;
  if (!selection.message.isEmpty()) Messages().ShowMessage(selection.message);
  endfailure();
}

void TForm1::doefailure() {
  SimState& s = Sim;
  const scenario::Activation a = scenario::Activate(s, Rng());
  ShowDiscRotation();
  if (a.severeTurbulence) SevereturbClick();
  if (s.FailureCode == "Fire") {
    Colour(ui.Eicas, kWarningColour, Qt::white);
    Colour(s.FailedEngine == 1 ? ui.EFS1 : ui.EFS2, kWarningColour, Qt::white);
  } else if (s.FailureCode == "CABIN") {
    Colour(ui.Eicas, Qt::black, kWarningColour);
  }
  PlayScenarioSound(a.sound);
  SchrijfEicas();
  TkOrvane();
}

void TForm1::doefase3() { PlayScenarioSound(scenario::ResolutionAdvisory(Sim, Rng())); }

void TForm1::clearofconflict() { PlayScenarioSound(scenario::ClearOfConflict(Sim)); }

void TForm1::endfailure() {
  SimState& s = Sim;
  if (s.FailureCode == "WS") NoturbClick();
  scenario::End(s);
  ui.Failuregroup0->setChecked(true);
  ui.Failuregroup->setEnabled(true);
  SchrijfEicas();
  ui.ChronoOutput->setFocus();
  HomeFireSwitch(ui.EFS1, kEfs1Home);
  HomeFireSwitch(ui.EFS2, kEfs2Home);
  ui.AT->setValue(0);
  ui.TL1->setValue(kThrustLeverRest);
  ui.TL2->setValue(kThrustLeverRest);
  ui.FCS1->setValue(0);
  ui.FCS2->setValue(0);
  Colour(ui.Eicas, Qt::black, kWarningColour);
  ui.Eicas->clear();
  Sound().Stop();
  ui.Parkbrakelight->SetBrush(ui.Parkbrakelight->BrushColor(), BrushStyle::DiagCross);
  ui.parkbrake->setValue(0);
}

void TForm1::SchrijfEicas() { ui.Eicas->setText(scenario::EicasText(Sim)); }

void TForm1::EicasClick() { Sound().Stop(); }

void TForm1::EFS1Click(QLabel* fireSwitch) {
  // The first click pulls the switch (its bevel goes); then each click turns
  // it to the other side.
  if (fireSwitch->frameShape() != QFrame::NoFrame) {
    fireSwitch->setFrameShape(QFrame::NoFrame);
    return;
  }
  const int home = fireSwitch == ui.EFS1 ? kEfs1Home : kEfs2Home;
  const int left = home - kFireSwitchTurn;
  fireSwitch->move(fireSwitch->x() == left ? home + kFireSwitchTurn : left, fireSwitch->y());
}

void TForm1::FCS1Change() {}

void TForm1::ResetExClick() { endfailure(); }

void TForm1::ScenarioChecks() {
  WindowHost host(*this);
  scenario::RunChecks(Sim, host);
}

}  // namespace tvx
