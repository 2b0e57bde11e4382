#include "shell/testhook.h"

#include <fcntl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <cstdio>

#include "shell/program.h"

namespace tvx {

namespace {

struct TestStep {
  enum class Kind { Invalid, Click, Shown, Normal, Maximise, Resize, Grab };
  Kind kind = Kind::Invalid;
  QString window;   // class name without the namespace, e.g. "TForm1"
  QString control;  // object name, for a click
  QSize size;       // for a resize
  QString file;     // for a grab
};

// The step of one line of the test input; Kind::Invalid for anything else.
TestStep TestStepFrom(const QString& line) {
  const QStringList words = line.simplified().split(' ', Qt::SkipEmptyParts);
  TestStep step;
  if (words.size() < 2) return step;
  const QString& verb = words[0];
  step.window = words[1];
  if (words.size() == 3 && (verb == "click" || verb == "shown")) {
    step.kind = verb == "click" ? TestStep::Kind::Click : TestStep::Kind::Shown;
    step.control = words[2];
  } else if (words.size() == 2 && verb == "normal") {
    step.kind = TestStep::Kind::Normal;
  } else if (words.size() == 2 && verb == "maximise") {
    step.kind = TestStep::Kind::Maximise;
  } else if (words.size() == 4 && verb == "resize") {
    bool wide = false, high = false;
    step.size = QSize(words[2].toInt(&wide), words[3].toInt(&high));
    if (wide && high && step.size.width() > 0 && step.size.height() > 0) step.kind = TestStep::Kind::Resize;
  } else if (words.size() == 3 && verb == "grab") {
    step.kind = TestStep::Kind::Grab;
    step.file = words[2];
  }
  return step;
}

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

QWidget* WindowOfClass(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    const QString cls = QString::fromLatin1(w->metaObject()->className());
    if (cls == name || cls.endsWith("::" + name)) return w;
  }
  return nullptr;
}

// A left click in the middle of `control`, as the user gives it: a button
// clicks, a panel or label made clickable sees the press and the release.
void ClickOn(QWidget* control) {
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->click();
    return;
  }
  const QPointF at = QRectF(control->rect()).center();
  const QPointF global = control->mapToGlobal(at);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent mouse(type, at, global, Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &mouse);
  }
}

// Whether the step could be taken; a reason on standard error if not.
bool Take(const TestStep& step) {
  QWidget* window = WindowOfClass(step.window);
  if (!window) {
    std::fprintf(stderr, "test step: no window %s\n", qPrintable(step.window));
    return false;
  }
  switch (step.kind) {
    case TestStep::Kind::Click: {
      auto* control = window->findChild<QWidget*>(step.control);
      // Only what the user could click: shown and enabled.
      if (!control || !control->isVisible() || !control->isEnabled()) {
        std::fprintf(stderr, "test step: no control %s to click in %s\n", qPrintable(step.control),
                     qPrintable(step.window));
        return false;
      }
      ClickOn(control);
      return true;
    }
    case TestStep::Kind::Shown: {
      const auto* control = window->findChild<QWidget*>(step.control);
      if (control && control->isVisible()) return true;
      std::fprintf(stderr, "test step: %s is not shown in %s\n", qPrintable(step.control), qPrintable(step.window));
      return false;
    }
    case TestStep::Kind::Normal:
      window->showNormal();
      return true;
    case TestStep::Kind::Maximise:
      window->showMaximized();
      return true;
    case TestStep::Kind::Resize:
      window->resize(step.size);
      return true;
    case TestStep::Kind::Grab:
      // What the window draws of itself, in the window system's pixels.
      if (!window->grab().save(step.file, "PNG")) {
        std::fprintf(stderr, "test step: %s cannot be written\n", qPrintable(step.file));
        return false;
      }
      return true;
    case TestStep::Kind::Invalid:
      break;
  }
  return false;
}

class TestInput : public QObject {
 public:
  TestInput(QObject* parent, int fd) : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read, this) {
    connect(&notifier_, &QSocketNotifier::activated, this, [this] { ReadSteps(); });
  }
  ~TestInput() override { ::close(fd_); }

 private:
  void ReadSteps() {
    char buffer[512];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) {
      // Every writer has gone: nothing more will come.
      if (n == 0) notifier_.setEnabled(false);
      return;
    }
    pending_.append(buffer, static_cast<qsizetype>(n));
    for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
      const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
      pending_.remove(0, end + 1);
      const TestStep step = TestStepFrom(line);
      if (step.kind == TestStep::Kind::Invalid) std::fprintf(stderr, "test step: cannot take \"%s\"\n", qPrintable(line));
      else if (Take(step)) std::printf("step taken: %s\n", qPrintable(line));
      std::fflush(stdout);
    }
  }

  int fd_;
  QSocketNotifier notifier_;
  QByteArray pending_;
};

}  // namespace

void InstallTestHook(Program& program) {
  if (qEnvironmentVariable("TARVINEX_TEST_REPORT") == "1") qApp->installEventFilter(new WindowReport(qApp));
  const QByteArray input = qgetenv("TARVINEX_TEST_INPUT");
  if (input.isEmpty()) return;
  const int fd = ::open(input.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    std::fprintf(stderr, "test input %s cannot be opened\n", input.constData());
    return;
  }
  new TestInput(&program.main, fd);
}

}  // namespace tvx
