#include "preparation/toolwindow.h"

#include <QApplication>
#include <QCloseEvent>

#include "platform/windowintent.h"

namespace tvx {

void SetToolColor(QWidget* w, QPalette::ColorRole role, const QColor& color) {
  QPalette pal = w->palette();
  pal.setColor(role, color);
  w->setPalette(pal);
  if (role == QPalette::Window) w->setAutoFillBackground(true);
}

// Not QApplication::quit(): that closes every shown window once more, and a
// window that refuses (the area window asks its own question) would keep the
// program running after the user was already asked and answered.
std::function<void()> ToolWindow::EndProgram = [] { QApplication::exit(0); };
std::function<bool()> ToolWindow::MayEndProgram;
std::function<void()> ToolWindow::ShowMainMenu;

ToolWindow::ToolWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {
  WatchWindowReports(this);
}

bool ToolWindow::ProgramMayEnd() { return !MayEndProgram || MayEndProgram(); }

bool ToolWindow::EndProgramAsked() {
  if (!ProgramMayEnd()) return false;
  if (EndProgram) EndProgram();
  return true;
}

void ToolWindow::LeaveForMainMenu() {
  if (ShowMainMenu) ShowMainMenu();
  else hide();
}

void ToolWindow::MinimiseApplication() { MinimiseProgram(this); }

void ToolWindow::closeEvent(QCloseEvent* event) {
  // Asked before the window goes: a Cancel leaves it where it was.
  if (!ProgramMayEnd()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
  if (event->isAccepted() && EndProgram) EndProgram();
}

}  // namespace tvx
