#pragma once
// The mass-and-balance window: the AIRPLANE table (empty mass and arms) and
// the FLIGHT table (seats, baggage, fuel) in green boxes, the computed
// loadsheet beside them, and the loadsheet's file and printout.
#include <QColor>

#include "preparation/loadsheet.h"
#include "preparation/toolwindow.h"
#include "ui_massbalform.h"

class QLineEdit;

namespace tvx {

// The error flag of the loadsheet's range checks, shared with the conversion window.
extern bool MassBalInputError;

class TMassBalForm : public ToolWindow {
  Q_OBJECT
 public:
  explicit TMassBalForm(QWidget* parent = nullptr);
  ~TMassBalForm() override;

  Ui::TMassBalForm ui;

  void FormCreate();
  void CALCULATEClick();
  void FBaginputChange();
  void FSeatMassClick();
  void LOADClick();
  void SAVEClick();
  void PrintClick();
  void MAINMENUClick();

  // Range checks of one box; they do nothing while MassBalInputError is set.
  static void Checkinteger(QLineEdit* box, int low, int high);
  static void Checkreal(QLineEdit* box, double low, double high);

  void Leesinput();
  void Doecalculate();
  void MaakVakkenleeg();

  // The texts of all boxes, and writing them back.
  Loadsheet Boxes() const;
  void SetBoxes(const Loadsheet& sheet, BoxKind kind);
  QLineEdit* Box(const char* name) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetPrintLook();
  void RestoreLook();
  QList<QWidget*> TablePanels() const;
  QList<QLineEdit*> AirplaneBoxes() const;

  // Where the controls stand: the printout is made from it.
  QWidget* designedArea_ = nullptr;
  struct SavedLook {
    QPoint tablePos;
    QList<QPair<QWidget*, bool>> hidden;
    QList<QPair<QWidget*, QColor>> colors;
  } saved_;
};

extern TMassBalForm* MassBalForm;

}  // namespace tvx
