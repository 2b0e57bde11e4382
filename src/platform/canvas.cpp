#include "platform/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace tvx {

namespace {

QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Device pixels to one pixel of what `painter` draws: the device's pixel
// ratio and any scaling of the painter.
qreal DeviceScale(const QPainter& painter) {
  const QTransform t = painter.deviceTransform();
  return std::hypot(t.m11(), t.m12());
}

bool Smoothed(qreal scale) { return std::abs(scale - 1) > 1e-9; }

// The device pixels that hold `size` canvas pixels whole.
QSize DevicePixels(QSize size, qreal scale) {
  return QSize(static_cast<int>(std::ceil(size.width() * scale - 1e-9)),
               static_cast<int>(std::ceil(size.height() * scale - 1e-9)));
}

// Pixels this far out lie off every surface. A figure reaching past them is
// cut there (lines, polygons, rectangles) or left out (ellipses, arcs,
// texts), in floating point, so that no pixel arithmetic can overflow.
constexpr int kFarPixels = 1 << 24;

bool Far(int v) { return v > kFarPixels || v < -kFarPixels; }
bool Far(QPoint p) { return Far(p.x()) || Far(p.y()); }
bool AnyFar(std::initializer_list<int> values) {
  for (int v : values)
    if (Far(v)) return true;
  return false;
}
int ClampFar(int v) { return std::clamp(v, -kFarPixels, kFarPixels); }
QPoint Pixel(QPointF p) { return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))); }

// Corner pairs with exclusive right/bottom edges, normalised; the corners
// lie within kFarPixels.
QRect BoxOf(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

// The polygon cut to the square of kFarPixels (Sutherland-Hodgman), one
// side after the other.
QVector<QPoint> ClipPolygon(const QVector<QPoint>& points) {
  QVector<QPointF> poly;
  for (const QPoint& p : points) poly << QPointF(p);
  const double f = kFarPixels;
  // Each side as: is a point inside, and where a segment crosses it.
  for (int side = 0; side < 4 && !poly.isEmpty(); ++side) {
    auto value = [side](QPointF p) { return side < 2 ? p.x() : p.y(); };
    const double limit = side % 2 == 0 ? -f : f;
    auto inside = [&](QPointF p) { return side % 2 == 0 ? value(p) >= limit : value(p) <= limit; };
    QVector<QPointF> out;
    for (qsizetype i = 0; i < poly.size(); ++i) {
      const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
      const bool ina = inside(a), inb = inside(b);
      if (ina) out << a;
      if (ina != inb) {
        const double t = (limit - value(a)) / (value(b) - value(a));
        out << a + t * (b - a);
      }
    }
    poly = out;
  }
  QVector<QPoint> clipped;
  for (const QPointF& p : poly) clipped << Pixel(p);
  return clipped;
}

}  // namespace

bool ClipToSquare(QPointF& a, QPointF& b, double limit) {
  if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y())) return false;
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x() + limit, limit - a.x(), a.y() + limit, limit - a.y()};
  double t0 = 0, t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this side and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const QPointF from = a;
  if (t0 > 0) a = QPointF(from.x() + t0 * dx, from.y() + t0 * dy);
  if (t1 < 1) b = QPointF(from.x() + t1 * dx, from.y() + t1 * dy);
  return true;
}

int FontPixelSize(int points) { return std::max(1, static_cast<int>(std::lround(std::abs(points) * 96.0 / 72.0))); }

QFont PaintedFont(const FontState& f) {
  QFont font(f.name);
  font.setPixelSize(FontPixelSize(f.size));
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

void ArcAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, double& startDeg, double& spanDeg) {
  // In floating point: the sums of far-off corners do not fit an int.
  const double cx = (double(x1) + x2) / 2.0;
  const double cy = (double(y1) + y2) / 2.0;
  // Screen y grows downward, so counter-clockwise angles use -dy.
  startDeg = std::atan2(-(y3 - cy), x3 - cx) * 180.0 / M_PI;
  const double endDeg = std::atan2(-(y4 - cy), x4 - cx) * 180.0 / M_PI;
  spanDeg = endDeg - startDeg;
  while (spanDeg <= 0) spanDeg += 360.0;
  while (spanDeg > 360.0) spanDeg -= 360.0;
}

