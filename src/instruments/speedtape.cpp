// The glass speed tape of "SEP EFIS" and the jet, with the data box and the
// wind below it.
#include <algorithm>
#include <cmath>

#include "instruments/gaugegeometry.h"
#include "instruments/gauges.h"
#include "instruments/textfit.h"
#include "platform/textutil.h"
#include "simulator/aircrafttype.h"

namespace tvx {

namespace {

struct TapeScale {
  double lowest, highest;  // clamp of the shown speed
  double tickSpacing;      // pixels per 5 kt
  double knotsPerTape;     // knots over 3 cells
};

TapeScale ScaleOf(const SimState& s) {
  const double U = s.CellSize;
  // A real spacing: a whole number of pixels would drift by 9 px at 180 kt.
  if (IsPiston(s.AircraftType)) return {30, 180, 3 * U / 12.0, 60};
  return {0, 500, 3 * U / 24.0, 120};
}

double ShownSpeed(const SimState& s) {
  const TapeScale scale = ScaleOf(s);
  return std::clamp(s.DisplayedAirspeed, scale.lowest, scale.highest);
}

int ReferenceRow(const SimState& s) { return 3 * s.CellSize / 2; }

using gauge::SetPen;
using gauge::SetSolidBrush;

void HorizontalLine(Canvas& c, int x1, int x2, int y) { gauge::Line(c, x1, y, x2, y); }

// Coloured bands of the piston scale; the white flap band lies over the lime one.
void DrawPistonBands(Canvas& c, const SimState& s) {
  const int U = s.CellSize;
  const struct {
    double from, to;
    int width;
    TColor color;
  } bands[] = {{50, 126, 14, clr::Lime}, {44, 103, 7, clr::White}, {126, 160, 14, clr::Yellow}, {160, 200, 14, clr::Red}};
  c.Pen.width = 1;
  for (const auto& b : bands) {
    c.Pen.color = b.color;
    SetSolidBrush(c, b.color);
    c.Rectangle(U - b.width, SpeedTapeY(s, b.to), U, SpeedTapeY(s, b.from));
  }
}

void DrawJetMarks(Canvas& c, const SimState& s, const GaugeInputs& in) {
  const int U = s.CellSize;
  SetPen(c, clr::Red, 1);
  SetSolidBrush(c, clr::Red);
  c.Rectangle(U - 14, SpeedTapeY(s, 600), U, SpeedTapeY(s, JetSpeedLimit(s.Altitude, s.DensityRatio)));

  // The marks' words shrink with the cells, as the knots between them do.
  const double k = ChartTextScale(U);
  c.Font.size = ScaledFontSize(12, k);
  c.Font.color = clr::Lime;
  c.Pen.color = clr::Lime;
  SetSolidBrush(c, clr::GrayText);
  const auto mark = [&](double kt, int lineEnd, int textX, const QString& text) {
    const int y = SpeedTapeY(s, kt);
    HorizontalLine(c, U - 1, lineEnd, y);
    c.TextOut(textX, y - RoundPixel(8 * k), text);
  };
  if (s.SpeedBugPhase == "TO") {
    mark(204, U - 20, U - 40, in.FlapLabels[0]);
    mark(184, U - 20, U - 40, in.FlapLabels[1]);
    mark(135, U - 20, U - 40, "R");
    mark(129, U - 25, U - 45, "V1");
    SetPen(c, clr::White, 5);
    HorizontalLine(c, U - 1, U - 21, SpeedTapeY(s, 158));
  } else {
    mark(204, U - 20, U - 40, in.FlapLabels[0]);
    mark(184, U - 20, U - 40, in.FlapLabels[1]);
    mark(164, U - 20, U - 40, in.FlapLabels[2]);
    mark(154, U - 20, U - 40, in.FlapLabels[3]);
    if (s.OneEngineOut) mark(149, U - 20, U - 45, "REF");
    else mark(134, U - 11, U - 45, "REF");
  }
  SetPen(c, clr::Fuchsia, 5);
  HorizontalLine(c, U - 2, U - 21, SpeedTapeY(s, s.SpeedBug));
  c.Pen.width = 1;
}

void DrawTicks(Canvas& c, const SimState& s) {
  const int U = s.CellSize;
  const bool piston = IsPiston(s.AircraftType);
  c.Pen.color = clr::White;
  c.Font.size = 14;
  c.Font.color = clr::White;
  SetSolidBrush(c, clr::GrayText);
  const int last = piston ? 40 : 100;
  for (int i = 0; i <= last; ++i) {
    const int y = SpeedTapeY(s, 5 * i);
    c.MoveTo(U, y);
    const bool figure = piston ? i % 2 == 0 : i % 4 == 0;
    const bool line = piston || i % 2 == 0;
    if (!line) continue;
    c.LineTo(figure || !piston ? U - 40 : U - 20, y);
    if (figure) c.TextOut(U - 80, y - 10, QString::number(5 * i));
  }
}

QString WindText(int direction, int speed) {
  const QString pad = direction < 10 ? "00" : direction < 100 ? "0" : "";
  return pad + QString::number(direction) + " / " + QString::number(speed);
}

void DrawWind(Canvas& c, const SimState& s) {
  const int U = s.CellSize;
  c.Pen.color = clr::Green;
  c.Font.color = clr::Green;
  c.Font.size = 14;
  c.TextOut(8, 3 * U + 165, WindText(s.WindDirection, s.WindSpeed));

  // The shaft runs from the side the wind comes from to the side it blows to.
  const double yw = 3 * U + 135;
  const double a = (s.WindDirection - s.Heading) * M_PI / 180.0;
  const double head = std::sqrt(10.0 * 10.0 + 15.0 * 15.0);
  const double L = 1.5 * head;
  const double endX = 40 - L * std::sin(a), endY = yw + L * std::cos(a);
  c.MoveTo(RoundPixel(40 + L * std::sin(a)), RoundPixel(yw - L * std::cos(a)));
  c.LineTo(RoundPixel(endX), RoundPixel(endY));
  const double b = std::atan(10.0 / 15.0);
  for (const double side : {a - b, a + b}) {
    c.MoveTo(RoundPixel(endX), RoundPixel(endY));
    c.LineTo(RoundPixel(endX + head * std::sin(side)), RoundPixel(endY - head * std::cos(side)));
  }
}

}  // namespace

void FilterTapeAirspeed(SimState& s) {
  // While the airspeed changes between refreshes, the tape takes it on every second one.
  if (std::abs(s.PreviousTapeAirspeed - s.DisplayedAirspeed) >= 0.01) s.DisplayedAirspeed = s.Airspeed;
  s.PreviousTapeAirspeed = s.Airspeed;
  if (IsJet(s.AircraftType) && s.FailureCode == "UNRELIABLE" && s.FailurePhase == 2) {
    if (s.FailureVariant == 0) s.DisplayedAirspeed -= s.UnreliableSpeedError;
    else s.DisplayedAirspeed += s.UnreliableSpeedError;
  }
  s.DisplayedAirspeed = ShownSpeed(s);
}

double JetSpeedLimit(double altitude, double densityRatio) {
  double kelvin = 288.0 - 2.0 * altitude / 1000.0;
  if (15.0 - 2.0 * altitude / 1000.0 < -56.5) kelvin = 216.5;
  return std::min(31.98 * std::sqrt(kelvin * densityRatio), 340.0);
}

int SpeedTapeY(const SimState& s, double kt) {
  const TapeScale scale = ScaleOf(s);
  const double U = s.CellSize;
  return RoundPixel(ReferenceRow(s) + ShownSpeed(s) * 3 * U / scale.knotsPerTape - kt * scale.tickSpacing / 5.0);
}

void DrawEFISSpeedTape(Canvas& c, const SimState& s, const GaugeInputs& in) {
  const int U = s.CellSize;
  const int yc = ReferenceRow(s);
  const bool piston = IsPiston(s.AircraftType);

  if (piston) DrawPistonBands(c, s);
  else DrawJetMarks(c, s, in);
  DrawTicks(c, s);

  if (s.AutopilotEngaged) {
    SetPen(c, clr::Fuchsia, 4);
    HorizontalLine(c, U, U - 25, SpeedTapeY(s, s.SelectedSpeed));
  }

  if (!piston) {
    // The speed to be gained in the next 10 s.
    const int trend = RoundPixel(s.Acceleration * 10 * 3600 / 1852);
    SetPen(c, clr::Lime, 1);
    SetSolidBrush(c, clr::Lime);
    c.Rectangle(U - 2, yc, U - 6, RoundPixel(yc - trend * ScaleOf(s).tickSpacing / 5.0));
  }

  SetPen(c, clr::Black, 2);
  HorizontalLine(c, s.CellFrameMargin, U - s.CellFrameMargin, yc);
  // The read-out's box shrinks with the cells, as the tape's scale does, so
  // that the marks near the shown speed pass it clear.
  const double k = ChartTextScale(U);
  c.Font.size = ScaledFontSize(18, k);
  c.Font.color = clr::White;
  SetSolidBrush(c, clr::Black);
  c.TextOut(U - 80, yc - RoundPixel(15 * k), QString::number(RoundPixel(ShownSpeed(s))));

  // The tape fills the upper three cells; the chart is one cell wide.
  SetPen(c, clr::White, 2);
  c.MoveTo(0, 0);
  c.LineTo(2 * U, 0);
  c.LineTo(2 * U, 3 * U);
  c.LineTo(0, 3 * U);
  c.LineTo(0, 0);

  c.Font.size = 14;
  c.Font.color = clr::White;
  c.Pen.color = clr::Black;
  SetSolidBrush(c, clr::Black);
  c.Rectangle(4, 3 * U, U, 6 * U);
  if (!piston && s.Altitude > 1000) c.TextOut(4, 3 * U + 5, FormatFixed(s.MachNumber, 5, 3));
  c.TextOut(4, 3 * U + 35, "TAS " + FormatFixed(s.TrueAirspeed, 3, 0));
  c.TextOut(4, 3 * U + 65, "GS " + FormatFixed(s.GroundSpeed, 3, 0));

  DrawWind(c, s);
}

}  // namespace tvx
