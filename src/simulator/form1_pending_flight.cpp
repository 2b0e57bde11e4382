// The tick: arriving with the flight work.
#include "simulator/form1.h"

namespace tvx {
void TForm1::TimerTimer() {}
void TForm1::doepauze() {}
}  // namespace tvx
