// Flying the simulator by joystick: the component's settings, the stick,
// throttle and button handlers and the "Joystick Thrust" option.
#include "joystick/joystickex.h"
#include "simulator/form1.h"
#include "simulator/joystickcontrol.h"
#include "simulator/simstate.h"

namespace tvx {

void TForm1::ConnectJoystick() {
  Joystickex = new TJoystickex(this);
  SetUpFlyingJoystick(*Joystickex);
  connect(Joystickex, &TJoystickex::OnButton1_Change, this, &TForm1::JoystickexButton1_Change);
  connect(Joystickex, &TJoystickex::JoyZMove, this, &TForm1::JoystickexJoyZMove);
  connect(Joystickex, &TJoystickex::JoyMove, this, &TForm1::JoystickexJoyMove);
  connect(ui.joystickthrust, &QAction::triggered, this, &TForm1::joystickthrustClick);
}

// Without a joystick the program runs on the keys alone; nothing is shown.
void TForm1::StartJoystick() { Joystickex->StartCapture(); }

void TForm1::JoystickexJoyMove(int XPos, int YPos, std::uint16_t, bool) {
  // Like the flight keys, the stick flies only while the flight runs.
  const bool flying = Timer->isActive() && !Sim.Paused;
  const StickSteps steps = StickControl(Sim, XPos, YPos, flying);
  if (steps.bank < 0) draailinks();
  if (steps.bank > 0) draairechts();
  if (steps.pitch < 0) Doedalen();
  if (steps.pitch > 0) Doeklimmen();
}

void TForm1::JoystickexJoyZMove(int ZPos, std::uint16_t, bool) {
  ThrottleControl(Sim, ZPos, ui.joystickthrust->isChecked());
  // While standing still the engine gauge's lever marker follows the throttle;
  // in flight the tick repaints it.
  if (ui.START->text() == "FLY") ui.Chart3->Repaint();
}

void TForm1::JoystickStepFlags() { RearmStickSteps(Sim); }

void TForm1::JoystickexButton1_Change(bool, int, int) { mapschakelaar(); }

void TForm1::joystickthrustClick() {
  if (!ui.joystickthrust->isChecked()) RestorePresetPower(Sim);
  ui.Chart3->Repaint();
}

}  // namespace tvx
