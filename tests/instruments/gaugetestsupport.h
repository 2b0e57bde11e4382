#pragma once
// Helpers of the gauge tests: a laid-out state and readings of a recorded drawing.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPoint>
#include <QRectF>
#include <QVector>
#include <algorithm>
#include <cmath>

#include "instruments/applicationfonts.h"
#include "instruments/layout.h"
#include "instruments/textink.h"
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx::test {

using Prim = RecordingCanvas::Primitive;
using Op = RecordingCanvas::Op;

// The flight state of a 1600 x 900 window (cell 149, radius 134, ticks 10/20).
inline SimState LaidOut(const QString& type) {
  SimState s;
  s.AircraftType = type;
  s.CellFrameMargin = 2;
  ComputeCellLayout(s, 1600, 900);
  return s;
}

// The dial angle (clockwise from 12 o'clock, 0..360) of `p` seen from `centre`.
inline double DialAngleOf(QPoint centre, QPoint p) {
  double a = std::atan2(p.x() - centre.x(), centre.y() - p.y()) * 180.0 / M_PI;
  if (a < 0) a += 360.0;
  return a;
}

// The expected point of a dial, computed here the long way.
inline QPoint Expected(double cx, double cy, double r, double angleDeg) {
  const double a = angleDeg * M_PI / 180.0;
  return {static_cast<int>(std::lround(cx + r * std::sin(a))), static_cast<int>(std::lround(cy - r * std::cos(a)))};
}

inline QVector<Prim> Select(const RecordingCanvas& c, Op op) {
  QVector<Prim> out;
  for (const Prim& p : c.log)
    if (p.op == op) out << p;
  return out;
}

inline QVector<Prim> LinesOfWidth(const RecordingCanvas& c, int width) {
  QVector<Prim> out;
  for (const Prim& p : c.log)
    if (p.op == Op::Line && p.pen.width == width) out << p;
  return out;
}

inline const Prim* FindText(const RecordingCanvas& c, const QString& text) {
  for (const Prim& p : c.log)
    if (p.op == Op::Text && p.text == text) return &p;
  return nullptr;
}

// The pixels an upright text's glyphs cover, at its recorded place.
inline QRect InkOf(const Prim& t) { return PaintedInk(t.font, t.text).translated(t.points[0]); }

// A painted text and its ink, as a fault names them.
inline QString DescribeText(const Prim& t, const QRectF& ink) {
  return QString("\"%1\" (%2 pt) ink %3,%4 %5x%6")
      .arg(t.text)
      .arg(t.font.size)
      .arg(ink.x())
      .arg(ink.y())
      .arg(ink.width())
      .arg(ink.height());
}

// Whether a recorded line, at its pen's width, reaches a pixel of `ink`.
inline bool LineMeets(const Prim& line, const QRect& ink) {
  const QRectF area = QRectF(ink).adjusted(-line.pen.width / 2.0, -line.pen.width / 2.0, line.pen.width / 2.0,
                                           line.pen.width / 2.0);
  const QPointF a = line.points[0], b = line.points[1];
  const int steps = 4 * static_cast<int>(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()))) + 1;
  for (int k = 0; k <= steps; ++k)
    if (area.contains(a + (b - a) * (double(k) / steps))) return true;
  return false;
}

// Whether a recorded circle's outline, at its pen's width, reaches a pixel of `ink`.
inline bool RingMeets(const Prim& ellipse, const QRect& ink) {
  const QPointF centre = QRectF(QPointF(ellipse.points[0]), QPointF(ellipse.points[1])).center();
  const double r = std::abs(ellipse.points[1].x() - ellipse.points[0].x()) / 2.0;
  const QRectF area(ink.x(), ink.y(), ink.width(), ink.height());
  const double nx = std::clamp(centre.x(), area.left(), area.right()) - centre.x();
  const double ny = std::clamp(centre.y(), area.top(), area.bottom()) - centre.y();
  double far = 0;
  for (const QPointF p : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
    far = std::max(far, std::hypot(p.x() - centre.x(), p.y() - centre.y()));
  const double half = ellipse.pen.width / 2.0;
  return std::hypot(nx, ny) <= r + half && far >= r - half;
}

}  // namespace tvx::test
