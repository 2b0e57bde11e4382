#include "platform/printing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace tvx {

namespace {

class DialogPrinting : public PrintService {
 public:
  std::unique_ptr<QPrinter> ChoosePrinter(const QString& documentName) override {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
  }
};

PrintService* g_printing = nullptr;

const QColor kFrameColor(128, 128, 128);

int GridLineWidth(const QTableWidget* t) {
  return std::max(1, t->property("gridLineWidth").isValid() ? t->property("gridLineWidth").toInt() : 1);
}

void DrawFrame(QPainter& p, const QRect& r) {
  p.setPen(QPen(kFrameColor, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
}

void DrawText(QPainter& p, const QRect& r, int flags, const QString& text, const QFont& font, const QColor& color) {
  if (text.isEmpty()) return;
  p.setFont(PrintFont(font));
  p.setPen(color);
  p.drawText(r, flags, text);
}

int Flags(Qt::Alignment alignment) {
  if (!(alignment & Qt::AlignVertical_Mask)) alignment |= Qt::AlignVCenter;
  if (!(alignment & Qt::AlignHorizontal_Mask)) alignment |= Qt::AlignLeft;
  return static_cast<int>(alignment);
}

void PaintChildren(QPainter& p, QWidget* parent, QWidget* form);

// Cells are placed from the header sections, not from the viewport, so that a
// table that was never shown (whose viewport is not laid out yet) prints the
// same as one on screen; a scrolled table prints from its first cell.
QPoint CellOrigin(const QAbstractScrollArea* view, QWidget* form) {
  return view->mapTo(form, view->contentsRect().topLeft());
}

void PaintTable(QPainter& p, QTableWidget* t, const QRect& r, QWidget* form) {
  p.fillRect(r, t->palette().brush(QPalette::Base));
  QPoint origin = CellOrigin(t, form);
  if (!t->verticalHeader()->isHidden()) origin.rx() += t->verticalHeader()->width();
  if (!t->horizontalHeader()->isHidden()) origin.ry() += t->horizontalHeader()->height();
  const int lineWidth = GridLineWidth(t);
  p.save();
  p.setClipRect(QRect(origin, r.bottomRight() - QPoint(t->frameWidth(), t->frameWidth())), Qt::IntersectClip);
  QVector<int> xs, ys;
  for (int row = 0; row < t->rowCount(); ++row) {
    if (t->isRowHidden(row)) continue;
    const int y = origin.y() + t->verticalHeader()->sectionPosition(row);
    for (int col = 0; col < t->columnCount(); ++col) {
      if (t->isColumnHidden(col)) continue;
      const QRect cell(origin.x() + t->horizontalHeader()->sectionPosition(col), y, t->columnWidth(col),
                       t->rowHeight(row));
      const QTableWidgetItem* item = t->item(row, col);
      const QBrush background = item && item->background().style() != Qt::NoBrush ? item->background()
                                                                                   : t->palette().brush(QPalette::Base);
      p.fillRect(cell, background);
      if (!item) continue;
      const QColor ink = item->foreground().style() != Qt::NoBrush ? item->foreground().color()
                                                                    : t->palette().color(QPalette::Text);
      const int inset = PrintCellInset(lineWidth);
      DrawText(p, cell.adjusted(inset, 0, -inset, 0),
               Flags(Qt::Alignment(item->textAlignment())), item->text(), item->font(), ink);
    }
  }
  for (int col = 0; col < t->columnCount(); ++col)
    if (!t->isColumnHidden(col))
      xs << origin.x() + t->horizontalHeader()->sectionPosition(col) + t->columnWidth(col);
  for (int row = 0; row < t->rowCount(); ++row)
    if (!t->isRowHidden(row)) ys << origin.y() + t->verticalHeader()->sectionPosition(row) + t->rowHeight(row);
  if (t->showGrid() && !xs.isEmpty() && !ys.isEmpty()) {
    const int left = origin.x(), top = origin.y();
    const int right = xs.last(), bottom = ys.last();
    QPen pen(QColor(160, 160, 160), lineWidth);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    // Each line lies inside the cells, ending at their right and bottom edge.
    const double half = lineWidth / 2.0;
    p.drawLine(QPointF(left + half, top), QPointF(left + half, bottom));
    p.drawLine(QPointF(left, top + half), QPointF(right, top + half));
    for (int x : xs) p.drawLine(QPointF(x - half, top), QPointF(x - half, bottom));
    for (int y : ys) p.drawLine(QPointF(left, y - half), QPointF(right, y - half));
  }
  p.restore();
  DrawFrame(p, r);
}

void PaintList(QPainter& p, QListWidget* list, const QRect& r, QWidget* form) {
  p.fillRect(r, list->palette().brush(QPalette::Base));
  const QPoint origin = CellOrigin(list, form);
  p.save();
  p.setClipRect(QRect(origin, r.bottomRight() - QPoint(list->frameWidth(), list->frameWidth())), Qt::IntersectClip);
  const int width = r.width() - 2 * list->frameWidth();
  int y = origin.y();
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    if (item->isHidden()) continue;
    const QRect cell(origin.x(), y, width, list->sizeHintForRow(i));
    y += cell.height();
    QColor ink = list->palette().color(QPalette::Text);
    if (item->isSelected()) {
      p.fillRect(cell, list->palette().brush(QPalette::Highlight));
      ink = list->palette().color(QPalette::HighlightedText);
    }
    DrawText(p, cell.adjusted(3, 0, -3, 0), Flags(Qt::Alignment(item->textAlignment())), item->text(), item->font(),
             ink);
  }
  p.restore();
  DrawFrame(p, r);
}

void PaintMemo(QPainter& p, QWidget* memo, const QString& text, const QRect& r) {
  p.fillRect(r, memo->palette().brush(QPalette::Base));
  const QFont font = PrintFont(memo->font());
  const int spacing = QFontMetrics(font).lineSpacing();
  p.save();
  p.setClipRect(r.adjusted(1, 1, -1, -1), Qt::IntersectClip);
  int y = r.top() + 4;
  for (const QString& line : text.split('\n')) {
    DrawText(p, QRect(r.left() + 5, y, r.width() - 10, spacing), Qt::AlignLeft | Qt::AlignVCenter, line, memo->font(),
             memo->palette().color(QPalette::Text));
    y += spacing;
  }
  p.restore();
  // A borderless memo (a print page of text) prints without a frame.
  const auto* frame = qobject_cast<const QFrame*>(memo);
  if (!frame || frame->frameShape() != QFrame::NoFrame) DrawFrame(p, r);
}

void PaintControl(QPainter& p, QWidget* w, QWidget* form) {
  const QRect r(w->mapTo(form, QPoint(0, 0)), w->size());
  const QPalette& pal = w->palette();
  if (auto* table = qobject_cast<QTableWidget*>(w)) {
    PaintTable(p, table, r, form);
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    PaintList(p, list, r, form);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    PaintMemo(p, plain, plain->toPlainText(), r);
  } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
    PaintMemo(p, rich, rich->toPlainText(), r);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    p.fillRect(r, pal.brush(QPalette::Base));
    DrawText(p, r.adjusted(4, 0, -4, 0), Flags(edit->alignment()), edit->text(), edit->font(), pal.color(QPalette::Text));
    DrawFrame(p, r);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    p.fillRect(r, pal.brush(QPalette::Base));
    DrawText(p, r.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, combo->currentText(), combo->font(),
             pal.color(QPalette::Text));
    DrawFrame(p, r);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    p.fillRect(r, pal.brush(QPalette::Button));
    if (button->text().isEmpty() && !button->icon().isNull())
      button->icon().paint(&p, r.adjusted(3, 3, -3, -3));
    DrawText(p, r, Qt::AlignCenter, button->text(), button->font(), pal.color(QPalette::ButtonText));
    DrawFrame(p, r);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->autoFillBackground()) p.fillRect(r, pal.brush(QPalette::Window));
    int flags = Flags(label->alignment());
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    const int inset = label->margin() + (label->frameShape() != QFrame::NoFrame ? label->frameWidth() + 1 : 0);
    DrawText(p, r.adjusted(inset, inset, -inset, -inset), flags, label->text(), label->font(),
             pal.color(QPalette::WindowText));
    if (label->frameShape() != QFrame::NoFrame) DrawFrame(p, r);
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    if (group->autoFillBackground()) p.fillRect(r, pal.brush(QPalette::Window));
    const int titleHeight = QFontMetrics(PrintFont(group->font())).height();
    DrawFrame(p, r.adjusted(0, titleHeight / 2, 0, 0));
    const QRect title(r.left() + 8, r.top(), r.width() - 16, titleHeight);
    p.fillRect(QRect(title.left(), title.top(),
                     QFontMetrics(PrintFont(group->font())).horizontalAdvance(group->title()) + 4, titleHeight),
               pal.brush(QPalette::Window));
    DrawText(p, title.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, group->title(), group->font(),
             pal.color(QPalette::WindowText));
    PaintChildren(p, w, form);
  } else {
    if (w->autoFillBackground()) p.fillRect(r, pal.brush(QPalette::Window));
    const auto* frame = qobject_cast<QFrame*>(w);
    if (frame && frame->frameShape() != QFrame::NoFrame) DrawFrame(p, r);
    PaintChildren(p, w, form);
  }
}

