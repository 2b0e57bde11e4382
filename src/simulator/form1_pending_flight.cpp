// Start panel and tick: arriving with the flight work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::ConnectStartPanel() {}
void TForm1::leesinput() {}
void TForm1::DoeUpdate() {}
void TForm1::UpdateClick() {}
void TForm1::STARTClick() {}
void TForm1::TimerTimer() {}
void TForm1::doepauze() {}
}  // namespace tvx
