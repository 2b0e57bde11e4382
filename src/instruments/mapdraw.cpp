#include "instruments/mapdraw.h"

#include <cmath>

#include "instruments/mapgeometry.h"
#include "instruments/textfit.h"
#include "platform/textutil.h"

namespace tvx {

namespace {

// Screen pixels this far from the chart's corner lie off every map. A symbol
// or a name there is left out, and a line towards such a point is cut here,
// in floating point, before its ends become whole pixels: a beacon a world
// away then draws nothing wrong, and no pixel arithmetic can overflow.
constexpr double kFarPixels = 1 << 20;

bool OnMapPlane(QPointF p) { return std::fabs(p.x()) <= kFarPixels && std::fabs(p.y()) <= kFarPixels; }

QPoint Pixel(QPointF p) { return QPoint(RoundPixel(p.x()), RoundPixel(p.y())); }

// Cuts the segment a-b to the map plane; false when none of it is on it.
bool ClipToMapPlane(QPointF& a, QPointF& b) {
  return (OnMapPlane(a) && OnMapPlane(b)) || ClipToSquare(a, b, kFarPixels);
}

void Line(Canvas& c, QPoint from, QPoint to) {
  c.MoveTo(from.x(), from.y());
  c.LineTo(to.x(), to.y());
}

// A line between two unrounded screen points, cut to the map plane.
void LineF(Canvas& c, QPointF from, QPointF to) {
  if (ClipToMapPlane(from, to)) Line(c, Pixel(from), Pixel(to));
}

// A polyline through unrounded screen points: one polyline while every
// point lies on the map plane, else the pieces that do.
void Polyline(Canvas& c, const QVector<QPointF>& points) {
  QVector<QPoint> run;
  auto flush = [&] {
    if (run.size() >= 2) c.Polyline(run);
    run.clear();
  };
  for (qsizetype i = 1; i < points.size(); ++i) {
    QPointF a = points[i - 1], b = points[i];
    if (!ClipToMapPlane(a, b)) {
      flush();
      continue;
    }
    if (a != points[i - 1]) flush();
    if (run.isEmpty()) run << Pixel(a);
    run << Pixel(b);
    if (b != points[i]) flush();
  }
  flush();
}

// An NDB (and a locator): three concentric circles.
void NdbSymbol(Canvas& c, QPoint p) {
  for (int r : {6, 3, 1}) c.Ellipse(p.x() - r, p.y() - r, p.x() + r, p.y() + r);
}

// An arc whose box reaches off the map plane is left out: its circle is far
// larger than any map, or far away.
void DrawArc(Canvas& c, const ScreenArc& a) {
  for (const QPoint p : {QPoint(a.X1, a.Y1), QPoint(a.X2, a.Y2), a.From, a.To})
    if (!OnMapPlane(QPointF(p))) return;
  c.Arc(a.X1, a.Y1, a.X2, a.Y2, a.From.x(), a.From.y(), a.To.x(), a.To.y());
}

QPointF PositionOf(const AreaBeacon& b) { return QPointF(b.X, b.Y); }

// Whether a range ring passes through a text written at `at` in the canvas's
// font, or within the pixel its pen and the glyphs' overhang may stray.
bool UnderRing(const Canvas& c, const SimState& s, QPoint at, const QString& text) {
  const QRect box = QRect(at, QSize(c.TextWidth(text), c.TextHeight(text))).adjusted(-2, -2, 2, 2);
  const QPoint centre(s.MapCentreX, s.MapCentreY);
  for (int n : RangeRingsNm(s.MapPixelsPerNm))
    if (CircleCrossesBox(centre, n * s.MapPixelsPerNm, box)) return true;
  return false;
}

// The wind read-out, in the wind layer's font, at the map's lower left.
constexpr int kWindFontSize = 10;
QPoint WindReadoutAt(int height) { return {70, height - 40}; }

// A text of the overlay's corners kept back until the rings are drawn.
struct HeldText {
  QPoint At;
  QString Text;
  FontState Font;
};

}  // namespace

void DrawChartFrame(Canvas& c, int width, int height, int margin) {
  c.Pen.color = clr::White;
  c.Pen.width = 1;
  c.MoveTo(margin, margin);
  c.LineTo(width - margin, margin);
  c.LineTo(width - margin, height - margin);
  c.LineTo(margin, height - margin);
  c.LineTo(margin, margin);
}

void DrawMapBeacons(Canvas& c, const SimState& s, const AreaState& area) {
  const MapView view = MapViewOf(s);
  // The circles are filled black, hiding what lies under a beacon.
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
  c.Pen.width = 1;
  c.Pen.color = clr::White;
  c.Font.color = clr::White;

  for (const AreaBeacon& vor : area.VorList) {
    if (!vor.Used()) continue;
    const QPointF at = view.ScreenF(PositionOf(vor));
    if (!OnMapPlane(at)) continue;
    const QPoint p = Pixel(at);
    c.Ellipse(p.x() - 6, p.y() - 6, p.x() + 6, p.y() + 6);
    Line(c, {p.x() - 6, p.y()}, {p.x() + 6, p.y()});
    Line(c, {p.x(), p.y() - 6}, {p.x(), p.y() + 6});
    c.TextOut(p.x(), p.y() + 6, vor.Name);
  }
  for (const AreaBeacon& ndb : area.NdbList) {
    if (!ndb.Used()) continue;
    const QPointF at = view.ScreenF(PositionOf(ndb));
    if (!OnMapPlane(at)) continue;
    const QPoint p = Pixel(at);
    NdbSymbol(c, p);
    c.TextOut(p.x(), p.y() + 6, ndb.Name);
  }
  for (const AreaBeacon& ils : area.IlsList) {
    if (!ils.Used()) continue;
    const QPointF runway = PositionOf(ils);
    const QPointF at = view.ScreenF(runway);
    // From the rounded runway pixel, as the feather always started.
    const QPointF p = OnMapPlane(at) ? QPointF(Pixel(at)) : at;
    for (const QPointF& end : IlsFeatherEnds(runway, ils.FinalCourse)) LineF(c, p, view.ScreenF(end));
    if (HasLocator(ils.LocatorDistance)) {
      const QPointF locator = view.ScreenF(LocatorPoint(runway, ils.FinalCourse, ils.LocatorDistance));
      if (OnMapPlane(locator)) {
        const QPoint l = Pixel(locator);
        NdbSymbol(c, l);
        if (!ils.LocatorName.isEmpty()) c.TextOut(l.x(), l.y() + 6, ils.LocatorName);
      }
    }
    if (OnMapPlane(at)) c.TextOut(Pixel(at).x(), Pixel(at).y() + 6, ils.Name);
  }
  if (s.CourseLineShown) {
    c.Pen.color = clr::Yellow;
    const QPointF from(s.CourseLineX, s.CourseLineY);
    LineF(c, view.ScreenF(from), view.ScreenF(CourseLineEnd(from, s.CourseLineCourse)));
  }
}

void DrawMapWind(Canvas& c, int height, const SimState& s) {
  c.Pen.color = clr::Green;
  c.Font.color = clr::Green;
  c.Font.size = kWindFontSize;
  // Where a range ring would cross the read-out, the overlay writes it over the rings.
  const QString wind = WindReadout(s.WindDirection, s.WindSpeed);
  const QPoint at = WindReadoutAt(height);
  if (!UnderRing(c, s, at, wind)) c.TextOut(at.x(), at.y(), wind);
  c.Font.color = clr::Black;
  const WindArrow w = ComputeWindArrow(s.WindDirection, height);
  c.MoveTo(w.Tail.x(), w.Tail.y());
  c.LineTo(w.Centre.x(), w.Centre.y());
  c.LineTo(w.Head.x(), w.Head.y());
  Line(c, w.Head, w.Barb1);
  Line(c, w.Head, w.Barb2);
}

void DrawMapHolding(Canvas& c, const SimState& s) {
  const MapView view = MapViewOf(s);
  c.Pen.color = clr::Yellow;
  c.Font.color = clr::Yellow;
  const HoldingPattern h = ComputeHolding(QPointF(s.HoldingX, s.HoldingY), s.HoldingRadial, s.HoldingSide, s.HoldingSpeed);
  const QPointF f = view.ScreenF(h.F), a = view.ScreenF(h.A), b = view.ScreenF(h.B), p = view.ScreenF(h.P);
  // Whole pixels where the points lie on the map plane, as the pattern was
  // always drawn; the lines are cut where they do not.
  auto px = [](QPointF q) { return OnMapPlane(q) ? QPointF(Pixel(q)) : q; };
  LineF(c, px(f), px(a));
  if (OnMapPlane(a))
    c.RotatedTextOut(Pixel(a).x(), Pixel(a).y(), CourseLabelAngle(h.InboundCourse), CourseDigits(h.InboundCourse));
  DrawArc(c, HoldingFarArc(view, h));
  LineF(c, px(b), px(p));
  LineF(c, px(f), px(p));
  if (OnMapPlane(p))
    c.RotatedTextOut(Pixel(p).x(), Pixel(p).y(), CourseLabelAngle(h.Radial), CourseDigits(h.Radial));
  DrawArc(c, HoldingFixArc(view, h));
}

void DrawMapOverlay(Canvas& c, int width, int height, const SimState& s, const AreaState& area) {
  const MapView view = MapViewOf(s);
  const bool fullSize = width == 8 * s.CellSize;
  // The header on one line where the map is wide enough, else broken after
  // the key hints; the lines under it move down with it.
  const QString keys = fullSize ? "Press [D] to close this Map. Press [X] to zoom."
                                : "Press [Z] or [W] to close Map. Press [X] to zoom.";
  const QString name = "= " + area.AreaName + " =" + "    (North up)";
  const int right = width - s.CellFrameMargin - kTextGap;
  // The corner texts are written before the rings, which pass round them;
  // one that a ring would cross is held back and written over the rings,
  // on its own black box, so that the ring passes under it.
  QVector<HeldText> held;
  const auto write = [&](int x, int y, const QString& text) {
    if (UnderRing(c, s, QPoint(x, y), text)) held.append({QPoint(x, y), text, c.Font});
    else c.TextOut(x, y, text);
  };
  c.Font.color = clr::White;
  QVector<QRect> fixed;
  int below = 0;
  if (10 + c.TextWidth(keys + "  " + name) <= right) {
    write(10, 10, keys + "  " + name);
    fixed << QRect(10, 10, c.TextWidth(keys + "  " + name), c.TextHeight(keys));
  } else {
    const int designed = c.Font.size;
    c.Font.size = FittingFontSize(c, keys, designed, right - 10);
    const int line = c.TextHeight(keys);
    write(10, 10, keys);
    write(10, 10 + line, name);
    fixed << QRect(10, 10, c.TextWidth(keys), line) << QRect(10, 10 + line, c.TextWidth(name), line);
    below = line;
    c.Font.size = designed;
  }
  c.Font.color = clr::Yellow;
  write(10, 50 + below, "[ G - H ]");
  fixed << QRect(10, 50 + below, c.TextWidth("[ G - H ]"), c.TextHeight("[ G - H ]"));
  const QString dme = DmeReadout(s.Vor1Received, s.Vor1Distance);
  fixed << QRect(25, 30 + below, c.TextWidth(dme), c.TextHeight(dme));

  // A ring's figure stands at its top, inside the ring; where the header or
  // the edge leaves no room there, at its bottom; else the ring goes without.
  c.Pen.color = clr::Red;
  c.Pen.width = 1;
  c.Font.color = clr::Red;
  const int cx = s.MapCentreX, cy = s.MapCentreY;
  const QRect chart(s.CellFrameMargin, s.CellFrameMargin, width - 2 * s.CellFrameMargin, height - 2 * s.CellFrameMargin);
  for (int n : RangeRingsNm(s.MapPixelsPerNm)) {
    const int r = n * s.MapPixelsPerNm;
    const QString figure = QString::number(n);
    const QSize size(c.TextWidth(figure), c.TextHeight(figure));
    const auto free = [&](QRect box) {
      if (!chart.contains(box)) return false;
      for (const QRect& f : fixed)
        if (f.intersects(box)) return false;
      return true;
    };
    const QRect top(QPoint(cx, cy - r), size), bottom(QPoint(cx, cy + r - size.height()), size);
    if (free(top) || !chart.intersects(top)) c.TextOut(top.x(), top.y(), figure);
    else if (free(bottom)) c.TextOut(bottom.x(), bottom.y(), figure);
    // A full circle as an arc, so that nothing drawn before is covered.
    c.Arc(cx - r, cy - r, cx + r, cy + r, cx, cy - r, cx, cy - r);
  }

  const FontState ringFont = c.Font;
  const BrushState brush = c.Brush;
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
  for (const HeldText& t : held) {
    c.Font = t.Font;
    c.TextOut(t.At.x(), t.At.y(), t.Text);
  }
  c.Font.color = clr::Green;
  c.Font.size = kWindFontSize;
  const QString wind = WindReadout(s.WindDirection, s.WindSpeed);
  const QPoint windAt = WindReadoutAt(height);
  if (UnderRing(c, s, windAt, wind)) c.TextOut(windAt.x(), windAt.y(), wind);
  c.Font = ringFont;
  c.Brush = brush;

  c.Font.color = clr::White;
  c.Font.size = 10;
  c.TextOut(width - 70, height - 60, TrackReadout(s.TrackAngle));
  c.TextOut(width - 70, height - 40, DriftReadout(s.DriftAngle));
  c.TextOut(70, height - 80, TasReadout(s.TrueAirspeed));
  c.TextOut(70, height - 60, GsReadout(s.GroundSpeed));
  c.Font.color = clr::Red;
  c.TextOut(25, 30 + below, dme);

  c.Pen.color = clr::Fuchsia;
  QVector<QPointF> track;
  for (int slot : TrackDrawOrder(s.TrackHistory, s.TrackIndex)) {
    const TrackPoint& t = s.TrackHistory[static_cast<std::size_t>(slot)];
    // Whole pixels, as the track was always drawn, where they are on the map plane.
    const QPointF at = view.ScreenF(QPointF(t.X, t.Y));
    track.append(OnMapPlane(at) ? QPointF(Pixel(at)) : at);
  }
  Polyline(c, track);

  c.Pen.color = clr::Lime;
  c.Pen.width = 3;
  const QPoint centre(cx, cy);
  for (const QPoint& end : AircraftSymbol(centre, s.Heading)) Line(c, centre, end);
}

void DrawMap(Canvas& c, int width, int height, const SimState& s, const AreaState& area, bool drawHolding) {
  DrawChartFrame(c, width, height, s.CellFrameMargin);
  c.Pen.color = clr::White;
  c.Pen.width = 1;
  DrawMapBeacons(c, s, area);
  DrawMapWind(c, height, s);
  if (drawHolding) DrawMapHolding(c, s);
  DrawMapOverlay(c, width, height, s, area);
}

bool MapNeedsRepaint(const SimState& s) { return s.MapVisible || s.MapFullSize; }

}  // namespace tvx
