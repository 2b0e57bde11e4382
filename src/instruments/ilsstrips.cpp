#include "instruments/ilsstrips.h"

#include "instruments/dial.h"
#include "platform/textutil.h"

namespace tvx {

namespace {
void ScalePens(Canvas& c) {
  c.Pen.width = 1;
  c.Pen.color = clr::White;
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
}
}  // namespace

void DrawLocaliserStrip(Canvas& c, const SimState& s, int w, int h, int step) {
  ScalePens(c);
  for (int i = 0; i <= 4; ++i) DrawDot(c, {RoundPixel(w / 2 - step + i * step / 2.0), h / 2}, 7);
  c.Pen.width = 2;
  DrawLine(c, {w / 2, 0}, {w / 2, h});
  // What the strip is given it draws; a deviation beyond 10 leaves the strip.
  if (s.IlsTuned) {
    c.Pen.width = 4;
    c.Pen.color = clr::Fuchsia;
    const int x = RoundPixel(w / 2 + step * s.Vor1Deviation / 10);
    DrawLine(c, {x, 2}, {x, h - 2});
  }
}

void DrawGlideslopeStrip(Canvas& c, const SimState& s, int w, int h, int step) {
  ScalePens(c);
  for (int i = 0; i <= 4; ++i) DrawDot(c, {w / 2, RoundPixel(h / 2 - step + i * step / 2.0)}, 7);
  c.Pen.width = 2;
  DrawLine(c, {0, h / 2}, {w, h / 2});
  if (!s.GlideslopeOff && s.IlsTuned) {
    c.Pen.width = 4;
    c.Pen.color = clr::Fuchsia;
    // Above the centre when the aircraft is below the path.
    const int y = RoundPixel(h / 2 - step * s.GlideslopeDeviation / 10);
    DrawLine(c, {2, y}, {w - 2, y});
    c.Pen.width = 1;
  }
}

}  // namespace tvx
