#include "instruments/hsi.h"

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

double CrossTrackDistanceOf(const SimState& s) {
  const int course = s.Obs1Course;
  if (course == 0 || course == 180 || course == 360) return std::abs(s.AircraftX - s.Vor1StationX);
  // The course line in X east, Y south coordinates has the slope tan(course - 90).
  const double t = std::tan((course - 90) * kDegToRad);
  return std::abs(t * s.AircraftX - s.AircraftY + (s.Vor1StationY - t * s.Vor1StationX)) / std::sqrt(t * t + 1);
}

void DrawHeadingIndicator(Canvas& c, const SimState& s, const InstrOptions& o, int W, int H) {
  const bool sep = IsRoundDialPanel(s.AircraftType);
  const int cx = s.HsiCentreX, cy = s.HsiCentreY;
  const int CTLL = s.CardTickLengthLong, CTLS = s.CardTickLengthShort;

  // 1. Card radius and heading.
  const int r = sep ? s.InstrumentRadius : W / 2 - 60;
  const int h = RoundPixel(s.Heading);

  // 2. The cell frame of the round-dial panel.
  if (sep) {
    c.Pen.width = 1;
    c.Pen.color = clr::Black;
    DrawCellFrame(c, 0, 0, s.CellSize, s.CellFrameMargin, s.CellFrameCornerCut);
    c.Pen.color = clr::White;
    c.Pen.width = 1;
  }

  // 3-6. Face, ticks and figures turned by the heading, and the fixed index
  //      marks outside the card: they change only with the heading, so they
  //      are kept as a layer.
  // On small cells the card's figures and the words turning over it shrink
  // with the card, so that they keep clear of each other.
  const int figureSize = ScaledFontSize(13, ChartTextScale(s.CellSize));
  const double k = figureSize / 13.0;  // the words' radii follow their size
  const int extent = r + 20;
  c.Layer(LayerKey("HeadingCard",
                   {double(cx), double(cy), double(r), double(h), double(CTLL), double(CTLS), double(figureSize)}),
          QRect(cx - extent, cy - extent, 2 * extent, 2 * extent), [&](Canvas& l) {
            l.Brush.color = clr::Black;
            l.Brush.style = BrushStyle::Solid;
            l.Pen.color = clr::White;
            l.Ellipse(cx - r, cy - r, cx + r, cy + r);
            DrawCardTicks(l, cx, cy, h, r, -CTLL, -CTLS);
            l.Font.color = clr::White;
            l.Font.size = figureSize;
            DrawCardFigures(l, cx, cy, h, r - CTLL - 5, 3, 5);
            l.Pen.color = clr::White;
            l.Pen.width = 3;
            for (int i = 0; i <= 7; ++i) DrawRadial(l, cx, cy, 45 * i, r + 12, r);
            l.Pen.width = 1;
          });

  // The bottom row's texts from the left: the ADF identifier, the jets'
  // cross-track distance, the key hint, the VOR 2 identifier. Each ends
  // where the next begins.
  int rowLeft = 0;
  int vor2Left = W;
  if (!sep) {
    // 7. Station identifiers, kept inside the chart's right edge.
    c.Font.bold = true;
    c.Font.size = 12;
    c.Font.color = clr::Aqua;
    const QString adf = "ADF: " + s.AdfIdent;
    c.TextOut(10, H - 30, adf);
    rowLeft = 10 + c.TextWidth(adf);
    c.Font.color = clr::Lime;
    const QString vor1 = "VOR1: " + s.Vor1Ident, vor2 = "VOR2: " + s.Vor2Ident;
    c.TextOut(FitLeft(W - 100, c.TextWidth(vor1), 0, W), H - 50, vor1);
    c.Font.color = clr::Blue;
    vor2Left = FitLeft(W - 100, c.TextWidth(vor2), 0, W);
    c.TextOut(vor2Left, H - 30, vor2);
    c.Font.bold = false;

    // 8. The jets' cross-track distance (no unit), only away from an ILS.
    if (IsJet(s.AircraftType) && !s.IlsTuned) {
      c.Font.size = 12;
      c.Font.color = clr::White;
      const QString distance = FormatFixed(s.CrossTrackDistance, 3, 1);
      const int x = std::max(W / 2 - 10, rowLeft + kTextGap);
      c.TextOut(x, H - 30, distance);
      rowLeft = x + c.TextWidth(distance);
    }

    // 9. Bearing pointers; the arrowheads point at the stations.
    int rho = r - CTLS - 15;
    if (s.AdfReceived) {
      c.Pen.width = 2;
      c.Pen.color = clr::Aqua;
      DrawPointer(c, cx, cy, s.AdfQdr - s.Heading + 180, rho);
    }
    if (s.Vor1Received && !s.IlsTuned) {
      rho = r - CTLS;
      c.Pen.width = 2;
      c.Pen.color = clr::Lime;
      DrawPointer(c, cx, cy, s.Vor1Radial - s.Heading + 180, rho);
    }
    if (s.Vor2Received) {
      rho = r - CTLS - 5;
      c.Pen.width = 2;
      c.Pen.color = clr::Blue;
      DrawPointer(c, cx, cy, s.Vor2Radial - s.Heading + 180, rho);
    }

    // 10. The centre disc hides the pointers' middles.
    c.Pen.color = clr::Black;
    c.Brush.color = clr::Black;
    const int q = rho / 2 + 5;
    c.Ellipse(cx - q, cy - q, cx + q, cy + q);

    // 11. Heading read-out.
    c.Font.size = 16;
    c.Font.color = clr::White;
    c.TextOut(cx - 18, 10, ThreeDigits(RoundPixel(s.Heading)));

    // 12. The autopilot's selected heading and its mark.
    if (s.AutopilotEngaged) {
      // It ends before the heading read-out.
      c.Font.bold = true;
      c.Font.color = clr::Fuchsia;
      const QString selected = "Sel. HDG: " + ThreeDigits(s.SelectedHeadingWhole);
      c.Font.size = FittingFontSize(c, selected, 12, cx - 18 - kTextGap - 10);
      c.TextOut(10, 10, selected);
      c.Font.bold = false;
      c.Pen.color = clr::Fuchsia;
      c.Pen.width = 3;
      DrawRadial(c, cx, cy, s.SelectedHeading - h, r - 2, r - 25);
    }

    // 13. Ground-track mark.
    if (s.MapVisible) {
      c.Pen.color = clr::Green;
      c.Pen.width = 3;
      DrawRadial(c, cx, cy, s.TrackAngle - h, r - 2, r - CTLL - 9);
    }
  }

  if (o.HSIBool) {
    const int R1 = r - 18;
    const int sc = R1 / 2;
    const double theta = s.Obs1Course - h;
    const double turn = h - s.Obs1Course;  // figures on the course axis stay upright to it
    const TColor course = sep ? clr::White : clr::Fuchsia;

    // 14. TO/FROM flag; "OFF" is a plain red patch.
    c.Brush.style = BrushStyle::Solid;
    if (s.Vor1ToFrom == "OFF") {
      c.Brush.color = clr::Red;
      c.Font.color = clr::Red;
    } else {
      c.Brush.color = clr::Black;
      c.Font.color = clr::White;
    }
    c.Pen.width = 1;
    c.Font.size = figureSize;
    if (!s.IlsTuned) {
      const QPoint at = DialPoint(cx, cy, 30 * k, theta + 5);
      c.RotatedTextOut(at.x(), at.y(), turn, s.Vor1ToFrom);
    }

    // 15. Key hint, black on the chart's grey like the other key hints: the
    //     flag's black brush would leave it black on black.
    c.Font.color = clr::Black;
    c.Brush.color = clr::GrayText;
    const QString hint = "[ U - I ]";
    if (sep) {
      c.TextOut(FitLeft(cx + 60, c.TextWidth(hint), 0, W - s.CellFrameMargin), cy + s.CellSize - 25, hint);
    } else {
      // Between its neighbours on the bottom row, smaller where the row is
      // short; where even that leaves no room, on the row above, at the left.
      const int room = vor2Left - kTextGap - (rowLeft + kTextGap);
      const int designed = c.Font.size;
      c.Font.size = FittingFontSize(c, hint, designed, room);
      const int width = c.TextWidth(hint);
      if (width <= room) {
        c.TextOut(FitLeft(H / 2 + 30, width, rowLeft + kTextGap, vor2Left - kTextGap), H - 30, hint);
        c.Font.size = designed;
      } else {
        c.Font.size = designed;
        c.TextOut(10, H - 50, hint);
      }
    }

    // 16. Course read-out.
    c.Brush.color = clr::Black;
    c.Font.color = course;
    const QPoint at = DialPoint(cx, cy, 50 * k, theta + 5);
    c.RotatedTextOut(at.x(), at.y(), turn, ThreeDigits(s.Obs1Course));

    // 17. Course arrow.
    c.Pen.color = course;
    c.Pen.width = 2;
    const QPoint head = DialPoint(cx, cy, R1, theta);
    DrawLine(c, head, DialPoint(cx, cy, sc, theta));
    DrawLine(c, head, DialPoint(cx, cy, R1 - 10, theta - 5));
    DrawLine(c, head, DialPoint(cx, cy, R1 - 10, theta + 5));
    DrawLine(c, DialPoint(cx, cy, sc, theta + 180), DialPoint(cx, cy, R1, theta + 180));

    // 18. Deviation scale; the glass glideslope scale at the right edge.
    c.Pen.width = 1;
    c.Brush.color = clr::Black;
    c.Pen.color = clr::White;
    if (sep) {
      for (int i = 0; i <= 10; ++i) DrawDot(c, DialPoint(cx, cy, sc - 2.0 * sc * i / 10, theta - 90), 1);
      for (int i = 0; i <= 10; ++i) DrawDot(c, DialPoint(cx, cy, sc - 2.0 * sc * i / 10, theta), 1);
    } else {
      for (int i = 0; i <= 4; ++i) DrawDot(c, DialPoint(cx, cy, sc - 2.0 * sc * i / 4, theta - 90), 5);
      c.Pen.color = clr::Black;
      c.Rectangle(W - 40, H / 2 - sc - 10, W - 10, H / 2 + sc + 10);
      c.Pen.color = clr::White;
      for (int i = 0; i <= 4; ++i) DrawDot(c, {W - 25, RoundPixel(H / 2 - sc + 2.0 * sc * i / 4)}, 5);
      c.Pen.width = 2;
      DrawLine(c, {W - 40, H / 2}, {W - 10, H / 2});
    }

    // 19. Deviation bar, parallel to the arrow, to its right for a positive deviation.
    const double st = std::sin(theta * kDegToRad), ct = std::cos(theta * kDegToRad);
    const double e = sc * s.Vor1Deviation / 10;
    c.Pen.color = course;
    c.Pen.width = 2;
    DrawLine(c, {RoundPixel(cx + (sc - 5) * st + e * ct), RoundPixel(cy - (sc - 5) * ct + e * st)},
             {RoundPixel(cx - (sc - 5) * st + e * ct), RoundPixel(cy + (sc - 5) * ct + e * st)});
    c.Pen.width = 1;

    // 20. Glideslope warning flag.
    if (s.GlideslopeOff && s.IlsTuned) {
      c.Brush.color = clr::Red;
      c.Font.color = clr::Red;
      const QPoint gs = DialPoint(cx, cy, 40 * k, theta - 40);
      c.RotatedTextOut(gs.x(), gs.y(), turn, "GS");
    }

    // 21. Glideslope bar: across the arrow on the round dials, on the scale at
    //     the right edge on the glass panels.
    if (!s.GlideslopeOff && s.IlsTuned) {
      const double g = sc * s.GlideslopeDeviation / 10;
      if (sep) {
        c.Pen.width = 2;
        const double a1 = (theta - 90) * kDegToRad, a2 = (theta + 90) * kDegToRad;
        DrawLine(c, {RoundPixel(cx + (sc - 5) * std::sin(a1) + g * st), RoundPixel(cy - (sc - 5) * std::cos(a1) - g * ct)},
                 {RoundPixel(cx + (sc - 5) * std::sin(a2) + g * st), RoundPixel(cy - (sc - 5) * std::cos(a2) - g * ct)});
        c.Pen.width = 1;
      } else {
        c.Pen.width = 4;
        c.Pen.color = clr::Fuchsia;
        const int y = RoundPixel(H / 2 - g);
        DrawLine(c, {W - 40, y}, {W - 10, y});
        c.Pen.width = 1;
      }
    }
  }

  // 22-24. Banners, whatever the option.
  if (s.Paused) {
    c.Brush.color = clr::Red;
    c.Brush.style = BrushStyle::Solid;
    c.Font.size = 15;
    c.Font.color = clr::White;
    c.TextOut(cx - 55, cy, "  P A U S E  ");
  }
  c.Font.size = 16;
  c.Font.color = clr::White;
  c.Pen.color = clr::Black;
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
  c.Font.color = clr::Red;
  c.Font.size = 18;
  if (s.FailureCode == "GPWS" && s.FailurePhase == 2) c.TextOut(20, 10, "TERRAIN");
  if (s.FailureCode == "WS" && s.FailurePhase == 2) c.TextOut(20, 10, "WINDSHEAR");
  if (s.FailureCode == "TCAS" && (s.FailurePhase == 2 || s.FailurePhase == 3)) c.TextOut(20, 10, "TRAFFIC");
}

}  // namespace tvx
