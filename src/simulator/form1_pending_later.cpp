// Autopilot, scenarios and joystick: arriving with their own work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::APpanelClick() {}
void TForm1::endfailure() {}
void TForm1::ConnectJoystick() {}
void TForm1::StartJoystick() {}
}  // namespace tvx
