#include "preparation/toolwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindowStateChangeEvent>

namespace tvx {

void SetToolColor(QWidget* w, QPalette::ColorRole role, const QColor& color) {
  QPalette pal = w->palette();
  pal.setColor(role, color);
  w->setPalette(pal);
  if (role == QPalette::Window) w->setAutoFillBackground(true);
}

std::function<void()> ToolWindow::EndProgram = [] { QApplication::quit(); };
std::function<void()> ToolWindow::ShowMainMenu;
int ToolWindow::puttingAway_ = 0;

void ToolWindow::LeaveForMainMenu() {
  if (ShowMainMenu) ShowMainMenu();
  else hide();
}

void ToolWindow::PutAwayMinimised(QWidget* window) {
  if (!window) return;
  ++puttingAway_;
  window->setWindowState(window->windowState() | Qt::WindowMinimized);
  --puttingAway_;
}

void ToolWindow::MinimiseApplication() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible() && !w->isMinimized()) w->showMinimized();
}

void ToolWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() && !(change->oldState() & Qt::WindowMinimized) && puttingAway_ == 0) MinimiseApplication();
  }
  QWidget::changeEvent(event);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted() && EndProgram) EndProgram();
}

}  // namespace tvx
