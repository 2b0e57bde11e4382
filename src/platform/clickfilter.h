#pragma once
// Makes a panel, label or group box that has no click of its own clickable:
// a left button pressed and released over it. Install it on the control with
// installEventFilter. A label inside a group box passes its mouse events on
// to the box, so one filter on the box serves both.
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace tvx {

class ClickFilter : public QObject {
 public:
  ClickFilter(QObject* parent, std::function<void()> onClick) : QObject(parent), onClick_(std::move(onClick)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    // Taking the press makes the release come here too.
    if (type == QEvent::MouseButtonPress) return true;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->rect().contains(mouse->position().toPoint())) onClick_();
    return true;
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace tvx
