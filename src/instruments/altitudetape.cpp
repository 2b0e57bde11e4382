// The glass altitude tape and the vertical-speed scale beside it.
#include <QVector>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "instruments/gaugegeometry.h"
#include "instruments/gauges.h"
#include "instruments/textfit.h"
#include "platform/textutil.h"
#include "simulator/aircrafttype.h"

namespace tvx {

namespace {

using gauge::Line;
using gauge::SetPen;
using gauge::SetSolidBrush;

// The read-outs' left edges: the altitude's on the tape, the vertical
// speed's beside its pointer (20 px wide).
constexpr int kReadoutLeft = 20;
// The tape's figures' left edge, right of its long lines.
constexpr int kFigureLeft = 25;
constexpr int kPointerReadoutLeft = 22;
// The frames' pen, and what a read-out leaves before a frame line at the
// edge of its room.
constexpr int kFramePen = 2;
constexpr int kFrameClearance = 2;

void Frame(Canvas& c, const QVector<QPoint>& corners) {
  SetPen(c, clr::White, kFramePen);
  c.MoveTo(corners.first().x(), corners.first().y());
  for (int i = 1; i < corners.size(); ++i) c.LineTo(corners[i].x(), corners[i].y());
  c.LineTo(corners.first().x(), corners.first().y());
}

}  // namespace

QString VerticalSpeedReadout(double feetPerMinute) {
  const int v = RoundPixel(feetPerMinute / 20.0) * 20;
  if (std::abs(v) >= 100) return QString::number(v);
  const QString digits = QString::number(std::abs(v)).rightJustified(3, '0');
  return v < 0 ? "-" + digits : digits;
}

void DrawEFISAltitudeTape(Canvas& c, const SimState& s) {
  const int U = s.CellSize;
  const int yc = 3 * U / 2;
  const int right = 3 * U / 4;
  const bool jet = IsJet(s.AircraftType);

  // Truncating division keeps the sign of the altitude in the remainder.
  const int A = RoundPixel(s.Altitude);
  const int hundreds = A / 100 * 100;
  const int r = A - hundreds;
  // Slightly more (piston) or less (jet) than one interval per hundred feet:
  // the scale jumps back when the hundred changes.
  const int spacing = RoundPixel(jet ? 3.0 * U / 40 : 3.0 * U / 30);
  const double offset = jet ? 3.0 * r * U / 830 : 3.0 * r * U / 590;

  SetPen(c, clr::White, 1);
  c.Font.color = clr::White;
  SetSolidBrush(c, clr::GrayText);
  const int first = jet ? -25 : -20, last = jet ? 19 : 14;
  // The figures keep their designed size where the widest of them ends
  // inside the tape's frame; on a narrower tape they shrink to end there,
  // centred on their lines as designed.
  const QString widest =
      QString::number(hundreds - 20 * first).size() >= QString::number(hundreds - 20 * last).size()
          ? QString::number(hundreds - 20 * first)
          : QString::number(hundreds - 20 * last);
  c.Font.size = FittingFontSize(c, widest, 14, right - kFigureLeft - kFramePen - kFrameClearance);
  const int figureLift = RoundPixel(10.0 * c.Font.size / 14);
  // The jet's baro box stands over the foot of the tape: a figure reaching
  // into it is left out, rather than shown in fragments around its lines.
  const double k = ChartTextScale(U);
  const int lower = 2 * yc - RoundPixel(24 * k);
  const int baroTop = !jet ? std::numeric_limits<int>::max() : s.BaroStd ? lower : 2 * yc - RoundPixel(43 * k);
  for (int i = first; i <= last; ++i) {
    const int y = RoundPixel(yc + offset + i * spacing);
    const int feet = hundreds - 20 * i;
    if (i % 5 == 0) {
      Line(c, 0, y, 20, y);
      const QString figure = QString::number(feet);
      if ((!jet || feet % 200 == 0) && y - figureLift + TextInk(c.Font, figure).bottom() < baroTop)
        c.TextOut(kFigureLeft, y - figureLift, figure);
    } else if (!jet) {
      Line(c, 0, y, 10, y);
    }
  }

  if (jet) {
    // The bug stands at the minimums (the refresh copies them into the altitude bug).
    const int bug = s.Minimums;
    SetPen(c, clr::Lime, 5);
    const int yb = RoundPixel(yc + 3.0 * (A - bug) * U / 830);
    Line(c, 4, yb, right - 4, yb);
    c.Pen.width = 1;
    // The bug's value and the baro box shrink with the cells, so that on
    // small cells they stay clear of each other and of the vertical-speed
    // read-out below the scale.
    c.Font.size = ScaledFontSize(14, k);
    c.Font.color = clr::Lime;
    SetSolidBrush(c, clr::GrayText);
    c.TextOut(right + 4, lower, QString::number(bug));
    if (!s.BaroStd) {
      c.TextOut(4, 2 * yc - RoundPixel(43 * k), " 29.92   ");
      c.TextOut(4, lower, " 1013    ");
    } else {
      c.TextOut(4, lower, " STD     ");
    }
  }

  // The altitude of the next 10 s.
  const int v = RoundPixel(s.VerticalSpeed);
  c.Pen.color = clr::Lime;
  SetSolidBrush(c, clr::Lime);
  c.Rectangle(2, yc, 7, RoundPixel(yc - (v / 6) * spacing / 20.0));

  SetPen(c, clr::Black, 2);
  Line(c, s.CellFrameMargin, yc, right - s.CellFrameMargin, yc);

  // The read-out shrinks, where it must, to end inside the tape's frame
  // (painted over it next), centred on the reference line as designed.
  const QString altitude = QString::number(RoundPixel(s.Altitude / 5.0) * 5);
  const int altitudeSize = FittingFontSize(c, altitude, 18, right - kReadoutLeft - kFrameClearance);
  c.Font.size = altitudeSize;
  c.Font.color = clr::White;
  SetSolidBrush(c, clr::Black);
  c.Pen.color = clr::White;
  c.TextOut(kReadoutLeft, yc - RoundPixel(15.0 * altitudeSize / 18), altitude);

  Frame(c, {{0, 0}, {right, 0}, {right, 3 * U}, {0, 3 * U}});
}

void DrawEFISVerticalSpeed(Canvas& c, const SimState& s) {
  const int U = s.CellSize;
  const int yc = 3 * U / 2;
  const int x0 = 3 * U / 4;
  const bool jet = IsJet(s.AircraftType);

  const int shown = std::clamp(RoundPixel(s.VerticalSpeed / 20.0) * 20, -2000, 2000);
  const int q = RoundPixel((2 * U - 20) / 8.0);  // px per 500 ft/min
  const int o = RoundPixel(shown * q / 500.0);

  SetPen(c, clr::White, 1);
  c.Font.size = 14;
  c.Font.color = clr::White;
  SetSolidBrush(c, clr::GrayText);
  for (int i = -4; i <= 4; ++i) {
    const int y = yc + i * q;
    if (i % 2 == 0) {
      Line(c, x0, y, x0 + 30, y);
      c.TextOut(x0 + 35, y - 10, QString::number(std::abs(i) / 2));
    } else {
      Line(c, x0, y, x0 + 15, y);
    }
  }

  if (!jet) {
    SetPen(c, clr::Black, 1);
    SetSolidBrush(c, clr::Black);
    c.Polygon({{x0, yc - o}, {x0 + 20, yc - o - 12}, {x0 + 20, yc - o + 12}});
  } else {
    SetPen(c, clr::White, 4);
    Line(c, x0 + 10, yc - o, x0 + U / 2 - 10, yc - o);
  }

  c.Font.size = 14;
  c.Font.color = clr::White;
  SetPen(c, clr::White, 1);
  const QString readout = VerticalSpeedReadout(s.VerticalSpeed);
  const QVector<QPoint> frame = {
      {x0, U / 2 - 20}, {x0 + U / 2, U / 2}, {x0 + U / 2, 2 * U + U / 2}, {x0, 2 * U + U / 2 + 20}};
  // Beside the pointer the read-out keeps the scale's size; one that meets
  // the frame (too wide for the room inside it, or carried by the pointer
  // under the frame's slanted ends) is written over the frame, on its own
  // black ground, once the frame is painted.
  bool overFrame = false;
  QPoint beside;
  if (!jet) {
    beside = QPoint(x0 + kPointerReadoutLeft, yc - o - 12);
    const QRect ink = TextInk(c.Font, readout).translated(beside);
    for (int i = 0; i < frame.size(); ++i)
      overFrame = overFrame || LineMeetsInk(frame[i], frame[(i + 1) % frame.size()], kFramePen, ink);
    SetSolidBrush(c, clr::Black);
    if (!overFrame) c.TextOut(beside.x(), beside.y(), readout);
  } else {
    // Shrinking with the cells, the read-out below the scale stays clear of
    // the altitude bug's value; it stands below the frame's slanted foot,
    // lower than designed where the smaller offset would not clear it.
    const double k = ChartTextScale(U);
    c.Font.size = ScaledFontSize(14, k);
    if (s.VerticalSpeed > 0) {
      c.TextOut(x0 + 5, U / 2 - 50, readout);
    } else if (s.VerticalSpeed < 0) {
      QPoint below(x0 + 5, 2 * U + U / 2 + RoundPixel(15 * k));
      const QRect ink = TextInk(c.Font, readout);
      while (LineMeetsInk(frame[2], frame[3], kFramePen, ink.translated(below))) below.ry()++;
      c.TextOut(below.x(), below.y(), readout);
    }
  }

  if (s.AutopilotEngaged) {
    SetPen(c, clr::Fuchsia, 4);
    const int y = yc - RoundPixel(s.SelectedVerticalSpeed * q / 500.0);
    Line(c, x0 + 2, y, x0 + 22, y);
  }

  Frame(c, frame);

  if (overFrame) {
    SetPen(c, clr::White, 1);
    SetSolidBrush(c, clr::Black);
    c.TextOut(beside.x(), beside.y(), readout);
  }
}

}  // namespace tvx
