#pragma once
// The window commands every flight-preparation tool answers itself:
// minimising one tool minimises the whole program, closing one ends it.
#include <QColor>
#include <QPalette>
#include <QWidget>
#include <functional>

namespace tvx {

// Gives `w` its own colour for `role`; a Window colour is also painted as the
// background.
void SetToolColor(QWidget* w, QPalette::ColorRole role, const QColor& color);

class ToolWindow : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  // What closing a tool does once the window has closed: ends the program.
  // Tests put a recorder here, since a test must never quit.
  static std::function<void()> EndProgram;

  // Minimises every other shown top-level window of the program.
  void MinimiseApplication();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tvx
