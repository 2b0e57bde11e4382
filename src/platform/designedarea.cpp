#include "platform/designedarea.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace tvx {

namespace {

// The widget that holds a window's controls at their designed places. It
// watches its controls, so that one moved or grown past the design (a wider
// print table) is still within the scroll range.
class DesignedArea : public QWidget {
 public:
  DesignedArea(QSize designed, QWidget* parent) : QWidget(parent), designed_(designed) {
    setObjectName("DesignedArea");
    setMinimumSize(designed);
  }

  void Refit() {
    QRect used;
    for (QObject* child : children()) {
      const auto* w = qobject_cast<QWidget*>(child);
      if (w && !w->isWindow() && !w->isHidden()) used |= w->geometry();
    }
    const QSize needed =
        used.isEmpty() ? designed_ : designed_.expandedTo(QSize(used.right() + 1, used.bottom() + 1));
    if (needed == minimumSize()) return;
    setMinimumSize(needed);
    // The scroll area sizes this area again and sets its scroll range.
    if (QWidget* viewport = parentWidget())
      if (QWidget* scroll = viewport->parentWidget()) {
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(scroll, &request);
      }
  }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved) {
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (child->isWidgetType()) {
        if (event->type() == QEvent::ChildAdded) child->installEventFilter(this);
        else child->removeEventFilter(this);
        Refit();
      }
    }
    return QWidget::event(event);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::ShowToParent:
      case QEvent::HideToParent:
        Refit();
        break;
      default:
        break;
    }
    return QWidget::eventFilter(watched, event);
  }

 private:
  QSize designed_;
};

}  // namespace

QWidget* ScrollWhenSmaller(QWidget* window) {
  const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  auto* scroll = new QScrollArea(window);
  scroll->setObjectName("DesignScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  // Tab goes from control to control as before; the area itself takes no focus.
  scroll->setFocusPolicy(Qt::NoFocus);
  auto* area = new DesignedArea(window->size(), scroll);
  // Neither the area nor the viewport paints: the window's own background
  // shows behind the controls, as before.
  area->setAutoFillBackground(false);
  scroll->viewport()->setAutoFillBackground(false);
  for (QWidget* control : controls) {
    if (control->isWindow()) continue;
    // A new parent hides a control of a shown window; its place stays.
    const bool hidden = control->isHidden();
    control->setParent(area);
    control->setHidden(hidden);
  }
  area->Refit();
  scroll->setWidgetResizable(true);
  scroll->setWidget(area);
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(scroll);
  return area;
}

}  // namespace tvx
