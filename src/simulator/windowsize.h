#pragma once
// The simulator window's sizes: its panel is laid out for client areas from
// kSmallestPanelClient up, so the window never gets a smaller one.
#include "simulator/panellayout.h"

class QMainWindow;

namespace tvx {

// Keeps the simulator window's client area (menu bar excluded) at least
// kSmallestPanelClient.
void SetSimulatorWindowSizes(QMainWindow& window);

}  // namespace tvx
