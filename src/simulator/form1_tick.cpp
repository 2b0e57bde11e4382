// The 100 ms simulation tick and the pause.
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/tickmodel.h"

namespace tvx {

void TForm1::TimerTimer() {
  if (!Timer->isActive()) return;
  SimState& s = Sim;
  flight::AdvanceClocks(s);

  if (flight::ClockReached(s.PhysicsClock, 0.1)) {
    Brpos();
    Bratti();
    doespeedbug();
    BrRadDme();
    TkADI();
    s.PhysicsClock = 0;
  }

  // The autopilot flies the turn and pitch commands in place of the keys;
  // the power command and the jets' thrust model run in both cases.
  if (s.AutopilotEngaged) {
    APcontrol();
  } else {
    if (flight::HeldStepDue(s.TurnKeyClock)) {
      if (s.TurnCommand == "links") draailinks();
      else if (s.TurnCommand == "rechts") draairechts();
    }
    if (s.TurnCommand != "off") s.TurnKeyClock += s.KeyRepeatStep;

    if (flight::HeldStepDue(s.PitchKeyClock)) {
      if (s.PitchCommand == "klim") Doeklimmen();
      else if (s.PitchCommand == "daal") Doedalen();
    }
    if (s.PitchCommand != "off") s.PitchKeyClock += s.KeyRepeatStep;
  }
  if (flight::HeldStepDue(s.PowerKeyClock)) flight::ApplyPowerCommand(s);
  if (s.PowerCommand != "off") s.PowerKeyClock += s.KeyRepeatStep;

  s.DisplayedN1 = s.N1;
  flight::EngineLag(s, ui.joystickthrust->isChecked());

  ScenarioChecks();
  TurbulenceStep();
  JoystickStepFlags();

  if (flight::ClockReached(s.RepaintClock, 0.025)) {
    ui.Chart3->Repaint();
    ui.Chart2->Repaint();
    s.RepaintClock = 0;
  }

  if (flight::ClockReached(s.SecondClock, 1)) {
    doelearn();
    AddTrackPoint(s, s.AircraftX, s.AircraftY, s.Altitude);
    s.SecondClock = 0;
    // A full-size map opened from the hidden state is followed too.
    RequestMapRepaint();
  }

  const BrushStyle marker = flight::MarkerLightStyle(s, ui.OM->Style());
  ui.OM->SetBrush(ui.OM->BrushColor(), marker);
}

void TForm1::doepauze() {
  if (ui.START->text() != "STOP") return;  // no flight running
  if (!Timer->isActive()) {
    Sim.Paused = false;
    Timer->start();
    ui.chart4->Repaint();
  } else {
    Sim.Paused = true;
    ui.chart4->Repaint();
    Timer->stop();
  }
}

}  // namespace tvx
