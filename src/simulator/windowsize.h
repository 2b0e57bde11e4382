#pragma once
// The simulator window's sizes: its panel is laid out for client areas from
// kSmallestPanelClientArea up, so the window never gets a smaller one.
#include <QSize>

class QMainWindow;

namespace tvx {

inline constexpr QSize kSmallestPanelClientArea{1180, 610};

// Keeps the simulator window's client area (menu bar excluded) at least
// kSmallestPanelClientArea.
void SetSimulatorWindowSizes(QMainWindow& window);

}  // namespace tvx