void PainterCanvas::Attach(QPainter* painter) {
  painter_ = painter;
  scale_ = DeviceScale(*painter);
  // Pixel for pixel the marks stay sharp and repeatable; on a scaled device
  // a logical pixel covers a fraction of device pixels and only smoothing
  // keeps strokes even.
  const bool smooth = Smoothed(scale_);
  painter_->setRenderHint(QPainter::Antialiasing, smooth);
  painter_->setRenderHint(QPainter::TextAntialiasing, smooth);
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


namespace {

// Unsmoothed, a one-pixel stroke covers the pixels right of and below its
// mathematical line; smoothed, it straddles the line. Moving smoothed
// strokes of odd width by half a pixel puts them where the unsmoothed ones
// are, so that a scaled panel is the same panel, only finer.
class StrokeShift {
 public:
  StrokeShift(QPainter* painter, const PenState& pen) : painter_(painter) {
    shifted_ = painter->testRenderHint(QPainter::Antialiasing) && pen.style != PenStyle::Clear &&
               std::max(1, pen.width) % 2 == 1;
    if (shifted_) painter_->translate(0.5, 0.5);
  }
  ~StrokeShift() {
    if (shifted_) painter_->translate(-0.5, -0.5);
  }
  StrokeShift(const StrokeShift&) = delete;
  StrokeShift& operator=(const StrokeShift&) = delete;

 private:
  QPainter* painter_;
  bool shifted_ = false;
};

}  // namespace

void PainterCanvas::LineTo(int x, int y) {
  if (painter_) {
    const StrokeShift shift(painter_, Pen);
    QPointF from(penPos_), to(x, y);
    if (!Far(penPos_) && !Far(QPoint(x, y))) {
      ApplyPen();
      painter_->drawLine(penPos_, QPoint(x, y));
    } else if (ClipToSquare(from, to, kFarPixels)) {
      ApplyPen();
      painter_->drawLine(Pixel(from), Pixel(to));
    }
  }
  penPos_ = {x, y};
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (!painter_) return;
  const StrokeShift shift(painter_, Pen);
  ApplyPen();
  ApplyBrush();
  // Cut to the far limit, which changes no pixel that can be seen.
  const QRect box = BoxOf(ClampFar(x1), ClampFar(y1), ClampFar(x2), ClampFar(y2));
  // The outline lies inside the box, like the brush.
  painter_->drawRect(box.adjusted(0, 0, -1, -1));
}

void PainterCanvas::FillRect(int x1, int y1, int x2, int y2) {
  if (!painter_ || Brush.style == BrushStyle::Clear) return;
  ApplyBrush();
  painter_->fillRect(BoxOf(ClampFar(x1), ClampFar(y1), ClampFar(x2), ClampFar(y2)), painter_->brush());
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (!painter_ || AnyFar({x1, y1, x2, y2})) return;
  const StrokeShift shift(painter_, Pen);
  ApplyPen();
  ApplyBrush();
  painter_->drawEllipse(BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
}

void PainterCanvas::Polygon(const QVector<QPoint>& points) {
  if (!painter_ || points.isEmpty()) return;
  const StrokeShift shift(painter_, Pen);
  ApplyPen();
  ApplyBrush();
  const bool far = std::any_of(points.begin(), points.end(), [](QPoint p) { return Far(p); });
  painter_->drawPolygon(QPolygon(far ? ClipPolygon(points) : points));
}

void PainterCanvas::Polyline(const QVector<QPoint>& points) {
  if (!painter_ || points.isEmpty()) return;
  const StrokeShift shift(painter_, Pen);
  ApplyPen();
  if (std::none_of(points.begin(), points.end(), [](QPoint p) { return Far(p); })) {
    painter_->drawPolyline(QPolygon(points));
  } else {
    for (qsizetype i = 1; i < points.size(); ++i) {
      QPointF a(points[i - 1]), b(points[i]);
      if (ClipToSquare(a, b, kFarPixels)) painter_->drawLine(Pixel(a), Pixel(b));
    }
  }
  penPos_ = points.last();
}

void PainterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (!painter_ || AnyFar({x1, y1, x2, y2})) return;
  const StrokeShift shift(painter_, Pen);
  double start, span;
  ArcAngles(x1, y1, x2, y2, x3, y3, x4, y4, start, span);
  ApplyPen();
  painter_->drawArc(BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1), std::lround(start * 16), std::lround(span * 16));
}

void PainterCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (!painter_ || AnyFar({x1, y1, x2, y2})) return;
  const StrokeShift shift(painter_, Pen);
  double start, span;
  ArcAngles(x1, y1, x2, y2, x3, y3, x4, y4, start, span);
  ApplyPen();
  ApplyBrush();
  painter_->drawPie(BoxOf(x1, y1, x2, y2).adjusted(0, 0, -1, -1), std::lround(start * 16), std::lround(span * 16));
}

