#pragma once
// Printing of forms. A print dialog chooses the printer; the form's shown
// controls are then painted on the page as vector drawing (boxes, lines and
// text in the controls' colours and fonts), so that a printout keeps its text
// as text. Tests replace the dialog with PdfPrinting, which prints into a PDF
// file and never opens a window.
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QFont;
class QPainter;
class QTableWidget;
class QPrinter;
class QWidget;

namespace tvx {

class PrintService {
 public:
  virtual ~PrintService() = default;
  // Shows the print dialog; the printer to paint on when it was confirmed,
  // nullptr when it was cancelled.
  virtual std::unique_ptr<QPrinter> ChoosePrinter(const QString& documentName) = 0;
};

// The service in use; the real one over QPrintDialog unless a test installed another.
PrintService& Printing();
// Installs `service` (not owned); nullptr brings the real one back.
void SetPrintService(PrintService* service);

// The part of `form` its shown controls cover, from the form's top-left corner.
QRect UsedFormArea(QWidget* form);

// Paints `area` of `form` (form coordinates) with `painter`: the form's
// background colour, then every shown control, in stacking order. Panels
// with a filled background, frames, labels, edits, memos, lists, combo boxes,
// buttons and tables are drawn; a table's dynamic property "gridLineWidth"
// (an int) sets the width of its grid lines.
void PaintForm(QPainter& painter, QWidget* form, const QRect& area);

// The font a control's text is printed in: the control's font at the pixel
// size it has on screen, so that a scaled page keeps text and boxes in
// proportion.
QFont PrintFont(const QFont& font);
// How far the printed text of a table cell stays inside the cell on either
// side, for grid lines `gridLineWidth` wide.
int PrintCellInset(int gridLineWidth);
// The width `column` of `table` needs so that every cell's text prints whole:
// the widest text in its print font plus the insets, at least `minimumWidth`.
int PrintedColumnWidth(const QTableWidget* table, int column, int minimumWidth);

// Prints the used part of `form` on one page of `printer`, at its screen size
// when it fits and scaled down to the page when it does not.
bool PrintFormImage(QPrinter& printer, QWidget* form);

enum class PrintResult { Printed, Cancelled, Failed };

// The print command of a form: the dialog, then `setPrintLook`, the page and
// `restoreLook`.
PrintResult PrintForm(QWidget* form, const QString& documentName, const std::function<void()>& setPrintLook,
               const std::function<void()>& restoreLook);

// Prints every page into one PDF file instead of asking for a printer.
class PdfPrinting : public PrintService {
 public:
  explicit PdfPrinting(QString pdfPath);
  ~PdfPrinting() override;
  std::unique_ptr<QPrinter> ChoosePrinter(const QString& documentName) override;

  QString path;
  bool cancel = false;      // answer the next dialogs with Cancel
  QStringList documents;    // names of the print jobs asked for
};

}  // namespace tvx
