// The engine gauges: the piston RPM dial, the jet's two N1 dials, and the
// joystick thrust lever's marker and texts.
#include <algorithm>
#include <cmath>

#include "instruments/gaugegeometry.h"
#include "instruments/gauges.h"
#include "instruments/layout.h"
#include "instruments/textfit.h"
#include "simulator/aircrafttype.h"

namespace tvx {

using gauge::DialArc;
using gauge::DialFace;
using gauge::DialNeedle;
using gauge::DialRay;
using gauge::DialText;

namespace {

const QString kKeyHint = "[ / *  - + ]";

// The N1 value box: right of and above the dial's centre, its far corner
// this far inside the face at least.
constexpr double kValueBoxWidth = 65, kValueBoxTop = 50, kValueBoxBottom = 20;
constexpr int kValueBoxInside = 3;

// The smallest N1 dial whose figures keep their full size.
constexpr double kN1DialFullFigures = 80;

// The N1 dials' radius as a share of the cell. In the tall arrangement, 1.3
// cells apart, at least the smaller share, so that the figures keep room,
// and at most the larger, so that the two dials never meet; in the wide
// one, 1.75 cells apart, at most its own share.
constexpr double kTallN1DialLeast = 0.55;
constexpr double kTallN1DialMost = 0.64;
constexpr double kWideN1DialMost = 0.87;

// A difference beyond the limit; a difference equal to it (up to the
// rounding of the subtraction) is none.
bool Exceeds(double a, double b, double limit) { return std::abs(a - b) > limit + 1e-9; }

// The radius the RPM dial's figures stand on, this far inside its long
// ticks, and that radius on the cells where the texts around the dial keep
// their designed places.
constexpr int kRpmFigureInset = 11;
constexpr int RpmFigureRadius(int instrumentRadius, int longTick) {
  return instrumentRadius - longTick - kRpmFigureInset;
}
int RpmFigureRadius(const SimState& s) { return RpmFigureRadius(s.InstrumentRadius, s.TickLengthLong); }
constexpr double kFullSizeRpmFigureRadius =
    RpmFigureRadius(InstrumentRadiusOf(kFullSizeCell), TickLengthsOf(InstrumentRadiusOf(kFullSizeCell)).Long);

// The joystick's thrust lever: its marker on the dial while stopped, and
// whether the stick's power is in use.
void DrawThrustLeverStatus(Canvas& c, const SimState& s, const GaugeInputs& in, int cx, int cy) {
  if (s.JoystickLeverRpm == 0) return;  // the throttle has not been moved yet
  const bool jet = IsJet(s.AircraftType);
  const int U = s.CellSize;
  const auto angleOf = [jet](double power) { return jet ? N1DialAngle(power) : RpmDialAngle(power); };

  if (in.Stopped) {
    c.Pen.width = 5;
    if (in.JoystickThrust) {
      c.Pen.color = clr::Lime;
      DialNeedle(c, cx, cy, s.InstrumentRadius - s.TickLengthLong - 5 - 40, angleOf(s.PresetPower));
    } else {
      c.Pen.color = clr::Fuchsia;
      DialNeedle(c, cx, cy, s.InstrumentRadius - s.TickLengthLong - 5 - 40,
                 angleOf(jet ? s.JoystickLeverN1 : s.JoystickLeverRpm));
    }
  }

  // The texts keep their places on the panel's cells, shrinking with them,
  // and stay inside the chart. On the piston panels they stand on the RPM
  // dial, under its figures, so they follow the figures' ring.
  const double k = jet ? ChartTextScale(U) : std::min(ChartTextScale(U), RpmFigureRadius(s) / kFullSizeRpmFigureRadius);
  const auto scaled = [k](int offset) { return RoundPixel(offset * k); };
  const int right = in.Chart3Width - s.CellFrameMargin;
  c.Font.size = ScaledFontSize(12, k);
  const int px = s.AircraftType == "SEP EFIS" ? 3 * U - scaled(60) : U - scaled(60);
  const int py = s.AircraftType == "SEP EFIS" ? 2 * U - scaled(60) : 6 * U - scaled(60);
  // Smaller where the chart's edge leaves less room; where even that does
  // not fit, broken in two, the first line a line higher.
  const auto write = [&](int x, int y, const QString& text) {
    const int size = c.Font.size;
    c.Font.size = FittingFontSize(c, text, size, right - x);
    if (c.TextWidth(text) <= right - x) {
      c.TextOut(x, y, text);
    } else {
      const QString words = text.trimmed();
      qsizetype middle = words.indexOf(' ', words.size() / 2);
      if (middle < 0) middle = words.lastIndexOf(' ');
      const QString first = words.left(middle), second = words.mid(middle + 1);
      c.TextOut(FitLeft(x, c.TextWidth(first), s.CellFrameMargin, right), y - c.TextHeight(first), first);
      c.TextOut(FitLeft(x, c.TextWidth(second), s.CellFrameMargin, right), y, second);
    }
    c.Font.size = size;
  };
  if (in.Stopped) {
    const bool mismatch =
        jet ? Exceeds(s.JoystickLeverN1, in.JoystickThrust ? s.PresetPower : s.DisplayedN1, 0.7)
            : Exceeds(s.JoystickLeverRpm, in.JoystickThrust ? s.PresetPower : s.DisplayedRpm, 15);
    if (mismatch) {
      c.Font.color = clr::Fuchsia;
      if (jet) write(3 * U - scaled(70), scaled(15), " Adjust Joystick Thrust Lever! ");
      else write(px - scaled(20), py - scaled(40), " Adjust Joystick Thrust Lever! ");
    }
  }
  c.Font.color = in.JoystickThrust ? clr::Lime : clr::Red;
  const QString status = in.JoystickThrust ? " Joystick Thrust ON " : " Joystick Thrust OFF ";
  if (jet) write(3 * U - scaled(50), 2 * U - scaled(30), status);
  else write(px, py, status);
}

bool EngineFailed(const SimState& s, int engine) {
  const bool failure = s.FailureCode == "Failure" || s.FailureCode == "Damage" || s.FailureCode == "Fire";
  return failure && s.FailurePhase == 2 && s.FailedEngine == engine;
}

void DrawJetEngineGauges(Canvas& c, const SimState& s, const GaugeInputs& in) {
  const int U = s.CellSize;
  const JetEngineDials dials = JetEngineDialPlaces(in.Client, U, s.InstrumentRadius);
  const int rj = dials.Radius;
  const int cy = s.EngineCentreY;
  for (int engine = 1; engine <= 2; ++engine) {
    const int cx = engine == 1 ? dials.Engine1X : dials.Engine2X;
    c.Font.color = clr::White;
    DialFace(c, cx, cy, rj);

    c.Pen.color = clr::White;
    c.Pen.width = 2;
    for (int i = 0; i <= 10; ++i) {
      if (i == 10) c.Pen.color = clr::Red;  // 100 %
      DialRay(c, cx, cy, rj, rj - s.TickLengthLong, 90 + 20 * i);
    }
    // On a dial too small for them the figures shrink, and stand nearer
    // the ticks, with it.
    const double k = std::min(1.0, double(rj) / kN1DialFullFigures);
    const int figureInset = RoundPixel(14 * k);
    c.Font.size = ScaledFontSize(14, k);
    for (int i = 0; i <= 5; ++i)
      DialText(c, cx, cy, rj - s.TickLengthLong - figureInset, 90 + 40 * i, RoundPixel(6 * k), RoundPixel(17 * k),
               QString::number(2 * i));

    DrawThrustLeverStatus(c, s, in, cx, cy);

    c.Font.size = 16;
    c.Font.color = clr::Yellow;
    c.Pen.width = 1;
    double value = s.DisplayedN1;
    if (EngineFailed(s, engine)) {
      // A failed engine windmills while the aircraft moves.
      value = s.FailureCode == "Failure" && s.Airspeed > 20 ? 10 : 0;
      // Under the centre where the figures leave it room, else above the face.
      const QString failed = "ENG FAIL";
      const int width = c.TextWidth(failed), height = c.TextHeight(failed);
      const int figures = rj - s.TickLengthLong - 2 * figureInset;
      if (std::hypot(std::max(50, width - 50), 10 + height) <= figures) c.TextOut(cx - 50, cy + 10, failed);
      else c.TextOut(cx - width / 2, cy - rj - 2 - height, failed);
    }
    c.Pen.color = clr::White;
    c.Pen.width = 5;
    DialNeedle(c, cx, cy, rj - s.TickLengthLong - 5, N1DialAngle(value));

    // The value box, filled black with its white edges, and the value on
    // it, which leaves the edges whole; on a dial too small for it, the box
    // and its text shrink to keep its far corner on the face.
    const double b = std::min(1.0, (rj - kValueBoxInside) / std::hypot(kValueBoxWidth, kValueBoxTop));
    const int boxRight = cx + RoundPixel(kValueBoxWidth * b), boxTop = cy - RoundPixel(kValueBoxTop * b),
              boxBottom = cy - RoundPixel(kValueBoxBottom * b), textLeft = cx + RoundPixel(4 * b);
    const QString shown = FormatFixed(value, 5, 1);
    c.Font.color = clr::White;
    c.Pen.color = clr::White;
    c.Pen.width = 1;
    gauge::SetSolidBrush(c, clr::Black);
    c.Rectangle(cx, boxTop, boxRight, boxBottom);
    c.Font.size = ScaledFontSize(16, b);
    c.Brush.style = BrushStyle::Clear;
    c.TextOut(textLeft, boxTop + RoundPixel(5 * b), shown);
    c.Brush.style = BrushStyle::Solid;
  }
  // The key hint keeps its place on the cells, shrinking with them.
  const double k = ChartTextScale(U);
  c.Font.size = ScaledFontSize(12, k);
  c.Font.color = clr::Black;
  gauge::SetSolidBrush(c, clr::GrayText);
  c.TextOut(3 * U - RoundPixel(10 * k), cy + U - RoundPixel(40 * k), kKeyHint);
}

}  // namespace

double RpmDialAngle(double rpm) { return (rpm - 500.0) / 100.0 * 9.0 + 240.0; }

double N1DialAngle(double n1) { return n1 / 10.0 * 20.0 + 90.0; }

JetEngineDials JetEngineDialPlaces(const QSize& client, int cellSize, int instrumentRadius) {
  // The radius follows the cells, so that the two dials, 1.3 or 1.75 cells
  // apart, never meet, and a dial on small cells keeps room for its figures.
  if (client.width() <= kWideClientWidth && client.height() >= kLowClientHeight)
    return {std::clamp(instrumentRadius - 50, RoundPixel(kTallN1DialLeast * cellSize),
                       RoundPixel(kTallN1DialMost * cellSize)),
            RoundPixel(1.9 * cellSize), RoundPixel(3.2 * cellSize)};
  return {std::min(instrumentRadius - 20, RoundPixel(kWideN1DialMost * cellSize)), RoundPixel(2.25 * cellSize),
          RoundPixel(4.0 * cellSize)};
}

void DrawRPMDial(Canvas& c, const SimState& s) {
  if (!IsPiston(s.AircraftType)) return;
  const int cx = s.EngineCentreX, cy = s.EngineCentreY, R = s.InstrumentRadius;
  DialFace(c, cx, cy, R);
  c.Pen.color = clr::White;
  c.Pen.width = 1;
  for (int i = 0; i <= 5; ++i) DialRay(c, cx, cy, R, R - s.TickLengthLong, 240 + 45 * i);
  for (int i = 0; i <= 23; ++i) DialRay(c, cx, cy, R, R - s.TickLengthShort, 249 + 9 * i);
  c.Font.color = clr::White;
  c.Font.size = 11;
  for (int i = 0; i <= 5; ++i) DialText(c, cx, cy, RpmFigureRadius(s), 240 + 45 * i, 6, 7, QString::number(5 * i + 5));

  // The key hint keeps its place on the cells, shrinking with them, inside
  // the chart, four cells wide on the piston panels.
  const double k = ChartTextScale(s.CellSize);
  const int size = c.Font.size;
  c.Font.size = ScaledFontSize(size, k);
  c.Font.color = clr::Black;
  gauge::SetSolidBrush(c, clr::GrayText);
  c.TextOut(FitLeft(cx + RoundPixel(60 * k), c.TextWidth(kKeyHint), 0, 4 * s.CellSize - s.CellFrameMargin),
            cy + s.CellSize - RoundPixel(25 * k), kKeyHint);
  c.Font.size = size;

  // Green from 1000 to 2750 RPM through 12 o'clock, red at 2750.
  c.Pen.width = 4;
  c.Pen.color = clr::Lime;
  DialArc(c, cx, cy, R - 2, 442.5, 645);
  c.Pen.color = clr::Red;
  DialRay(c, cx, cy, R - 1, R - s.TickLengthLong, 442.5);
  c.Pen.color = clr::White;
  c.Pen.width = 1;
}

void DrawEngineInstruments(Canvas& c, const SimState& s, const GaugeInputs& in) {
  if (IsJet(s.AircraftType)) {
    DrawJetEngineGauges(c, s, in);
    return;
  }
  DrawThrustLeverStatus(c, s, in, s.EngineCentreX, s.EngineCentreY);
  c.Pen.color = clr::White;
  c.Pen.width = 5;
  DialNeedle(c, s.EngineCentreX, s.EngineCentreY, s.InstrumentRadius - s.TickLengthLong - 5, RpmDialAngle(s.DisplayedRpm));
}

}  // namespace tvx
