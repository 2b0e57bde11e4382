#pragma once
// The window commands every flight-preparation tool answers itself:
// minimising one tool minimises the whole program, closing one ends it.
// Only the user's minimise does (windowintent.h).
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
  explicit ToolWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

  // What closing a tool does once the window has closed: ends the program.
  // Tests put a recorder here, since a test must never quit.
  static std::function<void()> EndProgram;

  // Asked before any window ends the program; false keeps it running. The
  // program puts the area's save question here; while unset, nothing is asked.
  static std::function<bool()> MayEndProgram;
  // Whether the program may end now: MayEndProgram's answer, true when unset.
  static bool ProgramMayEnd();
  // Ends the program (EndProgram) when ProgramMayEnd; false when it keeps running.
  static bool EndProgramAsked();

  // What a tool's EXIT shows: the main menu, which puts the tool away. The
  // main menu sets it; while unset, EXIT only hides the tool.
  static std::function<void()> ShowMainMenu;
  // EXIT of a tool: the main menu, or the tool hidden when there is none.
  void LeaveForMainMenu();

  // Minimises every other shown top-level window of the program, until the
  // user restores one of them: what the user's minimise of this window does.
  void MinimiseApplication();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tvx
