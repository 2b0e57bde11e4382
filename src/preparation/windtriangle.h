#pragma once
// The navigation-log window: a panel of common values (wind, TAS, variation,
// fuel flow), a grid of thirteen legs solved with the wind triangle, and the
// log's file and printout.
#include <QColor>

#include "preparation/navlog.h"
#include "preparation/toolwindow.h"
#include "ui_windtriangle.h"

namespace tvx {

class TWindtriangle : public ToolWindow {
  Q_OBJECT
 public:
  explicit TWindtriangle(QWidget* parent = nullptr);
  ~TWindtriangle() override;

  Ui::TWindtriangle ui;

  // Unit state of the log.
  int SignedVariation = 0;      // West positive, East negative
  bool PanelInputError = false;
  bool TableInputError = false;
  QColor FixedColor;            // background of the header rows

  void FormCreate();
  // Places the TRACK and DIST. labels above the grid and the totals below it.
  void FormPaint();
  void InsertClick();
  void CALCULATEClick();
  void WINDWinputClick();
  void GridClick();
  void LOADClick();
  void SAVEClick();
  void PrintClick();
  void MAINMENUClick();

  void Maakkolommenleeg();
  void Leesinput();
  void Vultabel();
  void Leestabel();
  void Doecalculate();

  NavlogGrid GridCells() const;
  void SetGridCells(const NavlogGrid& cells);
  // Rows above `rows` are header rows: fixed colour, not editable.
  void SetFixedRows(int rows);
  int FixedRows() const { return fixedRows_; }

  // The look of the window while PRINT puts it on the page, and back.
  void SetPrintLook();
  void RestoreLook();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetColumnWidth(int width);
  // 17 columns and room for a scroll bar.
  static int GridWidth(int columnWidth);

  // Where the controls stand: the printout is made from it.
  QWidget* designedArea_ = nullptr;
  int fixedRows_ = kNavlogHeaderRows;
  int defaultColumnWidth_ = 0;
  struct SavedLook {
    QPoint gridPos;
    QColor windowColor;
    QColor fixedColor;
    int columnWidth = 0;
    QList<QPair<QWidget*, bool>> hidden;
  } saved_;
};

extern TWindtriangle* Windtriangle;

}  // namespace tvx
