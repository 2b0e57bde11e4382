#include "instruments/adf.h"

#include "instruments/dial.h"
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

void DrawADFCard(Canvas& c, const SimState& s) {
  const int cx = s.AdfCentreX, cy = s.AdfCentreY;
  const int R = s.InstrumentRadius;
  DrawRoundCard(c, s, cx, cy, RoundPixel(s.AdfCardHeading));
  // Red V marks every 45 degrees on the rim; they do not turn with the card.
  c.Pen.color = clr::Red;
  c.Pen.width = 1;
  for (int i = 0; i <= 7; ++i) {
    const QPoint from = DialPoint(cx, cy, R, 45 * i - 3);
    const QPoint tip = DialPoint(cx, cy, R - s.CardTickLengthLong, 45 * i);
    const QPoint to = DialPoint(cx, cy, R, 45 * i + 3);
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