void PaintChildren(QPainter& p, QWidget* parent, QWidget* form) {
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isWindow() || w->isHidden()) continue;
    PaintControl(p, w, form);
  }
}

}  // namespace

PrintService& Printing() {
  static DialogPrinting real;
  return g_printing ? *g_printing : real;
}

void SetPrintService(PrintService* service) { g_printing = service; }

QRect UsedFormArea(QWidget* form) {
  QRect used;
  for (QObject* child : form->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && !w->isWindow() && !w->isHidden()) used |= w->geometry();
  }
  if (used.isEmpty()) return {};
  // The same margin right and below as the controls leave left and above.
  const QRect withMargins(QPoint(0, 0), used.bottomRight() + QPoint(std::max(0, used.left()), std::max(0, used.top())));
  return withMargins & form->rect();
}

void PaintForm(QPainter& painter, QWidget* form, const QRect& area) {
  painter.save();
  painter.setClipRect(area);
  painter.fillRect(area, form->palette().brush(QPalette::Window));
  PaintChildren(painter, form, form);
  painter.restore();
}

bool PrintFormImage(QPrinter& printer, QWidget* form) {
  const QRect area = UsedFormArea(form);
  if (area.isEmpty()) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double natural = printer.logicalDpiX() / 96.0;
  const double fit = std::min(static_cast<double>(printer.width()) / area.width(),
                              static_cast<double>(printer.height()) / area.height());
  const double scale = std::min(natural, fit);
  painter.scale(scale, scale);
  painter.translate(-area.topLeft());
  PaintForm(painter, form, area);
  return painter.end();
}

