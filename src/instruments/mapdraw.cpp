#include "instruments/mapdraw.h"

#include "instruments/mapgeometry.h"

namespace tvx {

namespace {

void Line(Canvas& c, QPoint from, QPoint to) {
  c.MoveTo(from.x(), from.y());
  c.LineTo(to.x(), to.y());
}

// An NDB (and a locator): three concentric circles.
void NdbSymbol(Canvas& c, QPoint p) {
  for (int r : {6, 3, 1}) c.Ellipse(p.x() - r, p.y() - r, p.x() + r, p.y() + r);
}

void DrawArc(Canvas& c, const ScreenArc& a) {
  c.Arc(a.X1, a.Y1, a.X2, a.Y2, a.From.x(), a.From.y(), a.To.x(), a.To.y());
}

QPointF PositionOf(const AreaBeacon& b) { return QPointF(b.X, b.Y); }

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
    const QPoint p = view.Screen(PositionOf(vor));
    c.Ellipse(p.x() - 6, p.y() - 6, p.x() + 6, p.y() + 6);
    Line(c, {p.x() - 6, p.y()}, {p.x() + 6, p.y()});
    Line(c, {p.x(), p.y() - 6}, {p.x(), p.y() + 6});
    c.TextOut(p.x(), p.y() + 6, vor.Name);
  }
  for (const AreaBeacon& ndb : area.NdbList) {
    if (!ndb.Used()) continue;
    const QPoint p = view.Screen(PositionOf(ndb));
    NdbSymbol(c, p);
    c.TextOut(p.x(), p.y() + 6, ndb.Name);
  }
  for (const AreaBeacon& ils : area.IlsList) {
    if (!ils.Used()) continue;
    const QPointF runway = PositionOf(ils);
    const QPoint p = view.Screen(runway);
    for (const QPointF& end : IlsFeatherEnds(runway, ils.FinalCourse)) Line(c, p, view.Screen(end));
    if (HasLocator(ils.LocatorDistance)) {
      const QPoint l = view.Screen(LocatorPoint(runway, ils.FinalCourse, ils.LocatorDistance));
      NdbSymbol(c, l);
      if (!ils.LocatorName.isEmpty()) c.TextOut(l.x(), l.y() + 6, ils.LocatorName);
    }
    c.TextOut(p.x(), p.y() + 6, ils.Name);
  }
  if (s.CourseLineShown) {
    c.Pen.color = clr::Yellow;
    const QPointF from(s.CourseLineX, s.CourseLineY);
    Line(c, view.Screen(from), view.Screen(CourseLineEnd(from, s.CourseLineCourse)));
  }
}

void DrawMapWind(Canvas& c, int height, const SimState& s) {
  c.Pen.color = clr::Green;
  c.Font.color = clr::Green;
  c.Font.size = 10;
  c.TextOut(70, height - 40, WindReadout(s.WindDirection, s.WindSpeed));
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
  const QPoint f = view.Screen(h.F), a = view.Screen(h.A), b = view.Screen(h.B), p = view.Screen(h.P);
  Line(c, f, a);
  c.RotatedTextOut(a.x(), a.y(), CourseLabelAngle(h.InboundCourse), CourseDigits(h.InboundCourse));
  DrawArc(c, HoldingFarArc(view, h));
  Line(c, b, p);
  Line(c, f, p);
  c.RotatedTextOut(p.x(), p.y(), CourseLabelAngle(h.Radial), CourseDigits(h.Radial));
  DrawArc(c, HoldingFixArc(view, h));
}

void DrawMapOverlay(Canvas& c, int width, int height, const SimState& s, const AreaState& area) {
  const MapView view = MapViewOf(s);
  const bool fullSize = width == 8 * s.CellSize;
  c.Font.color = clr::White;
  c.TextOut(10, 10,
            QString(fullSize ? "Press [D] to close this Map. Press [X] to zoom.  = "
                             : "Press [Z] or [W] to close Map. Press [X] to zoom.  = ") +
                area.AreaName + " =" + "    (North up)");
  c.Font.color = clr::Yellow;
  c.TextOut(10, 50, "[ G - H ]");

  c.Pen.color = clr::Red;
  c.Pen.width = 1;
  c.Font.color = clr::Red;
  const int cx = s.MapCentreX, cy = s.MapCentreY;
  for (int n : RangeRingsNm(s.MapPixelsPerNm)) {
    const int r = n * s.MapPixelsPerNm;
    c.TextOut(cx, cy - r, QString::number(n));
    // A full circle as an arc, so that nothing drawn before is covered.
    c.Arc(cx - r, cy - r, cx + r, cy + r, cx, cy - r, cx, cy - r);
  }

  c.Font.color = clr::White;
  c.Font.size = 10;
  c.TextOut(width - 70, height - 60, TrackReadout(s.TrackAngle));
  c.TextOut(width - 70, height - 40, DriftReadout(s.DriftAngle));
  c.TextOut(70, height - 80, TasReadout(s.TrueAirspeed));
  c.TextOut(70, height - 60, GsReadout(s.GroundSpeed));
  c.Font.color = clr::Red;
  c.TextOut(25, 30, DmeReadout(s.Vor1Received, s.Vor1Distance));

  c.Pen.color = clr::Fuchsia;
  QVector<QPoint> track;
  for (int slot : TrackDrawOrder(s.TrackHistory, s.TrackIndex)) {
    const TrackPoint& t = s.TrackHistory[static_cast<std::size_t>(slot)];
    track.append(view.Screen(QPointF(t.X, t.Y)));
  }
  if (track.size() >= 2) c.Polyline(track);

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