namespace {

// A text as the pixels it gives: the box (when filled) and the glyphs, turned
// about the anchor, in an image placed `offset` from it.
struct TextPicture {
  QImage image;
  QPoint offset;
  int advance = 0;
};

// `scale` device pixels to the canvas's pixel: the picture holds the
// device's pixels, smoothed when they are not the canvas's own.
TextPicture RenderText(const FontState& font, const BrushState& brush, double angleDeg, const QString& text,
                       qreal scale) {
  const QFont measured = PaintedFont(font);
  const QFontMetrics fm(measured);
  TextPicture pic;
  pic.advance = fm.horizontalAdvance(text);
  const QRect box(0, 0, pic.advance, fm.height());
  const QRectF ink = QRectF(fm.boundingRect(text)).translated(0, fm.ascent()).united(box).adjusted(-2, -2, 2, 2);
  QTransform turn;
  turn.rotate(-angleDeg);
  const QRect bounds = turn.mapRect(ink).toAlignedRect();
  pic.offset = bounds.topLeft();
  const QSize pixels = DevicePixels(bounds.size(), scale).expandedTo(QSize(1, 1));
  pic.image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
  pic.image.setDevicePixelRatio(scale);
  pic.image.fill(Qt::transparent);
  QPainter p(&pic.image);
  const bool smooth = Smoothed(scale);
  p.setRenderHint(QPainter::Antialiasing, smooth);
  p.setRenderHint(QPainter::TextAntialiasing, smooth);
  p.translate(-bounds.left(), -bounds.top());
  p.rotate(-angleDeg);
  if (brush.style == BrushStyle::Solid) p.fillRect(box, ToQColor(brush.color));
  QFont drawn = measured;
  if (smooth) drawn.setStyleStrategy(QFont::PreferAntialias);
  p.setFont(drawn);
  p.setPen(ToQColor(font.color));
  p.drawText(QPoint(0, fm.ascent()), text);
  return pic;
}

QByteArray TextKey(const FontState& font, const BrushState& brush, double angleDeg, const QString& text, qreal scale) {
  QByteArray key = text.toUtf8();
  key += '\0';
  key += font.name.toUtf8();
  key += QByteArray::number(font.size) + ',' + QByteArray::number(font.color) + ',' + char('0' + font.bold) +
         char('0' + font.italic) + ',';
  if (brush.style == BrushStyle::Solid) key += QByteArray::number(brush.color);
  key += ',' + QByteArray::number(std::lround(angleDeg * 1000));
  if (Smoothed(scale)) key += ',' + QByteArray::number(scale, 'g', 17);
  return key;
}

// The instruments write the same few figures at the same few angles paint
// after paint; shaping and turning glyphs each time would dominate a panel
// paint.
const TextPicture& CachedText(const FontState& font, const BrushState& brush, double angleDeg, const QString& text,
                              qreal scale) {
  static QHash<QByteArray, TextPicture> cache;
  const QByteArray key = TextKey(font, brush, angleDeg, text, scale);
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  if (cache.size() >= 4096) cache.clear();
  return *cache.insert(key, RenderText(font, brush, angleDeg, text, scale));
}

}  // namespace

bool PainterCanvas::CacheText = true;

int PainterCanvas::DrawTextAt(int x, int y, double angleDeg, const QString& text) {
  // Always drawn from a picture, kept or not, so that keeping it changes no pixel.
  if (CacheText) {
    const TextPicture& pic = CachedText(Font, Brush, angleDeg, text, scale_);
    painter_->drawImage(QPoint(x, y) + pic.offset, pic.image);
    return pic.advance;
  }
  const TextPicture pic = RenderText(Font, Brush, angleDeg, text, scale_);
  painter_->drawImage(QPoint(x, y) + pic.offset, pic.image);
  return pic.advance;
}

void PainterCanvas::TextOut(int x, int y, const QString& text) {
  if (!painter_) return;
  if (Far(QPoint(x, y))) {
    penPos_ = {x, y};
    return;
  }
  penPos_ = {x + DrawTextAt(x, y, 0, text), y};
}

void PainterCanvas::RotatedTextOut(int x, int y, double angleDeg, const QString& text) {
  if (painter_ && !Far(QPoint(x, y))) DrawTextAt(x, y, angleDeg, text);
}

