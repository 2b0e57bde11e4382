// The window's part of what the gauges draw.
#include "simulator/form1.h"

namespace tvx {

GaugeInputs TForm1::CurrentGaugeInputs() const {
  GaugeInputs in;
  in.Client = ClientArea();
  in.Chart3Width = ui.Chart3->width();
  in.Stopped = ui.START->text() == "FLY";
  in.JoystickThrust = ui.joystickthrust->isChecked();
  in.FlapLabels = {ui.Equiflap0->text(), ui.Equiflap1->text(), ui.Equiflap2->text(), ui.Equiflap3->text()};
  return in;
}

}  // namespace tvx
