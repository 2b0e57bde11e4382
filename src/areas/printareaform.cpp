#include "areas/printareaform.h"

#include <QFontMetrics>
#include <QPalette>
#include <algorithm>

namespace tvx {

TPrintareaform* Printareaform = nullptr;

namespace {
// Room around the text inside the memo, as the printed memo leaves it.
constexpr int kTextMargin = 12;
}  // namespace

TPrintareaform::TPrintareaform(QWidget* parent) : QWidget(parent) {
  if (!Printareaform) Printareaform = this;
  ui.setupUi(this);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::Base, Qt::white);
  white.setColor(QPalette::Text, Qt::black);
  setPalette(white);
  setAutoFillBackground(true);
  ui.printareamemo->setPalette(white);
  ui.printareamemo->setGeometry(rect());
}

TPrintareaform::~TPrintareaform() {
  if (Printareaform == this) Printareaform = nullptr;
}

void TPrintareaform::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The memo fills the form, whatever size the window manager gives it.
  if (!fitted_) ui.printareamemo->setGeometry(rect());
}

void TPrintareaform::FitMemoToText() {
  const QFontMetrics metrics(ui.printareamemo->font());
  const QStringList lines = ui.printareamemo->toPlainText().split('\n');
  int width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const QSize text(width + kTextMargin, static_cast<int>(lines.size()) * metrics.lineSpacing() + kTextMargin);
  shownSize_ = size();
  fitted_ = true;
  const QSize fitted = shownSize_.expandedTo(text);
  if (fitted != shownSize_) resize(fitted);
  ui.printareamemo->setGeometry(QRect(QPoint(0, 0), fitted));
}

void TPrintareaform::RestoreSize() {
  if (!fitted_) return;
  fitted_ = false;
  if (size() != shownSize_) resize(shownSize_);
  ui.printareamemo->setGeometry(rect());
}

}  // namespace tvx
