#include "instruments/dial.h"

#include <cmath>

#include "platform/textutil.h"

namespace tvx {

namespace {
constexpr double kDegToRad = M_PI / 180.0;
}

QPoint DialPoint(double cx, double cy, double radius, double angleDeg) {
  const double a = angleDeg * kDegToRad;
  return QPoint(RoundPixel(cx + radius * std::sin(a)), RoundPixel(cy - radius * std::cos(a)));
}

void DrawLine(Canvas& c, QPoint from, QPoint to) {
  c.MoveTo(from.x(), from.y());
  c.LineTo(to.x(), to.y());
}

void DrawRadial(Canvas& c, int cx, int cy, double angleDeg, double r1, double r2) {
  DrawLine(c, DialPoint(cx, cy, r1, angleDeg), DialPoint(cx, cy, r2, angleDeg));
}

void DrawDot(Canvas& c, QPoint centre, int half) {
  c.Ellipse(centre.x() - half, centre.y() - half, centre.x() + half, centre.y() + half);
}

void DrawCellFrame(Canvas& c, int x0, int y0, int U, int m, int cut) {
  const int far = 2 * U - m;
  c.Polyline({{x0 + m + cut, y0 + m},
              {x0 + far - cut, y0 + m},
              {x0 + far, y0 + m + cut},
              {x0 + far, y0 + far - cut},
              {x0 + far - cut, y0 + far},
              {x0 + m + cut, y0 + far},
              {x0 + m, y0 + far - cut},
              {x0 + m, y0 + m + cut},
              {x0 + m + cut, y0 + m}});
}

QByteArray LayerKey(const char* name, std::initializer_list<double> values) {
  QByteArray key(name);
  for (double v : values) key += ' ' + QByteArray::number(v, 'g', 17);
  return key;
}

QString ThreeDigits(int value) {
  if (value < 10) return "00" + QString::number(value);
  if (value < 100) return "0" + QString::number(value);
  return QString::number(value);
}

void DrawPointer(Canvas& c, int cx, int cy, double a, double rho) {
  const QPoint head = DialPoint(cx, cy, rho, a);
  DrawLine(c, head, DialPoint(cx, cy, rho, a + 180));
  DrawLine(c, head, DialPoint(cx, cy, rho - 10, a - 5));
  DrawLine(c, head, DialPoint(cx, cy, rho - 10, a + 5));
}

void DrawCardFigures(Canvas& c, int cx, int cy, int k, double radius, int firstOffset, int otherOffset) {
  DrawCardFigures(c, cx, cy, k, radius, [=](int i) { return double(i < 4 ? firstOffset : otherOffset); });
}

void DrawCardFigures(Canvas& c, int cx, int cy, int k, double radius, const CardFigureOffset& offset) {
  for (int i = 0; i <= 11; ++i) {
    const QPoint anchor = DialPoint(cx, cy, radius, 30 * i - k - offset(i));
    int v = k - 30 * i;
    if (v < 0) v += 360;
    else if (v > 360) v -= 360;
    c.RotatedTextOut(anchor.x(), anchor.y(), v, QString::number(3 * i));
  }
}

void DrawCardTicks(Canvas& c, int cx, int cy, int k, double radius, int longLength, int shortLength) {
  for (int i = 1; i <= 36; ++i) DrawRadial(c, cx, cy, -k - 10 * i, radius, radius + longLength);
  for (int i = 1; i <= 36; ++i) DrawRadial(c, cx, cy, -k - 5 - 10 * i, radius, radius + shortLength);
}

int RoundCardInnerRadius(const SimState& s) { return s.InstrumentRadius - s.TickLengthLong - 13 + 5; }

void DrawRoundCard(Canvas& c, const SimState& s, int cx, int cy, int k, const char* layerName,
                   const CardFigureOffset& offset) {
  const int R = s.InstrumentRadius;
  const int rc = RoundCardInnerRadius(s);
  // The card changes only with its heading: kept as a layer.
  const int extent = R + 16;
  const QByteArray key =
      LayerKey(layerName, {double(cx), double(cy), double(k), double(R), double(rc), double(s.CardTickLengthLong),
                             double(s.CardTickLengthShort)});
  c.Layer(key, QRect(cx - extent, cy - extent, 2 * extent, 2 * extent), [&](Canvas& l) {
    l.Brush.color = clr::Black;
    l.Brush.style = BrushStyle::Solid;
    l.Pen.color = clr::Black;
    l.Ellipse(cx - R, cy - R, cx + R, cy + R);
    l.Font.size = 7;
    l.Pen.color = clr::White;
    l.Font.color = clr::White;
    if (offset) DrawCardFigures(l, cx, cy, k, R, offset);
    else DrawCardFigures(l, cx, cy, k, R, 1, 3);
    l.Ellipse(cx - rc, cy - rc, cx + rc, cy + rc);
    // The ticks keep the pen width the preceding dial left.
    DrawCardTicks(l, cx, cy, k, rc, s.CardTickLengthLong, s.CardTickLengthShort);
  });
}

}  // namespace tvx
