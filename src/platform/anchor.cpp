#include "platform/anchor.h"

#include <QGuiApplication>
#include <QScreen>

#include <QEvent>
#include <QWidget>

namespace tvx {

namespace {

class RightAnchor : public QObject {
 public:
  RightAnchor(QWidget* child, int margin) : QObject(child), child_(child), margin_(margin) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && watched == child_->parentWidget()) Place();
    return false;
  }

  void Place() {
    const QWidget* parent = child_->parentWidget();
    child_->move(parent->width() - margin_ - child_->width(), child_->y());
  }

 private:
  QWidget* child_;
  int margin_;
};

}  // namespace

void AnchorRight(QWidget* child, int margin) {
  QWidget* parent = child->parentWidget();
  if (!parent) return;
  auto* anchor = new RightAnchor(child, margin);
  parent->installEventFilter(anchor);
  anchor->Place();
}

void CentreOnScreen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}

}  // namespace tvx