PrintResult PrintForm(QWidget* form, const QString& documentName, const std::function<void()>& setPrintLook,
                      const std::function<void()>& restoreLook) {
  const std::unique_ptr<QPrinter> printer = Printing().ChoosePrinter(documentName);
  if (!printer) return PrintResult::Cancelled;
  if (setPrintLook) setPrintLook();
  const bool printed = PrintFormImage(*printer, form);
  if (restoreLook) restoreLook();
  return printed ? PrintResult::Printed : PrintResult::Failed;
}

PdfPrinting::PdfPrinting(QString pdfPath) : path(std::move(pdfPath)) { SetPrintService(this); }

PdfPrinting::~PdfPrinting() { SetPrintService(nullptr); }

std::unique_ptr<QPrinter> PdfPrinting::ChoosePrinter(const QString& documentName) {
  documents << documentName;
  if (cancel) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setDocName(documentName);
  return printer;
}

// Without shaping, so that "ff" stays two letters that a reader of the PDF
// finds again.
QFont PrintFont(const QFont& font) {
  QFont out = font;
  out.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
  out.setStyleStrategy(QFont::StyleStrategy(out.styleStrategy() | QFont::PreferNoShaping));
  return out;
}

int PrintCellInset(int gridLineWidth) { return 2 + gridLineWidth; }

int PrintedColumnWidth(const QTableWidget* table, int column, int minimumWidth) {
  const int inset = PrintCellInset(GridLineWidth(table));
  int width = minimumWidth;
  for (int row = 0; row < table->rowCount(); ++row) {
    const QTableWidgetItem* item = table->item(row, column);
    if (!item || item->text().isEmpty()) continue;
    const double text = QFontMetricsF(PrintFont(item->font())).horizontalAdvance(item->text());
    // One pixel more than the text needs, against rounding where the page is scaled.
    width = std::max(width, static_cast<int>(std::ceil(text)) + 2 * inset + 1);
  }
  return width;
}

}  // namespace tvx
