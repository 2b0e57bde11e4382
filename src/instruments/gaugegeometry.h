#pragma once
// The dial geometry the round gauges share: angles in degrees clockwise from
// 12 o'clock, a point at radius r being (cx + r sin a, cy - r cos a), every
// coordinate rounded to the nearest pixel.
#include <QPoint>
#include <cmath>

#include "platform/canvas.h"
#include "platform/textutil.h"

namespace tvx::gauge {

inline QPoint DialPoint(double cx, double cy, double r, double angleDeg) {
  const double a = angleDeg * M_PI / 180.0;
  return {RoundPixel(cx + r * std::sin(a)), RoundPixel(cy - r * std::cos(a))};
}

// A radial stroke from radius r1 to r2.
inline void DialRay(Canvas& c, int cx, int cy, double r1, double r2, double angleDeg) {
  const QPoint from = DialPoint(cx, cy, r1, angleDeg);
  const QPoint to = DialPoint(cx, cy, r2, angleDeg);
  c.MoveTo(from.x(), from.y());
  c.LineTo(to.x(), to.y());
}

// A needle from the centre to radius r.
inline void DialNeedle(Canvas& c, int cx, int cy, double r, double angleDeg) {
  const QPoint to = DialPoint(cx, cy, r, angleDeg);
  c.MoveTo(cx, cy);
  c.LineTo(to.x(), to.y());
}

// The black face of a dial of radius r.
inline void DialFace(Canvas& c, int cx, int cy, int r) {
  c.Pen.color = clr::Black;
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
  c.Ellipse(cx - r, cy - r, cx + r, cy + r);
}

// An arc of radius r drawn counter-clockwise from one dial angle to another.
inline void DialArc(Canvas& c, int cx, int cy, int r, double fromDeg, double toDeg) {
  const QPoint from = DialPoint(cx, cy, r, fromDeg);
  const QPoint to = DialPoint(cx, cy, r, toDeg);
  c.Arc(cx - r, cy - r, cx + r, cy + r, from.x(), from.y(), to.x(), to.y());
}

// A text whose top-left corner lies (dx, dy) left of and above the point at radius r.
inline void DialText(Canvas& c, int cx, int cy, double r, double angleDeg, int dx, int dy, const QString& text) {
  const QPoint p = DialPoint(cx, cy, r, angleDeg);
  c.TextOut(p.x() - dx, p.y() - dy, text);
}

// Pen and brush as most gauge steps set them.
inline void SetPen(Canvas& c, TColor color, int width) {
  c.Pen.color = color;
  c.Pen.width = width;
}

inline void SetSolidBrush(Canvas& c, TColor color) {
  c.Brush.color = color;
  c.Brush.style = BrushStyle::Solid;
}

inline void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

}  // namespace tvx::gauge
