#include "instruments/attitude.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "instruments/dial.h"
#include "instruments/layout.h"
#include "instruments/textfit.h"
#include "simulator/aircrafttype.h"
#include "platform/textutil.h"

namespace tvx {

namespace {
constexpr double kDegToRad = M_PI / 180.0;
}

int AdiPixelsPerDegreeFor(const QString& type) { return IsRoundDialPanel(type) ? 4 : 7; }

int AdiPitchShift(double pitch, double bank, double ppd) {
  // Near a vertical bank the shift would run off to infinity; keep it finite.
  double c = std::cos(bank * kDegToRad);
  if (std::abs(c) < 1e-3) c = c < 0 ? -1e-3 : 1e-3;
  return RoundPixel(pitch * ppd / c);
}

TColor AdiBackgroundColour(double pitch) { return pitch >= 0 ? clr::Blue : clr::Maroon; }

QVector<LadderMark> VisibleLadderMarks(const QString& type, double pitch) {
  const bool sep = IsRoundDialPanel(type);
  const bool jet = IsJet(type);
  const int L1 = jet ? 52 : 35, L2 = jet ? 26 : 17, L3 = jet ? 13 : 6;
  // The glass panels show every mark below the horizon at any pitch.
  const bool lowerAlways = !sep;
  struct Row {
    double p;
    int L;
    bool label;
    bool shown;
  };
  const Row rows[] = {
      {10, L1, true, pitch > -7},
      {20, L1, false, pitch > 5},
      {2.5, L3, false, pitch > -15},
      {7.5, L3, false, pitch > -10},
      {12.5, L3, false, pitch > -5},
      {17.5, L3, false, pitch > 0},
      {5, L2, false, pitch > -12},
      {15, L2, false, pitch > -2},
      {-10, L1, true, lowerAlways || pitch < 5},
      {-2.5, L3, false, lowerAlways || pitch < 10},
      {-7.5, L3, false, lowerAlways || pitch < 5},
      {-12.5, L3, false, lowerAlways || pitch < 0},
      {-5, L2, false, lowerAlways || pitch < 10},
      {-15, L2, false, lowerAlways || pitch < 0},
  };
  QVector<LadderMark> marks;
  for (const Row& r : rows)
    if (r.shown) marks.append({r.p, r.L, r.label});
  return marks;
}

QVector<BankMark> BankScaleMarks(bool roundDial, int Rb) {
  QVector<BankMark> marks;
  for (int a : {-20, -10, 0, 10, 20}) marks.append({a, Rb - 14, Rb, 1});
  for (int a : {-45, 0, 45}) marks.append({a, Rb - 14, Rb, 1});
  for (int a : {-90, -60, -30, 0, 30, 60, 90}) marks.append({a, Rb - 14, roundDial ? Rb : Rb + 14, 2});
  return marks;
}

namespace {

// Whether a ladder figure covering `ink` (pixels about the dial's centre)
// lies inside the round dial's bezel ring and clear of the bank scale's marks.
bool FigureClear(const QRect& ink, bool roundDial, int instrumentRadius, int bankScaleRadius,
                 const QVector<BankMark>& marks) {
  // The ink's pixels reach to the far edges of its last row and column.
  const QRectF area = QRectF(ink);
  double far = 0;
  for (const QPointF p : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
    far = std::max(far, std::hypot(p.x(), p.y()));
  if (roundDial && far > instrumentRadius - 14 - 1) return false;
  // The marks start 14 px inside the scale; a pen's half width and a pixel
  // more keep them off the ink.
  if (far < bankScaleRadius - 14 - 2) return true;
  for (const BankMark& m : marks) {
    const double a = m.Angle * kDegToRad;
    const QPointF along(std::sin(a), -std::cos(a));
    if (LineMeetsInk(along * m.Inner, along * m.Outer, m.Width, ink)) return false;
  }
  return true;
}

}  // namespace

int BankScaleRadius(const QString& type, int instrumentRadius, const AdiView& v) {
  if (IsRoundDialPanel(type)) return instrumentRadius;
  return v.Width / 2 - (v.ClientWidth <= kWideClientWidth ? 20 : 60);
}

int LadderScale::HalfLength(int designed) const { return RoundPixel(designed * Scale); }

LadderScale LadderScaleFor(const QString& type, int instrumentRadius, const AdiView& v) {
  const bool sep = IsRoundDialPanel(type);
  const bool fonts = qGuiApp != nullptr;
  // The ladder holds for the chart's size (and the fonts measured): found
  // once for it, since the tick asks for it at every step.
  struct Found {
    QString Type;
    int R = -1, Width = -1, Height = -1, ClientWidth = -1, Zoom = -1;
    bool Fonts = false;
    LadderScale Ladder;
  };
  thread_local Found found;
  if (found.Type == type && found.R == instrumentRadius && found.Width == v.Width && found.Height == v.Height &&
      found.ClientWidth == v.ClientWidth && found.Zoom == v.Zoom && found.Fonts == fonts)
    return found.Ladder;

  const int L1 = IsJet(type) ? 52 : 35;
  const int designedSize = RoundPixel((sep ? 14 : 5) * v.Zoom / 100.0);
  const int designedLeft = L1 + (sep ? 30 : 35), designedRight = L1 + (sep ? 15 : 10);
  const int Rb = BankScaleRadius(type, instrumentRadius, v);
  const QVector<BankMark> marks = BankScaleMarks(sep, Rb);
  const QRect chart(-v.Width / 2, -v.Height / 2, v.Width, v.Height);  // about the dial's centre
  const auto ladderAt = [&](double scale) {
    LadderScale l;
    l.Scale = scale;
    l.PixelsPerDegree = AdiPixelsPerDegreeFor(type) * scale;
    l.FontSize = ScaledFontSize(designedSize, scale);
    l.Left = RoundPixel(designedLeft * scale);
    l.Right = RoundPixel(designedRight * scale);
    l.Lift = RoundPixel(11 * scale);
    return l;
  };
  // Whether every "10" stands whole with the wings level, the labelled marks
  // anywhere from 5 to 15 degrees above and below the centre.
  const auto holds = [&](const LadderScale& l) {
    FontState font;
    font.size = l.FontSize;
    const QRect ink = TextInk(font, "10");
    const int nearest = static_cast<int>(std::floor(5 * l.PixelsPerDegree));
    const int farthest = static_cast<int>(std::ceil(15 * l.PixelsPerDegree));
    for (int offset = nearest; offset <= farthest; ++offset)
      for (const int side : {-1, 1})
        for (const int x : {-l.Left, l.Right}) {
          const QRect at = ink.translated(x, side * offset - l.Lift);
          if (!chart.contains(at) || !FigureClear(at, sep, instrumentRadius, Rb, marks)) return false;
        }
    return true;
  };
  LadderScale ladder = ladderAt(1);
  if (v.Width > 0 && v.Height > 0 && instrumentRadius > 0)
    for (int percent = 99; percent >= 30 && !holds(ladder); --percent) ladder = ladderAt(percent / 100.0);
  found = {type, instrumentRadius, v.Width, v.Height, v.ClientWidth, v.Zoom, fonts, ladder};
  return ladder;
}

bool TcasBandShown(const SimState& s) { return s.FailureCode == "TCAS" && s.FailurePhase == 3; }

TcasBand TcasBandFor(const QString& advisory, double airspeed) {
  double base = 0;
  if (advisory == "descend2") base = 1.5;
  else if (advisory == "climb2") base = 8.9;
  else if (advisory == "level2") base = 5.2;
  TcasBand band;
  band.Upper = airspeed <= 250 ? base + (250 - airspeed) * 0.05 : base + (250 - airspeed) * 0.04;
  band.Lower = band.Upper - (advisory == "level2" ? 5 : 4);
  return band;
}

QString RadioHeightText(double altitude, int airportElevation) {
  const double h = altitude - airportElevation;
  if (!(h < 2500)) return {};
  int value = RoundPixel(h);
  if (value > 100) value = value / 10 * 10;
  return QString::number(value);
}

void RefreshAttitudeState(SimState& s, const AdiView& v) {
  s.AdiPixelsPerDegree = LadderScaleFor(s.AircraftType, s.InstrumentRadius, v).PixelsPerDegree;
  // The band's pitch ends each refresh at the band's lower edge.
  if (TcasBandShown(s)) s.TcasTargetPitch = TcasBandFor(s.TcasAdvisory, s.Airspeed).Lower;
}

BezelStroke AttitudeBezelStroke(int cx, int cy) {
  BezelStroke b;
  // The stroke reaches min(cx, cy) + Inset + Width / 2 from the centre; past a
  // cell of about 160 px that falls short of the corners. It widens outwards
  // only: the inset grows by half of what the width grows.
  const int corner = static_cast<int>(std::ceil(std::hypot(cx, cy))) + 1;
  const int reach = std::min(cx, cy) + b.Inset + b.Width / 2;
  const int extra = std::max(0, corner - reach);
  const int even = extra + extra % 2;
  b.Width += even;
  b.Inset += even / 2;
  return b;
}

void DrawAttitudeDisc(Canvas& c, const AdiView& v) {
  const PenState pen = c.Pen;
  const BrushState brush = c.Brush;
  const int cx = v.Width / 2;
  const int cy = v.Height / 2 + v.VertOffset;
  // Large enough to fill the dial ("SEP", zoom 85) or the whole chart (glass, zoom 300).
  int r = RoundPixel(std::min(v.Width, v.Height) / 2.0 * v.Zoom / 100.0);
  // On large cells the round dial's window inside the bezel's black ring
  // (14 px inside the instrument radius) outgrows the zoomed disc: there the
  // disc reaches 3 px under the ring, as it does on a full-HD window.
  if (v.Zoom < 100) r = std::max(r, InstrumentRadiusOf(std::min(v.Width, v.Height) / 2) - 11);
  const double a = v.Rotation * kDegToRad;
  // Far points along the boundary: its right end rises as the disc turns.
  const QPoint right(RoundPixel(cx + 4000 * std::cos(a)), RoundPixel(cy - 4000 * std::sin(a)));
  const QPoint left(RoundPixel(cx - 4000 * std::cos(a)), RoundPixel(cy + 4000 * std::sin(a)));
  c.Pen.style = PenStyle::Clear;
  c.Brush.style = BrushStyle::Solid;
  c.Brush.color = clr::Blue;  // "lucht", the sky
  c.Pie(cx - r, cy - r, cx + r, cy + r, right.x(), right.y(), left.x(), left.y());
  c.Brush.color = clr::Maroon;  // "grond", the ground
  c.Pie(cx - r, cy - r, cx + r, cy + r, left.x(), left.y(), right.x(), right.y());
  c.Pen = pen;
  c.Brush = brush;
}

namespace {

struct Ladder {
  double cx, cy;
  double ux, uy;  // along the horizon, right end rising for a right bank
  double nx, ny;  // across it, downward at wings level
  double pitch;
  double ppd;
  // Centre of the line of mark p.
  double MidX(double p) const { return cx + (pitch - p) * ppd * nx; }
  double MidY(double p) const { return cy + (pitch - p) * ppd * ny; }
  QPoint At(double p, double along) const {
    return QPoint(RoundPixel(MidX(p) + along * ux), RoundPixel(MidY(p) + along * uy));
  }
};

void DrawTcasOutline(Canvas& c, int cx, int edgeY, int yt) {
  c.Polyline({{cx - 100, edgeY}, {cx - 25, yt}, {cx + 25, yt}, {cx + 100, edgeY}});
}

}  // namespace

void DrawAttitudeOverlay(Canvas& c, const SimState& s, const AdiView& v) {
  const QString& type = s.AircraftType;
  const bool sep = IsRoundDialPanel(type);
  const bool jet = IsJet(type);
  const int cx = s.AdiCentreX, cy = s.AdiCentreY;
  const int R = s.InstrumentRadius;

  // 1. Sizes by type; the ladder as this chart holds it.
  const LadderScale scale = LadderScaleFor(type, R, v);
  const double ppd = scale.PixelsPerDegree;
  const int Rb = BankScaleRadius(type, R, v);
  c.Font.size = sep ? 14 : 5;
  // The overlay draws outlines and words over the disc, never filled boxes.
  c.Brush.style = BrushStyle::Clear;

  const double b = s.BankAngle * kDegToRad;
  const Ladder ladder{double(cx), double(cy), std::cos(b), -std::sin(b), std::sin(b), std::cos(b),
                      s.PitchAttitude, ppd};

  // 3. The glass horizon line.
  c.Pen.color = clr::White;
  c.Pen.width = 2;
  if (!sep) DrawLine(c, ladder.At(0, -400), ladder.At(0, 400));

  // 4. The ladder, each mark within its window; the figures turn with the
  //    horizon, at the font size scaled by the chart's zoom. What the pitch
  //    carries under the bezel and the bank scale, painted next, they cover.
  c.Pen.width = 1;
  c.Font.color = clr::White;
  const int labelAngle = RoundPixel(s.BankAngle);
  for (const LadderMark& m : VisibleLadderMarks(type, s.PitchAttitude)) {
    const int half = scale.HalfLength(m.HalfLength);
    DrawLine(c, ladder.At(m.Pitch, -half), ladder.At(m.Pitch, half));
    if (!m.Labelled) continue;
    const int size = c.Font.size;
    c.Font.size = scale.FontSize;
    for (const int along : {-scale.Left, scale.Right}) {
      const QPoint at = ladder.At(m.Pitch, along) - QPoint(0, scale.Lift);
      c.RotatedTextOut(at.x(), at.y(), labelAngle, "10");
    }
    c.Font.size = size;
  }

  // 5-6. The round bezel of "SEP" (grey beyond the dial, a black ring with
  //      white edges inside it) and the bank scale fixed on the instrument:
  //      they never change, so they are kept as a layer.
  c.Layer(LayerKey("AttitudeBezel", {double(sep), double(cx), double(cy), double(R), double(Rb), double(s.CellSize),
                                     double(s.CellFrameMargin), double(s.CellFrameCornerCut)}),
          QRect(0, 0, v.Width, v.Height), [&](Canvas& l) {
            if (sep) {
              const BezelStroke bezel = AttitudeBezelStroke(cx, cy);
              l.Pen.color = clr::Gray;
              l.Pen.width = bezel.Width;
              l.Ellipse(-bezel.Inset, -bezel.Inset, 2 * cx + bezel.Inset, 2 * cy + bezel.Inset);
              l.Pen.color = clr::Black;
              l.Pen.width = 1;
              DrawCellFrame(l, 0, 0, s.CellSize, s.CellFrameMargin, s.CellFrameCornerCut);
              l.Pen.width = 14;
              l.Ellipse(cx - (R - 7), cy - (R - 7), cx + (R - 7), cy + (R - 7));
              l.Pen.color = clr::White;
              l.Pen.width = 1;
              l.Ellipse(cx - R, cy - R, cx + R, cy + R);
              l.Ellipse(cx - (R - 14), cy - (R - 14), cx + (R - 14), cy + (R - 14));
            }
            for (const BankMark& m : BankScaleMarks(sep, Rb)) {
              l.Pen.color = clr::White;
              l.Pen.width = m.Width;
              DrawRadial(l, cx, cy, m.Angle, m.Outer, m.Inner);
            }
          });

  // 7. Aircraft symbol; the jets' radio height.
  c.Pen.width = 2;
  if (!jet) {
    c.Pen.color = clr::Red;
    c.Brush.color = clr::Red;
    c.Brush.style = BrushStyle::Solid;
    DrawLine(c, {cx - 50, cy}, {cx - 20, cy});
    c.Arc(cx - 20, cy - 20, cx + 20, cy + 20, cx - 20, cy, cx + 20, cy);
    DrawLine(c, {cx + 20, cy}, {cx + 50, cy});
    c.Pen.width = 1;
    c.Ellipse(cx - 2, cy - 2, cx + 2, cy + 2);
    c.Brush.style = BrushStyle::Clear;
  } else {
    c.Pen.color = clr::White;
    c.Polyline({{cx - 5, cy - 5}, {cx + 5, cy - 5}, {cx + 5, cy + 5}, {cx - 5, cy + 5}, {cx - 5, cy - 5}});
    const QString height = RadioHeightText(s.Altitude, s.AirportElevation);
    if (!height.isEmpty()) {
      c.Font.color = clr::White;
      c.Font.size = 16;
      c.TextOut(2 * cx - 70, 20, height);
    }
  }

  // 8. Bank pointer, turning against the fixed scale.
  c.Pen.color = clr::White;
  c.Pen.width = 2;
  const QPoint apex = DialPoint(cx, cy, Rb - 15, -s.BankAngle);
  c.Polyline({apex, DialPoint(cx, cy, Rb - 27, -s.BankAngle + 4), DialPoint(cx, cy, Rb - 27, -s.BankAngle - 4), apex});

  // 9. Ground-proximity and windshear warnings, while active.
  c.Font.color = clr::Red;
  c.Font.size = 20;
  if (s.FailureCode == "GPWS" && s.FailurePhase == 2) c.TextOut(cx - 50, 2 * cy - 80, "PULL UP");
  if (s.FailureCode == "WS" && s.FailurePhase == 2) c.TextOut(cx - 75, 2 * cy - 80, "WINDSHEAR");

  // 10. TCAS band: fences above and below the band pitch, level whatever the bank.
  if (TcasBandShown(s)) {
    c.Pen.color = clr::Red;
    c.Pen.width = 3;
    const TcasBand band = TcasBandFor(s.TcasAdvisory, s.Airspeed);
    DrawTcasOutline(c, cx, 0, RoundPixel(cy + (s.PitchAttitude - band.Upper) * ppd));
    DrawTcasOutline(c, cx, 2 * cy, RoundPixel(cy + (s.PitchAttitude - band.Lower) * ppd));
  }
}

}  // namespace tvx
