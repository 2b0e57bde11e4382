#include "instruments/textfit.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace tvx {

int FittingFontSize(Canvas& c, const QString& text, int designed, int room) {
  const int kept = c.Font.size;
  int size = designed;
  for (; size > kSmallestChartFont; --size) {
    c.Font.size = size;
    if (c.TextWidth(text) <= room) break;
  }
  c.Font.size = kept;
  return std::min(size, designed);
}

double ChartTextScale(int cellSize) { return std::min(1.0, double(cellSize) / kFullSizeCell); }

int ScaledFontSize(int designed, double scale) {
  return std::min(designed, std::max(kSmallestChartFont, static_cast<int>(std::lround(designed * scale))));
}

QRect TextInk(const FontState& font, const QString& text) {
  // Without fonts (no application) the line's box stands for the ink.
  if (!qGuiApp) {
    RecordingCanvas box;
    box.Font = font;
    return QRect(0, 0, box.TextWidth(text), box.TextHeight(text));
  }
  // The read-outs are measured paint after paint: the font's metrics are
  // built once for each text.
  using Key = std::tuple<QString, int, bool, bool, QString>;
  static std::map<Key, QRect> known;
  const Key key{font.name, font.size, font.bold, font.italic, text};
  if (const auto it = known.find(key); it != known.end()) return it->second;
  if (known.size() >= 4096) known.clear();
  const QFont f = PaintedFont(font);
  // In fractions of a pixel, then every pixel the glyphs reach into; the
  // canvas puts the baseline a whole ascent below the text's top.
  const QRectF ink = QFontMetricsF(f).tightBoundingRect(text).translated(0, QFontMetrics(f).ascent());
  return known[key] = QRect(QPoint(int(std::floor(ink.left())), int(std::floor(ink.top()))),
                            QPoint(int(std::ceil(ink.right())) - 1, int(std::ceil(ink.bottom())) - 1));
}

namespace {

// The distance from `p` to the segment from `a` to `b`.
double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double length2 = QPointF::dotProduct(d, d);
  const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0) : 0.0;
  const QPointF q = a + t * d - p;
  return std::hypot(q.x(), q.y());
}

// The distance from `p` to the area `r` (0 within it).
double DistanceToArea(QPointF p, const QRectF& r) {
  const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
  const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
  return std::hypot(dx, dy);
}

// Which side of the line through `a` and `b` the point `p` lies on.
double Side(QPointF a, QPointF b, QPointF p) {
  return (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
}

bool SegmentsCross(QPointF a, QPointF b, QPointF c, QPointF d) {
  return Side(a, b, c) * Side(a, b, d) <= 0 && Side(c, d, a) * Side(c, d, b) <= 0;
}

// The distance between the segment from `a` to `b` and the area `r`.
double SegmentToArea(QPointF a, QPointF b, const QRectF& r) {
  if (r.contains(a) || r.contains(b)) return 0;
  const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
  double nearest = std::min(DistanceToArea(a, r), DistanceToArea(b, r));
  for (int i = 0; i < 4; ++i) {
    if (SegmentsCross(a, b, corners[i], corners[(i + 1) % 4])) return 0;
    nearest = std::min(nearest, DistanceToSegment(corners[i], a, b));
  }
  return nearest;
}

}  // namespace

bool LineMeetsInk(QPointF a, QPointF b, int penWidth, const QRect& ink) {
  return SegmentToArea(a, b, QRectF(ink)) < penWidth / 2.0 + 1;
}

int FitLeft(int x, int width, int left, int right) { return std::max(left, std::min(x, right - width)); }

}  // namespace tvx
