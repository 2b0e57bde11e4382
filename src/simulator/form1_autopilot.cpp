// The jet's autopilot panel, the speed bug, and the EFIS box with the baro
// knob and the minimums buttons. The control law lives in autopilot.cpp.
#include <QKeyEvent>

#include "simulator/aircrafttype.h"
#include "simulator/autopilot.h"
#include "simulator/form1.h"
#include "simulator/keys.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

// The A/P button: black while off, green while on.
void ShowAutopilotButton(QPushButton* button, bool engaged) {
  button->setStyleSheet(engaged ? "QPushButton { background-color: #008000; color: white; border: 1px solid gray; }"
                                : "QPushButton { background-color: black; color: white; border: 1px solid gray; }");
}

// A key pressed on one of the minimums buttons.
class MinimumsKeys : public QObject {
 public:
  MinimumsKeys(TForm1* form, bool plus) : QObject(form), form_(form), plus_(plus) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress)
      form_->DAbugplusKeyDown(plus_, static_cast<QKeyEvent*>(event)->modifiers());
    return false;
  }

 private:
  TForm1* form_;
  bool plus_;
};

}  // namespace

void TForm1::ConnectAutopilot() {
  ShowAutopilotButton(ui.APpanel, Sim.AutopilotEngaged);
  connect(ui.APpanel, &QPushButton::clicked, this, [this] { APpanelClick(); });
  connect(ui.baroknob, &QPushButton::clicked, this, [this] { baroknobClick(); });
  connect(ui.DAbugplus, &QPushButton::clicked, this, [this] { DAbugplusClick(true); });
  connect(ui.DAbugmin, &QPushButton::clicked, this, [this] { DAbugplusClick(false); });
  ui.DAbugplus->installEventFilter(new MinimumsKeys(this, true));
  ui.DAbugmin->installEventFilter(new MinimumsKeys(this, false));
}

void TForm1::PlaceAutopilotPanels() {
  // The jet's A/P panel is there to be used: it is shown with the jet's
  // panel and hidden for the pistons; the layout places it.
  ui.MCPpanel->setVisible(IsJet(Sim.AircraftType));
}

void TForm1::APpanelClick() {
  SimState& s = Sim;
  if (s.AutopilotEngaged) {
    autopilot::Disengage(s);
    ShowAutopilotButton(ui.APpanel, false);
    for (QLabel* window : {ui.HDGlabel, ui.VSlabel, ui.ALTlabel}) window->clear();
    return;
  }
  const autopilot::EngageWindows w = autopilot::Engage(s);
  ShowAutopilotButton(ui.APpanel, true);
  ui.HDGlabel->setText(HeadingLabelText(w.Heading));
  ui.VSlabel->setText(autopilot::WindowText(w.VerticalSpeed));
  ui.ALTlabel->setText(autopilot::WindowText(w.Altitude));
  RequestMapRepaint();
}

void TForm1::APcontrol() {
  autopilot::AutopilotStep(Sim);
  ShowDiscRotation();
}

void TForm1::doespeedbug() { autopilot::DoeSpeedBug(Sim); }

void TForm1::baroknobClick() {
  Sim.BaroStd = !Sim.BaroStd;
  ui.Chart3->Repaint();
}

void TForm1::DAbugplusClick(bool plus) {
  Sim.Minimums = autopilot::StepMinimums(Sim.Minimums, plus ? 10 : -10);
  ui.Chart3->Repaint();
  ui.ChronoOutput->setFocus();
}

void TForm1::DAbugplusKeyDown(bool plus, Qt::KeyboardModifiers modifiers) {
  const int step = autopilot::MinimumsKeyStep(plus, modifiers);
  if (step == 0) return;
  Sim.Minimums = autopilot::StepMinimums(Sim.Minimums, step);
  ui.Chart3->Repaint();
  ui.ChronoOutput->setFocus();
}

}  // namespace tvx
