#include "platform/anchor.h"

#include <QGuiApplication>
#include <QScreen>

#include <QWidget>

namespace tvx {

void CentreOnScreen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}

}  // namespace tvx
