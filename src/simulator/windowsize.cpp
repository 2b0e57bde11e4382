#include "simulator/windowsize.h"

#include <QMainWindow>

#include "platform/windowkeeper.h"

namespace tvx {

void SetSimulatorWindowSizes(QMainWindow& window) {
  SetSmallestClientArea(window, kSmallestPanelClient);
}

}  // namespace tvx
