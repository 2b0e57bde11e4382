// Autopilot, scenarios, turbulence and wind, and guidance: arriving with their own work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::APpanelClick() {}
void TForm1::APcontrol() {}
void TForm1::doespeedbug() {}
void TForm1::endfailure() {}
void TForm1::ScenarioChecks() {}
void TForm1::TurbulenceStep() {}
void TForm1::doelearn() {}
void TForm1::NoturbClick() {}
void TForm1::LightturbClick() {}
void TForm1::ModerateturbClick() {}
void TForm1::SevereturbClick() {}
void TForm1::NowindClick(QAction*) {}
}  // namespace tvx
