#include "instruments/adf.h"

#include <algorithm>
#include <cmath>

#include "instruments/dial.h"
#include "instruments/textfit.h"
#include "platform/textutil.h"

namespace tvx {

double AdfCardHeadingFor(int mode, double heading, double previous) {
  if (mode == 0) return 0;
  if (mode == 1 || mode == 2) return heading;
  return previous;
}

double AdfNeedleAngle(const SimState& s, int mode) {
  double a = 90;
  if (mode == 0 || mode == 1) {
    if (s.AdfReceived) a = s.AdfQdr - s.Heading + 180;
  } else if (mode == 2) {
    if (s.Vor1Received) a = s.Vor1Radial - s.Heading + 180;
    if (s.IlsTuned) a = 90;
  }
  return a;
}

namespace {

constexpr int kCardFigureFont = 7;

FontState CardFigureFont() {
  FontState f;
  f.size = kCardFigureFont;
  return f;
}

// The degrees from a figure's anchor to the middle of its glyphs, on the
// rim of radius `radius`.
double FigureCentreOffset(const QString& figure, int radius) {
  const QRect ink = TextInk(CardFigureFont(), figure);
  return std::asin(std::clamp((ink.left() + ink.width() / 2.0) / radius, -1.0, 1.0)) * 180.0 / M_PI;
}

}  // namespace

AdfMarkShape AdfMarks(const SimState& s) {
  // The figures keep their size on every dial; the marks are sized to hold
  // the widest of them, centred, with a clear pixel and a half around it.
  int half = 0, bottom = 0;
  for (int i = 0; i < 12; ++i) {
    const QRect ink = TextInk(CardFigureFont(), QString::number(3 * i));
    half = std::max(half, (ink.width() + 1) / 2);
    bottom = std::max(bottom, ink.bottom() + 1);
  }
  constexpr double kClear = 1.5;
  const int R = s.InstrumentRadius;
  // Reaching well below the figures' feet, so that the legs pass them
  // apart, yet short of the card's inner circle.
  AdfMarkShape m;
  m.depth = std::min(std::max(s.CardTickLengthLong, bottom + 12), R - RoundCardInnerRadius(s) - 2);
  const double rimHalfWidth = (half + kClear) * m.depth / std::max(1, m.depth - bottom - 1);
  m.halfAngle = std::max(3.0, std::asin(std::min(1.0, rimHalfWidth / R)) * 180.0 / M_PI);
  return m;
}

void DrawADFCard(Canvas& c, const SimState& s) {
  const int cx = s.AdfCentreX, cy = s.AdfCentreY;
  const int R = s.InstrumentRadius;
  // The VOR indicators' card, its figures centred on their degrees so that
  // the marks can frame them.
  DrawRoundCard(c, s, cx, cy, RoundPixel(s.AdfCardHeading), "AdfCard",
                [R](int i) { return FigureCentreOffset(QString::number(3 * i), R); });
  // Red V marks every 45 degrees on the rim; they do not turn with the card.
  const AdfMarkShape marks = AdfMarks(s);
  c.Pen.color = clr::Red;
  c.Pen.width = 1;
  for (int i = 0; i <= 7; ++i) {
    const QPoint from = DialPoint(cx, cy, R, 45 * i - marks.halfAngle);
    const QPoint tip = DialPoint(cx, cy, R - marks.depth, 45 * i);
    const QPoint to = DialPoint(cx, cy, R, 45 * i + marks.halfAngle);
    DrawLine(c, from, tip);
    c.LineTo(to.x(), to.y());
  }
  c.Pen.color = clr::White;
  c.Pen.width = 1;
}

void DrawADFNeedle(Canvas& c, const SimState& s, const InstrOptions& o) {
  const int cx = s.AdfCentreX, cy = s.AdfCentreY;
  const int mode = o.ADFRMI;
  // The key hint in the colours the faces leave (white on black).
  c.Font.size = 10;
  c.TextOut(cx + 5, cy + 15, "[ R ]");
  if (mode == 0) {
    c.TextOut(cx, cy, "ADF");
  } else if (mode == 1) {
    c.TextOut(cx, cy, "ADF - RMI");
  } else if (mode == 2) {
    c.TextOut(cx, cy, "VOR - RMI");
    if (!s.Vor1Received || s.IlsTuned) {
      c.Brush.color = clr::Red;
      c.Brush.style = BrushStyle::Solid;
      c.Font.color = clr::Black;
      c.TextOut(cx + 5, cy - 30, "OFF");
      c.Brush.color = clr::Black;
    }
  }
  const int rho = s.InstrumentRadius - s.TickLengthLong - 13;
  c.Pen.color = clr::White;
  c.Pen.width = 2;
  DrawPointer(c, cx, cy, AdfNeedleAngle(s, mode), rho);
  c.Pen.width = 1;
}

}  // namespace tvx
