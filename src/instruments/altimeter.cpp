// The altimeter and the vertical-speed indicator of the classic panel.
#include <algorithm>

#include "instruments/gaugegeometry.h"
#include "instruments/gauges.h"

namespace tvx {

using gauge::DialFace;
using gauge::DialNeedle;
using gauge::DialRay;
using gauge::DialText;

double AltimeterThousandsAngle(double altitude) { return altitude / 1000.0 * 36.0; }

double AltimeterHundredsAngle(double altitude) {
  // Taking away whole thousands does not change the direction of the hand.
  const double thousands = RoundPixel(altitude / 1000.0);
  return (altitude - 1000.0 * thousands) / 100.0 * 36.0;
}

double VsiDialAngle(double feetPerMinute) { return feetPerMinute / 100.0 * 8.5 - 90.0; }

void DrawAltimeterDial(Canvas& c, const SimState& s) {
  const int cx = s.AltimeterCentreX, cy = s.AltimeterCentreY, R = s.InstrumentRadius;
  DialFace(c, cx, cy, R);
  c.Pen.color = clr::White;
  c.Pen.width = 1;
  for (int i = 1; i <= 10; ++i) DialRay(c, cx, cy, R, R - s.TickLengthLong, 36 * i);
  for (int i = 1; i <= 50; ++i) DialRay(c, cx, cy, R, R - s.TickLengthShort, 7.2 * i);
  c.Font.color = clr::White;
  c.Font.size = 11;
  for (int i = 0; i <= 9; ++i) DialText(c, cx, cy, R - s.TickLengthLong - 11, 36 * i, 2, 7, QString::number(i));
}

void DrawAltimeterHands(Canvas& c, const SimState& s) {
  const int cx = s.AltimeterCentreX, cy = s.AltimeterCentreY;
  c.Pen.color = clr::White;
  c.Pen.width = 5;
  const int r = s.InstrumentRadius - s.TickLengthLong - 5;
  DialNeedle(c, cx, cy, 2 * r / 3, AltimeterThousandsAngle(s.Altitude));
  DialNeedle(c, cx, cy, r, AltimeterHundredsAngle(s.Altitude));
  c.Pen.width = 1;
}

void DrawVSIDial(Canvas& c, const SimState& s) {
  const int cx = s.VsiCentreX, cy = s.VsiCentreY, R = s.InstrumentRadius;
  DialFace(c, cx, cy, R);
  c.Pen.color = clr::White;
  for (int i = 0; i <= 8; ++i) DialRay(c, cx, cy, R, R - s.TickLengthLong, 100 + 42.5 * i);
  for (int i = 1; i <= 40; ++i) DialRay(c, cx, cy, R, R - s.TickLengthShort, 100 + 8.5 * i);
  c.Font.color = clr::White;
  c.Font.size = 11;
  // Hundreds of ft/min without sign, from -2000 at the bottom to +2000 at the top.
  static const char* const kFigures[] = {"20", "15", "10", "5", "0", "5", "10", "15", "20"};
  for (int i = 0; i <= 8; ++i) DialText(c, cx, cy, R - s.TickLengthLong - 11, 100 + 42.5 * i, 6, 7, kFigures[i]);
}

void DrawVSINeedle(Canvas& c, const SimState& s) {
  const double w = std::clamp(static_cast<double>(RoundPixel(s.VerticalSpeed)), -2000.0, 2000.0);
  c.Pen.color = clr::White;
  c.Pen.width = 5;
  DialNeedle(c, s.VsiCentreX, s.VsiCentreY, s.InstrumentRadius - s.TickLengthLong - 5, VsiDialAngle(w));
  c.Pen.width = 1;
}

}  // namespace tvx
