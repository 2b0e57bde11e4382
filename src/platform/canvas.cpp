#include "platform/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace tvx {

namespace {

QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QFont ToQFont(const FontState& f) {
  QFont font(f.name);
  font.setPixelSize(FontPixelSize(f.size));
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// Corner pairs with exclusive right/bottom edges, normalised.
QRect BoxOf(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

}  // namespace

int FontPixelSize(int points) { return std::max(1, static_cast<int>(std::lround(std::abs(points) * 96.0 / 72.0))); }

void ArcAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, double& startDeg, double& spanDeg) {
  const double cx = (x1 + x2) / 2.0;
  const double cy = (y1 + y2) / 2.0;
  // Screen y grows downward, so counter-clockwise angles use -dy.
  startDeg = std::atan2(-(y3 - cy), x3 - cx) * 180.0 / M_PI;
  const double endDeg = std::atan2(-(y4 - cy), x4 - cx) * 180.0 / M_PI;
  spanDeg = endDeg - startDeg;
  while (spanDeg <= 0) spanDeg += 360.0;
  while (spanDeg > 360.0) spanDeg -= 360.0;
}

void PainterCanvas::Attach(QPainter* painter) {
  painter_ = painter;
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
}

void PainterCanvas::ApplyPen() {
  if (Pen.style == PenStyle::Clear) {
    painter_->setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(Pen.color));
  pen.setWidth(std::max(1, Pen.width));
  switch (Pen.style) {
    case PenStyle::Dash: pen.setStyle(Qt::DashLine); break;
    case PenStyle::Dot: pen.setStyle(Qt::DotLine); break;
    case PenStyle::DashDot: pen.setStyle(Qt::DashDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
  }
  if (Pen.width > 1) {
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  } else {
    pen.setCapStyle(Qt::FlatCap);
  }
  painter_->setPen(pen);
}

void PainterCanvas::ApplyBrush() {
  switch (Brush.style) {
    case BrushStyle::Clear: painter_->setBrush(Qt::NoBrush); return;
    case BrushStyle::Solid: painter_->setBrush(ToQColor(Brush.color)); return;
    case BrushStyle::DiagCross: painter_->setBrush(QBrush(ToQColor(Brush.color), Qt::DiagCrossPattern)); return;
    case BrushStyle::Horizontal: painter_->setBrush(QBrush(ToQColor(Brush.color), Qt::HorPattern)); return;
    case BrushStyle::Vertical: painter_->setBrush(QBrush(ToQColor(Brush.color), Qt::VerPattern)); return;
    case BrushStyle::Cross: painter_->setBrush(QBrush(ToQColor(Brush.color), Qt::CrossPattern)); return;
  }
}

void PainterCanvas::ApplyFont() const { painter_->setFont(ToQFont(Font)); }

void PainterCanvas::LineTo(int x, int y) {
  if (painter_) {
    ApplyPen();
    painter_->drawLine(penPos_, QPoint(x, y));
  }
  penPos_ = {x, y};
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (!painter_) return;
  ApplyPen();
  ApplyBrush();
  const QRect box = BoxOf(x1, y1, x2, y2);
  // The outline lies inside the box, like the brush.
  painter_->drawRect(box.adjusted(0, 0, -1, -1));
}

void PainterCanvas::FillRect(int x1, int y1, int x2, int y2) {
  if (!painter_ || Brush.style == BrushStyle::Clear) return;
  ApplyBrush();
  painter_->fillRect(BoxOf(x1, y1, x2, y2), painter_->brush());
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (!painter_) return;
  ApplyPen();
  ApplyBrush();
  painter_->drawEllipse(BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
}

void PainterCanvas::Polygon(const QVector<QPoint>& points) {
  if (!painter_ || points.isEmpty()) return;
  ApplyPen();
  ApplyBrush();
  painter_->drawPolygon(QPolygon(points));
}

void PainterCanvas::Polyline(const QVector<QPoint>& points) {
  if (!painter_ || points.isEmpty()) return;
  ApplyPen();
  painter_->drawPolyline(QPolygon(points));
  penPos_ = points.last();
}

void PainterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (!painter_) return;
  double start, span;
  ArcAngles(x1, y1, x2, y2, x3, y3, x4, y4, start, span);
  ApplyPen();
  painter_->drawArc(BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1), std::lround(start * 16), std::lround(span * 16));
}

void PainterCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (!painter_) return;
  double start, span;
  ArcAngles(x1, y1, x2, y2, x3, y3, x4, y4, start, span);
  ApplyPen();
  ApplyBrush();
  painter_->drawPie(BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1), std::lround(start * 16), std::lround(span * 16));
}

