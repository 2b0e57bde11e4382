#include "platform/shapewidget.h"

#include <QPainter>

namespace tvx {

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {}

void ShapeWidget::SetBrush(TColor color, BrushStyle style) {
  if (color == brushColor_ && style == brushStyle_) return;
  brushColor_ = color;
  brushStyle_ = style;
  update();
}

void ShapeWidget::SetKind(Kind kind) {
  kind_ = kind;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PainterCanvas canvas(&painter);
  canvas.Pen.color = clr::Black;
  canvas.Brush.color = brushColor_;
  canvas.Brush.style = brushStyle_;
  if (kind_ == Kind::Circle) canvas.Ellipse(0, 0, width(), height());
  else canvas.Rectangle(0, 0, width(), height());
}

}  // namespace tvx
