#include "shell/testhook.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "shell/program.h"

namespace tvx {

namespace {

class WindowReport : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Hide:
      case QEvent::Resize:
      case QEvent::WindowStateChange:
        break;
      default:
        return false;
    }
    const auto* w = qobject_cast<const QWidget*>(watched);
    if (!w || !w->isWindow()) return false;
    const Qt::WindowStates states = w->windowState();
    const char* state = (states & Qt::WindowMinimized)   ? "minimised"
                        : (states & Qt::WindowMaximized) ? "maximised"
                                                         : "normal";
    const QSize frame = w->frameGeometry().size();
    std::printf("window %s %s %s %dx%d frame %dx%d\n", w->metaObject()->className(), w->isVisible() ? "shown" : "hidden",
                state, w->width(), w->height(), frame.width(), frame.height());
    std::fflush(stdout);
    return false;
  }
};

}  // namespace

void InstallTestHook(Program& program) {
  if (qEnvironmentVariable("TARVINEX_TEST_REPORT") == "1") qApp->installEventFilter(new WindowReport(qApp));
  if (qEnvironmentVariable("TARVINEX_TEST_OPEN") == "sim")
    QTimer::singleShot(kTestOpenDelayMs, &program.main, [&program] { program.main.SIMULATORClick(); });
}

}  // namespace tvx