void PainterCanvas::TextOut(int x, int y, const QString& text) {
  if (!painter_) return;
  ApplyFont();
  const QFontMetrics fm(painter_->font());
  if (Brush.style == BrushStyle::Solid)
    painter_->fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), ToQColor(Brush.color));
  painter_->setPen(ToQColor(Font.color));
  painter_->drawText(QPoint(x, y + fm.ascent()), text);
  penPos_ = {x + fm.horizontalAdvance(text), y};
}

void PainterCanvas::RotatedTextOut(int x, int y, double angleDeg, const QString& text) {
  if (!painter_) return;
  ApplyFont();
  const QFontMetrics fm(painter_->font());
  painter_->save();
  painter_->translate(x, y);
  painter_->rotate(-angleDeg);
  if (Brush.style == BrushStyle::Solid)
    painter_->fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), ToQColor(Brush.color));
  painter_->setPen(ToQColor(Font.color));
  painter_->drawText(QPoint(0, fm.ascent()), text);
  painter_->restore();
}

int PainterCanvas::TextWidth(const QString& text) const { return QFontMetrics(ToQFont(Font)).horizontalAdvance(text); }

int PainterCanvas::TextHeight(const QString&) const { return QFontMetrics(ToQFont(Font)).height(); }

void RecordingCanvas::Add(Op op, QVector<QPoint> points, const QString& text, double angle) {
  log.append({op, std::move(points), text, angle, Pen, Brush, Font});
}

void RecordingCanvas::LineTo(int x, int y) {
  Add(Op::Line, {penPos_, QPoint(x, y)});
  penPos_ = {x, y};
}
void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) { Add(Op::Rectangle, {{x1, y1}, {x2, y2}}); }
void RecordingCanvas::FillRect(int x1, int y1, int x2, int y2) { Add(Op::FillRect, {{x1, y1}, {x2, y2}}); }
void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) { Add(Op::Ellipse, {{x1, y1}, {x2, y2}}); }
void RecordingCanvas::Polygon(const QVector<QPoint>& points) { Add(Op::Polygon, points); }
void RecordingCanvas::Polyline(const QVector<QPoint>& points) {
  Add(Op::Polyline, points);
  if (!points.isEmpty()) penPos_ = points.last();
}
void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Add(Op::Arc, {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
}
void RecordingCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Add(Op::Pie, {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
}
void RecordingCanvas::TextOut(int x, int y, const QString& text) { Add(Op::Text, {{x, y}}, text); }
void RecordingCanvas::RotatedTextOut(int x, int y, double angleDeg, const QString& text) {
  Add(Op::RotatedText, {{x, y}}, text, angleDeg);
}
// A fixed-pitch estimate keeps recorded layouts independent of installed fonts.
int RecordingCanvas::TextWidth(const QString& text) const { return static_cast<int>(text.size()) * FontPixelSize(Font.size) * 6 / 10; }
int RecordingCanvas::TextHeight(const QString&) const { return FontPixelSize(Font.size) * 5 / 4; }

QVector<QString> RecordingCanvas::Texts() const {
  QVector<QString> out;
  for (const auto& p : log)
    if (p.op == Op::Text || p.op == Op::RotatedText) out << p.text;
  return out;
}

int RecordingCanvas::Count(Op op) const {
  int n = 0;
  for (const auto& p : log) n += p.op == op;
  return n;
}

}  // namespace tvx
