#pragma once
// Makes a control that has no click of its own (a label drawn as a panel)
// clickable: a left-button release over the control, after a press on it,
// calls the handler.
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace tvx {

class ClickFilter : public QObject {
 public:
  // Installs itself on `control`, which owns it.
  ClickFilter(QWidget* control, std::function<void()> handler)
      : QObject(control), control_(control), handler_(std::move(handler)) {
    control->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == control_ && event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && control_->rect().contains(mouse->position().toPoint())) handler_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* control_;
  std::function<void()> handler_;
};

}  // namespace tvx