namespace {

struct LayerPicture {
  QImage image;
  PenState pen;
  BrushState brush;
  FontState font;
  QPoint penPos;
  quint64 lastUse = 0;
};

QByteArray StateKey(const PenState& pen, const BrushState& brush, const FontState& font) {
  QByteArray k;
  k += QByteArray::number(pen.color) + ',' + QByteArray::number(pen.width) + ',' +
       QByteArray::number(int(pen.style)) + ';';
  k += QByteArray::number(brush.color) + ',' + QByteArray::number(int(brush.style)) + ';';
  k += font.name.toUtf8() + ',' + QByteArray::number(font.size) + ',' + QByteArray::number(font.color) + ',' +
       char('0' + font.bold) + char('0' + font.italic);
  return k;
}

// Least recently used layers go first once the kept pixels pass the budget.
class LayerCache {
 public:
  const LayerPicture* Find(const QByteArray& key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) return nullptr;
    it->lastUse = ++clock_;
    return &*it;
  }
  const LayerPicture& Add(const QByteArray& key, LayerPicture picture) {
    bytes_ += picture.image.sizeInBytes();
    picture.lastUse = ++clock_;
    while (bytes_ > kBudget && !entries_.isEmpty()) {
      auto oldest = entries_.begin();
      for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->lastUse < oldest->lastUse) oldest = it;
      bytes_ -= oldest->image.sizeInBytes();
      entries_.erase(oldest);
    }
    return *entries_.insert(key, std::move(picture));
  }

 private:
  static constexpr qsizetype kBudget = 48 * 1024 * 1024;
  QHash<QByteArray, LayerPicture> entries_;
  qsizetype bytes_ = 0;
  quint64 clock_ = 0;
};

}  // namespace

bool PainterCanvas::CacheLayers = true;

void PainterCanvas::Layer(const QByteArray& key, const QRect& bounds, const std::function<void(Canvas&)>& draw) {
  if (!painter_ || !CacheLayers || bounds.isEmpty()) {
    draw(*this);
    return;
  }
  static LayerCache cache;
  const QByteArray fullKey = key + '|' + StateKey(Pen, Brush, Font) + '|' + QByteArray::number(bounds.x()) + ',' +
                             QByteArray::number(bounds.y()) + ',' + QByteArray::number(bounds.width()) + ',' +
                             QByteArray::number(bounds.height()) +
                             (Smoothed(scale_) ? ',' + QByteArray::number(scale_, 'g', 17) : QByteArray());
  const LayerPicture* picture = cache.Find(fullKey);
  if (!picture) {
    LayerPicture fresh;
    // At the device's resolution, so that the kept pixels are drawn one to one.
    fresh.image = QImage(DevicePixels(bounds.size(), scale_), QImage::Format_ARGB32_Premultiplied);
    fresh.image.setDevicePixelRatio(scale_);
    fresh.image.fill(Qt::transparent);
    QPainter p(&fresh.image);
    p.translate(-bounds.topLeft());
    PainterCanvas layer(&p);
    layer.Pen = Pen;
    layer.Brush = Brush;
    layer.Font = Font;
    layer.penPos_ = penPos_;
    draw(layer);
    p.end();
    fresh.pen = layer.Pen;
    fresh.brush = layer.Brush;
    fresh.font = layer.Font;
    fresh.penPos = layer.penPos_;
    picture = &cache.Add(fullKey, std::move(fresh));
  }
  painter_->drawImage(bounds.topLeft(), picture->image);
  Pen = picture->pen;
  Brush = picture->brush;
  Font = picture->font;
  penPos_ = picture->penPos;
}

QSize TextExtent(const FontState& font, const QString& text) {
  // The charts measure the same few texts paint after paint; building the
  // font's metrics each time would cost more than drawing them.
  static QHash<QByteArray, QSize> known;
  QByteArray key = text.toUtf8();
  key += '\0' + font.name.toUtf8() + ',' + QByteArray::number(font.size) + ',' + char('0' + font.bold) +
         char('0' + font.italic);
  auto it = known.constFind(key);
  if (it != known.constEnd()) return *it;
  if (known.size() >= 4096) known.clear();
  const QFontMetrics fm(PaintedFont(font));
  return *known.insert(key, QSize(fm.horizontalAdvance(text), fm.height()));
}

int PainterCanvas::TextWidth(const QString& text) const { return TextExtent(Font, text).width(); }

int PainterCanvas::TextHeight(const QString& text) const { return TextExtent(Font, text).height(); }

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
// With the application's fonts a recording measures as the painter draws,
// so that what a drawing places by its texts' sizes is recorded where it is
// painted. Without them (logic tests that start no application) a
// fixed-pitch estimate stands in.
int RecordingCanvas::TextWidth(const QString& text) const {
  if (qGuiApp) return TextExtent(Font, text).width();
  return static_cast<int>(text.size()) * FontPixelSize(Font.size) * 6 / 10;
}
int RecordingCanvas::TextHeight(const QString& text) const {
  if (qGuiApp) return TextExtent(Font, text).height();
  return FontPixelSize(Font.size) * 5 / 4;
}

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
