#pragma once
// Helpers of the gauge tests: a laid-out state and readings of a recorded drawing.
#include <QPoint>
#include <QVector>
#include <cmath>

#include "instruments/layout.h"
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

}  // namespace tvx::test
