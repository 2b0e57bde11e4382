// The airspeed indicator and the turn coordinator of the classic panel.
#include <algorithm>
#include <cmath>
#include <utility>

#include "instruments/gaugegeometry.h"
#include "instruments/gauges.h"
#include "instruments/textfit.h"

namespace tvx {

using gauge::DialArc;
using gauge::DialFace;
using gauge::DialNeedle;
using gauge::DialPoint;
using gauge::DialRay;
using gauge::DialText;

double AirspeedDialAngle(double kt) { return (kt - 40.0) / 10.0 * 22.0 + 30.0; }

double StandardRateBank(double kt) {
  // 349093.7756669 = 1852 x pi x 60, 127137600 = 3600 x 60 x 9.81 x 60.
  return std::atan(kt * 349093.7756669 / 127137600.0) * 180.0 / M_PI;
}

double TurnCoordinatorTilt(double kt, double bank) {
  const double standardRate = StandardRateBank(kt);
  const double k = standardRate == 0 ? 0.0 : bank / standardRate;
  return 20.0 * k;
}

void DrawAirspeedDial(Canvas& c, const SimState& s) {
  const int cx = s.AsiCentreX, cy = s.AsiCentreY, R = s.InstrumentRadius;
  DialFace(c, cx, cy, R);

  c.Pen.color = clr::White;
  c.Pen.width = 1;
  for (int i = 0; i <= 12; ++i) DialRay(c, cx, cy, R - 1, R - s.TickLengthLong, 30 + 22 * i);
  for (int i = 0; i <= 12; ++i) DialRay(c, cx, cy, R - 1, R - s.TickLengthShort, 41 + 22 * i);

  c.Font.color = clr::White;
  c.Font.size = 11;
  // A figure stands where designed unless a tick would touch it there (on
  // small dials the three-digit figures reach the ticks right of them); then
  // it moves toward the centre until a pixel stays clear between them.
  const auto touchesATick = [&](const QRect& ink) {
    for (int i = 0; i <= 12; ++i)
      for (const auto& [angle, inner] : {std::pair{30 + 22 * i, s.TickLengthLong}, {41 + 22 * i, s.TickLengthShort}})
        if (LineMeetsInk(DialPoint(cx, cy, R - 1, angle), DialPoint(cx, cy, R - inner, angle), 1, ink)) return true;
    return false;
  };
  const int figureRadius = R - s.TickLengthLong - 11;
  for (int i = 0; i <= 6; ++i) {
    const QString figure = QString::number(40 + 20 * i);
    const QRect ink = TextInk(c.Font, figure);
    const double angle = 30 + 44 * i;
    double r = figureRadius;
    while (r > figureRadius / 2.0 && touchesATick(ink.translated(DialPoint(cx, cy, r, angle) - QPoint(6, 7)))) --r;
    DialText(c, cx, cy, r, angle, 6, 7, figure);
  }

  // The speed arcs: outer ring white below the green, inner ring the flap range.
  const double a44 = AirspeedDialAngle(44), a50 = AirspeedDialAngle(50), a103 = AirspeedDialAngle(103);
  const double a126 = AirspeedDialAngle(126), a160 = AirspeedDialAngle(160);
  struct Band {
    int width;
    TColor color;
    int inset;
    double from, to;
  };
  const Band bands[] = {
      {5, clr::White, 2, a50, a44},   {5, clr::Lime, 2, a126, a50},  {5, clr::Yellow, 2, a160, a126},
      {3, clr::Lime, 4, a126, a103},  {3, clr::White, 4, a103, a44}, {3, clr::Yellow, 4, a160, a126},
  };
  for (const Band& b : bands) {
    c.Pen.width = b.width;
    c.Pen.color = b.color;
    DialArc(c, cx, cy, R - b.inset, b.from, b.to);
  }

  c.Pen.width = 6;
  c.Pen.color = clr::Red;
  DialRay(c, cx, cy, R - 1, R - s.TickLengthLong, a160);
  c.Pen.color = clr::White;
  c.Pen.width = 1;
}

void DrawAirspeedNeedle(Canvas& c, const SimState& s) {
  const double v = std::min(s.Airspeed, 180.0);
  c.Pen.width = 5;
  DialNeedle(c, s.AsiCentreX, s.AsiCentreY, s.InstrumentRadius - s.TickLengthLong - 5, AirspeedDialAngle(v));
  c.Pen.width = 1;
}

void DrawTurnCoordinatorDial(Canvas& c, const SimState& s) {
  const int cx = s.TurnCoordinatorCentreX, cy = s.TurnCoordinatorCentreY, R = s.InstrumentRadius;
  DialFace(c, cx, cy, R);
  c.Pen.color = clr::White;
  c.Pen.width = 2;
  // Wings level at 90 and 270, standard rate 20 degrees below.
  for (double a : {90.0, 270.0, 110.0, 250.0}) DialRay(c, cx, cy, R, R - s.TickLengthLong, a);
  c.Pen.width = 1;
  c.Font.color = clr::White;
  DialText(c, cx, cy, R - s.TickLengthLong, 120, 5, 0, "R");
  DialText(c, cx, cy, R - s.TickLengthLong, 240, 5, 0, "L");
}

void DrawTurnCoordinatorAircraft(Canvas& c, const SimState& s) {
  const int cx = s.TurnCoordinatorCentreX, cy = s.TurnCoordinatorCentreY;
  const double tilt = TurnCoordinatorTilt(s.Airspeed, s.BankAngle);
  gauge::SetSolidBrush(c, clr::White);
  c.Ellipse(cx - 8, cy - 8, cx + 8, cy + 8);
  c.Brush.color = clr::Black;
  c.Pen.width = 2;
  const int r = s.InstrumentRadius - s.TickLengthLong - 5;
  DialNeedle(c, cx, cy, r, tilt - 90);
  DialNeedle(c, cx, cy, r / 3, tilt);
  DialNeedle(c, cx, cy, r, tilt + 90);
  c.Pen.width = 1;
}

}  // namespace tvx
