#include "shell/program.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "platform/windowkeeper.h"

namespace tvx {

MainWindowCloseWatch::MainWindowCloseWatch(QWidget* mainWindow) : mainWindow_(mainWindow) {
  mainWindow->installEventFilter(this);
}

bool MainWindowCloseWatch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainWindow_ && event->type() == QEvent::Close) {
    // Asked before the window goes: a Cancel leaves it shown and the program
    // running.
    if (!ToolWindow::ProgramMayEnd()) {
      event->ignore();
      return true;
    }
    // Looked at once the window has handled the close: a close it refused
    // leaves it shown and the program running.
    QTimer::singleShot(0, this, [this] {
      if (!mainWindow_->isVisible() && ToolWindow::EndProgram) ToolWindow::EndProgram();
    });
  }
  return false;
}

Program::TitleCleared::TitleCleared() { QApplication::setApplicationName(""); }

Program::Program() : closeWatch_(&form1) {
  // Whichever window ends the program, an edited area is offered for saving first.
  ToolWindow::MayEndProgram = [this] { return area.SaveChangesFirst(); };
  // Before anything puts them away, which places them on the display.
  for (QWidget* w : std::initializer_list<QWidget*>{&form1, &windtriangle, &main, &massbal, &conv, &dbase})
    FitNormalGeometryOnce(w);
}

Program::~Program() { ToolWindow::MayEndProgram = nullptr; }

void Program::Start() { main.ShowMenu(); }

}  // namespace tvx
