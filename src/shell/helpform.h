#pragma once
// The keyboard-help window: the simulator's keys in a read-only memo. The
// simulator's help entries show it and wait, disabled, until CLOSE.
#include <QDialog>
#include <QStringList>

#include "ui_help.h"

namespace tvx {

// The memo's text, one entry per line, columns aligned for a fixed-pitch font.
QStringList KeyboardHelpLines();

class THelpform : public QDialog {
  Q_OBJECT
 public:
  explicit THelpform(QWidget* parent = nullptr);
  ~THelpform() override;

  Ui::THelpform ui;

  // Brings the window up in front of the simulator, CLOSE focused.
  void ShowHelp();
  // Enables the simulator window again and hides this one.
  void CloseClick();

 protected:
  // Escape and the window manager's close are CLOSE too, so the simulator
  // never stays disabled behind a window that has gone.
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
};

// The keyboard-help window, created once at program start.
extern THelpform* Helpform;

}  // namespace tvx
