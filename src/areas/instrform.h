#pragma once
// The instrument options window "HSI/RMI": whether the heading indicator
// works as an HSI, and how the ADF/RMI instrument works. Its controls edit
// the options in force (`InstrSettings`, instroptions.h), which the
// instruments read when they draw and the simulator's keys change too. It
// keeps the simulator window disabled while it is in front.
#include <QWidget>

#include "ui_instr.h"

namespace tvx {

class TInstr : public QWidget {
  Q_OBJECT
 public:
  explicit TInstr(QWidget* parent = nullptr);
  ~TInstr() override;

  Ui::TInstr ui;

  // The checked item of the ADF/RMI group: 0 "ADF", 1 "ADF - RMI",
  // 2 "VOR - RMI"; -1 when none is checked.
  int ADFRMIIndex() const;
  // Checks item `index` (out of range: none) as a click does.
  void SetADFRMIIndex(int index);

  // The controls set from the options in force (the keys may have changed
  // them while the window was away).
  void ShowSettings();
  // Enables the simulator window, applies its start panel and hides.
  void CloseClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // Closing by the window manager is the Close button, so the simulator
  // never stays disabled behind a window that is gone.
  void closeEvent(QCloseEvent* event) override;

 private:
  // The options in force taken from the controls.
  void TakeSettings();
};

// The instrument options window, created once at program start.
extern TInstr* Instr;

}  // namespace tvx
