#include "areas/holding.h"

namespace tvx {

HoldingWindowState HoldingWindow;

void ResetHoldingWindowState() { HoldingWindow = HoldingWindowState{}; }

}  // namespace tvx
