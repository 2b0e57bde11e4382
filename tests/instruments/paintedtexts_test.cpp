// The texts the instrument charts paint, measured by their ink in the fonts
// they are painted in, over every client area the panel is laid out for:
// each fixed text lies inside its chart, no two texts meet, and no line,
// outline or ring of the same chart crosses a text's ink where it is seen,
// nor a filled shape painted later covers part of it. The texts that move
// with the flight keep rules of their own.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

#include "areas/areamodel.h"
#include "areas/instroptions.h"
#include "instruments/applicationfonts.h"
#include "instruments/textink.h"
#include "instruments/attitude.h"
#include "instruments/hsi.h"
#include "instruments/layout.h"
#include "instruments/mapdraw.h"
#include "instruments/panel.h"
#include "platform/canvas.h"
#include "simulator/panellayout.h"

using namespace tvx;

namespace {

using Prim = RecordingCanvas::Primitive;
using Op = RecordingCanvas::Op;

// The fonts are the application's, as the panel paints them.
class PaintedTexts : public test::WithApplicationFonts {};

// ---------------------------------------------------------------------------
// The ink of a text, measured with the metrics of the font a painting canvas
// writes with, where it puts it: the baseline one ascent below the anchor,
// the glyphs turned about the anchor.

struct Measure {
  QRect ink;  // the glyphs' pixels, from the anchor; empty for blanks
  QRect box;  // advance x line height: what a solid brush fills
};

QString FontKey(const FontState& f) {
  return QString("%1,%2,%3%4").arg(f.name).arg(f.size).arg(int(f.bold)).arg(int(f.italic));
}

const Measure& MeasureOf(const FontState& f, const QString& text) {
  static QHash<QString, Measure> known;
  const QString key = FontKey(f) + '|' + text;
  auto it = known.constFind(key);
  if (it != known.constEnd()) return *it;
  const QFontMetrics fm(PaintedFont(f));
  Measure m;
  m.box = QRect(0, 0, fm.horizontalAdvance(text), fm.height());
  // Blanks lead and trail some texts (the jet's baro box): they take room
  // but leave no ink.
  m.ink = test::PaintedInk(f, text);
  return *known.insert(key, m);
}

bool Upright(const Prim& t) {
  if (t.op == Op::Text) return true;
  const double a = std::fmod(t.angle, 360.0);
  return std::abs(a) < 1e-9;
}

// The pixel area of a box of whole pixels, pixel centres on whole numbers.
QRectF AreaOf(const QRect& pixels) { return QRectF(pixels).translated(-0.5, -0.5); }

// ---------------------------------------------------------------------------
// Where the shapes lie, in the same pixel-centre coordinates: a line of pen
// width w covers what lies nearer than w / 2 to it; a one-pixel pen lights
// the pixels its line runs through.

double DistanceToBox(QPointF p, const QRectF& r) {
  const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
  const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
  return std::hypot(dx, dy);
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double len2 = QPointF::dotProduct(d, d);
  double t = len2 > 0 ? QPointF::dotProduct(p - a, d) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const QPointF q = a + t * d;
  return std::hypot(p.x() - q.x(), p.y() - q.y());
}

bool SegmentEntersBox(QPointF a, QPointF b, const QRectF& r) {
  double t0 = 0, t1 = 1;
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  return true;
}

bool SegmentCrosses(QPointF a, QPointF b, double halfWidth, const QRectF& area) {
  if (SegmentEntersBox(a, b, area)) return true;
  double d = std::min(DistanceToBox(a, area), DistanceToBox(b, area));
  for (QPointF corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
    d = std::min(d, DistanceToSegment(corner, a, b));
  return d < halfWidth;
}

// A section of an ellipse: centre, radii, from `start` counter-clockwise
// over `span` degrees of its parameter, as a painter draws arcs.
struct EllipseArc {
  QPointF centre;
  double rx = 0, ry = 0;
  double start = 0, span = 360;
};

QPointF ArcPoint(const EllipseArc& e, double deg) {
  const double t = deg * M_PI / 180.0;
  return {e.centre.x() + e.rx * std::cos(t), e.centre.y() - e.ry * std::sin(t)};
}

bool ArcCrosses(const EllipseArc& e, double halfWidth, const QRectF& area) {
  const QRectF reach = area.adjusted(-halfWidth, -halfWidth, halfWidth, halfWidth);
  const QRectF bounds(e.centre.x() - e.rx, e.centre.y() - e.ry, 2 * e.rx, 2 * e.ry);
  if (!bounds.adjusted(-0.01, -0.01, 0.01, 0.01).intersects(reach)) return false;
  if (e.rx <= 0 || e.ry <= 0) return SegmentCrosses(bounds.topLeft(), bounds.bottomRight(), halfWidth, area);
  // A whole circle: the ring meets the box when the box reaches both
  // inside and outside the band.
  if (e.rx == e.ry && e.span >= 360) {
    double far = 0;
    for (QPointF c : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
      far = std::max(far, std::hypot(c.x() - e.centre.x(), c.y() - e.centre.y()));
    return DistanceToBox(e.centre, area) < e.rx + halfWidth && far > e.rx - halfWidth;
  }
  // Else the points of the curve, a quarter pixel apart, over the angles
  // under which the box is seen from the centre.
  double from = e.start, to = e.start + e.span;
  const QPointF n((reach.center().x() - e.centre.x()) / e.rx, -(reach.center().y() - e.centre.y()) / e.ry);
  const bool around = reach.contains(e.centre);
  if (!around) {
    const double mid = std::atan2(n.y(), n.x()) * 180.0 / M_PI;
    double lo = 0, hi = 0;
    for (QPointF c : {reach.topLeft(), reach.topRight(), reach.bottomLeft(), reach.bottomRight()}) {
      double a = std::atan2(-(c.y() - e.centre.y()) / e.ry, (c.x() - e.centre.x()) / e.rx) * 180.0 / M_PI - mid;
      while (a > 180) a -= 360;
      while (a < -180) a += 360;
      lo = std::min(lo, a), hi = std::max(hi, a);
    }
    // The box's angles, moved by whole turns into the arc's.
    double a0 = mid + lo, a1 = mid + hi;
    while (a1 < from) a0 += 360, a1 += 360;
    while (a0 > to) a0 -= 360, a1 -= 360;
    from = std::max(from, a0);
    to = std::min(to, a1);
    if (from > to) {
      // The box may be seen again one turn on.
      if (mid + lo + 360 <= e.start + e.span) {
        from = std::max(e.start, mid + lo + 360);
        to = std::min(e.start + e.span, mid + hi + 360);
      }
      if (from > to) return false;
    }
  }
  const double step = 0.25 / std::max(e.rx, e.ry) * 180.0 / M_PI;
  for (double a = from; a <= to + step; a += step)
    if (DistanceToBox(ArcPoint(e, std::min(a, to)), area) < halfWidth) return true;
  return false;
}

// The outline of a recorded shape: its segments and arcs.
struct Outline {
  QVector<std::pair<QPointF, QPointF>> segments;
  QVector<EllipseArc> arcs;
};

// The box a painter draws a corner pair's ellipse or arc in: the corners
// normalised, the far ones exclusive.
QRectF CurveBox(QPoint a, QPoint b) {
  const int x1 = std::min(a.x(), b.x()), x2 = std::max(a.x(), b.x());
  const int y1 = std::min(a.y(), b.y()), y2 = std::max(a.y(), b.y());
  return QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

EllipseArc ArcOf(const Prim& p) {
  const QRectF box = CurveBox(p.points[0], p.points[1]);
  EllipseArc e{box.center(), box.width() / 2, box.height() / 2, 0, 360};
  // The rays are taken from the corners' midpoint.
  const double cx = (p.points[0].x() + p.points[1].x()) / 2.0, cy = (p.points[0].y() + p.points[1].y()) / 2.0;
  const double start = std::atan2(-(p.points[2].y() - cy), p.points[2].x() - cx) * 180.0 / M_PI;
  double span = std::atan2(-(p.points[3].y() - cy), p.points[3].x() - cx) * 180.0 / M_PI - start;
  while (span <= 0) span += 360;
  while (span > 360) span -= 360;
  e.start = start;
  e.span = span;
  return e;
}

std::optional<Outline> OutlineOf(const Prim& p) {
  if (p.pen.style == PenStyle::Clear) return std::nullopt;
  Outline o;
  auto chain = [&](const QVector<QPoint>& pts, bool closed) {
    for (qsizetype i = 1; i < pts.size(); ++i) o.segments.append({QPointF(pts[i - 1]), QPointF(pts[i])});
    if (closed && pts.size() > 2) o.segments.append({QPointF(pts.last()), QPointF(pts.first())});
    if (pts.size() == 1) o.segments.append({QPointF(pts[0]), QPointF(pts[0])});
  };
  switch (p.op) {
    case Op::Line: chain(p.points, false); break;
    case Op::Polyline: chain(p.points, false); break;
    case Op::Polygon: chain(p.points, true); break;
    case Op::Rectangle: {
      const int x1 = std::min(p.points[0].x(), p.points[1].x()), x2 = std::max(p.points[0].x(), p.points[1].x()) - 1;
      const int y1 = std::min(p.points[0].y(), p.points[1].y()), y2 = std::max(p.points[0].y(), p.points[1].y()) - 1;
      chain({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, true);
      break;
    }
    case Op::Ellipse: {
      const QRectF box = CurveBox(p.points[0], p.points[1]);
      o.arcs.append({box.center(), box.width() / 2, box.height() / 2, 0, 360});
      break;
    }
    case Op::Arc: o.arcs.append(ArcOf(p)); break;
    case Op::Pie: {
      const EllipseArc e = ArcOf(p);
      o.arcs.append(e);
      o.segments.append({e.centre, ArcPoint(e, e.start)});
      o.segments.append({e.centre, ArcPoint(e, e.start + e.span)});
      break;
    }
    default: return std::nullopt;
  }
  return o;
}

bool OutlineCrosses(const Prim& p, const QRectF& area) {
  const std::optional<Outline> o = OutlineOf(p);
  if (!o) return false;
  const double half = std::max(1, p.pen.width) / 2.0;
  for (const auto& [a, b] : o->segments)
    if (SegmentCrosses(a, b, half, area)) return true;
  for (const EllipseArc& e : o->arcs)
    if (ArcCrosses(e, half, area)) return true;
  return false;
}

bool Filled(const Prim& p) {
  switch (p.op) {
    case Op::Rectangle:
    case Op::FillRect:
    case Op::Ellipse:
    case Op::Polygon:
    case Op::Pie: return p.brush.style != BrushStyle::Clear;
    default: return false;
  }
}

// The pixels a filled rectangle covers: with an outline, up to its far
// corner's pixel before it; without, one short of that.
QRect FilledBox(const Prim& p) {
  const int x1 = std::min(p.points[0].x(), p.points[1].x()), x2 = std::max(p.points[0].x(), p.points[1].x());
  const int y1 = std::min(p.points[0].y(), p.points[1].y()), y2 = std::max(p.points[0].y(), p.points[1].y());
  const int inset = p.op == Op::Rectangle && p.pen.style == PenStyle::Clear ? 2 : 1;
  return QRect(QPoint(x1, y1), QPoint(x2 - inset, y2 - inset));
}

// Whether a filled shape covers part (or, with `whole`, all) of an area.
bool FillCovers(const Prim& p, const QRectF& area, bool whole) {
  if (!Filled(p)) return false;
  switch (p.op) {
    case Op::Rectangle:
    case Op::FillRect: {
      const QRectF box = AreaOf(FilledBox(p));
      return whole ? box.contains(area) : box.intersects(area);
    }
    case Op::Ellipse: {
      const QRectF box = CurveBox(p.points[0], p.points[1]);
      if (whole) return false;
      const double rx = std::max(0.5, box.width() / 2), ry = std::max(0.5, box.height() / 2);
      const QRectF n((area.left() - box.center().x()) / rx, (area.top() - box.center().y()) / ry, area.width() / rx,
                     area.height() / ry);
      return DistanceToBox({0, 0}, n) < 1;
    }
    case Op::Polygon: {
      if (whole) return false;
      QPainterPath path;
      QPolygonF poly;
      for (QPoint q : p.points) poly << QPointF(q);
      path.addPolygon(poly);
      path.closeSubpath();
      path.setFillRule(Qt::OddEvenFill);
      return path.intersects(area);
    }
    case Op::Pie: {
      if (whole) return false;
      const EllipseArc e = ArcOf(p);
      QPainterPath path(e.centre);
      path.arcTo(CurveBox(p.points[0], p.points[1]), e.start, e.span);
      path.closeSubpath();
      return path.intersects(area);
    }
    default: return false;
  }
}

QString OpName(Op op) {
  switch (op) {
    case Op::Line: return "line";
    case Op::Rectangle: return "rectangle";
    case Op::FillRect: return "filled box";
    case Op::Ellipse: return "ellipse";
    case Op::Polygon: return "polygon";
    case Op::Polyline: return "polyline";
    case Op::Arc: return "arc";
    case Op::Pie: return "pie";
    case Op::Text: return "text";
    case Op::RotatedText: return "turned text";
  }
  return {};
}

QString DescribeShape(const Prim& p) {
  QStringList pts;
  for (QPoint q : p.points.mid(0, 6)) pts << QString("%1,%2").arg(q.x()).arg(q.y());
  if (p.points.size() > 6) pts << "...";
  return QString("%1 (%2) pen %3%4%5")
      .arg(OpName(p.op), pts.join(' '))
      .arg(p.pen.style == PenStyle::Clear ? 0 : p.pen.width)
      .arg(Filled(p) ? ", filled" : "")
      .arg(p.pen.style == PenStyle::Clear ? ", no outline" : "");
}

// ---------------------------------------------------------------------------
// The flights.

enum class Flight { Cruise, Approach, TakeOff };

const char* NameOf(Flight f) {
  switch (f) {
    case Flight::Cruise: return "cruise on the autopilot, banked, every station received";
    case Flight::Approach: return "ILS approach, wings level, glideslope off, engine 2 on fire, paused";
    case Flight::TakeOff: return "take-off climb, wings level, thrust lever moved, terrain warning";
  }
  return "";
}

// A flight state that shows the chart's texts: the widest three-letter
// idents, the autopilot's selections, the jet's flap marks near the shown
// speed; with the wings level in two of them, so that the ladder's figures
// stand upright.
void SetFlight(SimState& s, Flight f) {
  const bool jet = s.AircraftType == "737";
  s.Heading = 47;
  s.TrackAngle = 52;
  s.DriftAngle = 5;
  s.BankAngle = 10;
  s.PitchAttitude = 4;
  s.WindDirection = 270;
  s.WindSpeed = 25;
  s.TrueAirspeed = jet ? 420 : 125;
  s.GroundSpeed = jet ? 398 : 101;
  s.Vor1Ident = "MWM";
  s.Vor2Ident = "WWW";
  s.AdfIdent = "WMW";
  s.AdfReceived = s.Vor1Received = s.Vor2Received = true;
  s.Vor1Radial = 200, s.Vor2Radial = 310, s.AdfQdr = 120;
  s.Vor1Distance = 12.4, s.Vor2Distance = 30;
  s.Obs1Course = 20, s.Obs2Course = 135;
  s.MapPixelsPerNm = 20;
  s.DisplayedRpm = 2300;
  s.DisplayedN1 = 85.3;
  s.SpeedBugPhase = "APCH";
  s.MachNumber = 0.62;
  s.CrossTrackDistance = 2.5;
  // A holding at VOR 1, east of it, whose course labels stand upright.
  s.HoldingX = s.HoldingY = 0;
  s.HoldingRadial = 270, s.HoldingInboundCourse = 90;
  s.HoldingSide = "R";
  s.HoldingSpeed = jet ? 210 : 100;
  switch (f) {
    case Flight::Cruise:
      s.Airspeed = jet ? 280 : 115;
      s.Altitude = 12000;
      s.VerticalSpeed = 0;
      s.AutopilotEngaged = true;
      s.SelectedHeading = 60, s.SelectedHeadingWhole = 60;
      s.SelectedSpeed = jet ? 280 : 115;
      s.SpeedBug = 150;
      break;
    case Flight::Approach:
      s.BankAngle = 0;
      s.PitchAttitude = -3;
      s.Airspeed = jet ? 170 : 95;
      s.Altitude = 1400;
      s.VerticalSpeed = -700;
      s.AirportElevation = 200;
      s.IlsTuned = true;
      s.GlideslopeOff = true;
      s.Paused = true;
      s.SpeedBug = 145;
      s.FailureCode = "Fire", s.FailurePhase = 2, s.FailedEngine = 2;
      break;
    case Flight::TakeOff:
      s.BankAngle = 0;
      s.PitchAttitude = 8;
      s.Airspeed = jet ? 125 : 60;
      s.Altitude = 200;
      s.VerticalSpeed = 1500;
      s.SpeedBugPhase = "TO";
      s.SpeedBug = 145;
      s.JoystickLeverRpm = 2000;
      s.JoystickLeverN1 = 70;
      s.PresetPower = jet ? 90 : 2400;
      s.FailureCode = "GPWS", s.FailurePhase = 2;
      break;
  }
  s.DisplayedAirspeed = s.PreviousTapeAirspeed = s.Airspeed;
}

// ---------------------------------------------------------------------------
// The texts that move with the flight, by what they are, and the rules they
// keep instead of a fixed text's.
enum class Kind {
  Fixed,
  // A tape's figures and marks scroll under the chart's edge and under the
  // read-out and data boxes painted over them: what is painted later may
  // cover them; they are never painted over a box, a line or a text.
  Tape,
  // The map's beacons and the holding's course labels move with the
  // aircraft's position under the map's lines, rings and read-outs: a
  // beacon's name keeps clear of its own symbol; the holding's two labels,
  // written at its corners, keep clear of each other.
  Beacon,
  Holding,
  // A compass card's figures turn with the heading under the needles; they
  // keep clear of the other texts.
  Card,
  // The piston glass panel's vertical-speed read-out rides on its pointer,
  // on its own background, over the scale's figures: it keeps clear of every
  // line but the pointer's.
  PointerReadOut,
};

const char* KindName(Kind k) {
  switch (k) {
    case Kind::Fixed: return "fixed";
    case Kind::Tape: return "tape";
    case Kind::Beacon: return "beacon";
    case Kind::Holding: return "holding label";
    case Kind::Card: return "card figure";
    case Kind::PointerReadOut: return "pointer read-out";
  }
  return "";
}

// The hands, needles and pointers sweeping over their dial's or scale's
// figures: what the needle procedures paint, the engine dials' needles (5 px
// lines) and the vertical-speed scale's pointer and selected-rate bug (its
// 4 px lines, the piston's pointer triangle).
bool Needle(const Prim& f, int step) {
  switch (PanelStep(step)) {
    case PanelStep::AirspeedNeedle:
    case PanelStep::AltimeterHands:
    case PanelStep::VSINeedle:
    case PanelStep::ADFNeedle:
    case PanelStep::VOR1Needles:
    case PanelStep::VOR2Needle: return true;
    case PanelStep::RPMDial:
    case PanelStep::EngineInstruments: return f.op == Op::Line && f.pen.width == 5;
    case PanelStep::EFISVerticalSpeed: return (f.op == Op::Line && f.pen.width == 4) || f.op == Op::Polygon;
    default: return false;
  }
}

struct Shown {
  qsizetype at = 0;  // in the log
  bool upright = true;
  QRect ink;       // upright: the glyphs' pixels; turned: their upright bounds
  QRectF turned;   // turned: the glyphs in the text's own turned frame
  bool opaque = false;
  QRect box;  // the background a solid brush fills (upright)
  Kind kind = Kind::Fixed;
};

struct Painted {
  QString Type;
  QString Chart;
  QSize Size;
  QVector<Prim> log;
  QVector<int> steps;  // the panel step of each primitive, -1 outside the panels
  QVector<Shown> texts;
  QVector<QRectF> reach;  // what each shape may touch, pen and all
};

// A box round all a shape may paint, so that most pairs are told apart at
// once.
QRectF ReachOf(const Prim& p) {
  if (p.op == Op::Text || p.op == Op::RotatedText || p.points.isEmpty()) return {};
  double x1 = p.points[0].x(), x2 = x1, y1 = p.points[0].y(), y2 = y1;
  // An arc's rays only aim it; its corners bound it.
  const qsizetype n = (p.op == Op::Arc || p.op == Op::Pie) ? 2 : p.points.size();
  for (qsizetype i = 0; i < n; ++i) {
    x1 = std::min(x1, double(p.points[i].x())), x2 = std::max(x2, double(p.points[i].x()));
    y1 = std::min(y1, double(p.points[i].y())), y2 = std::max(y2, double(p.points[i].y()));
  }
  const double pen = std::max(1, p.pen.width) / 2.0 + 1;
  return QRectF(QPointF(x1 - pen, y1 - pen), QPointF(x2 + pen, y2 + pen));
}

bool IsCardFigure(const QString& chart, const Prim& t) {
  static const QRegularExpression figure("^\\d{1,2}$");
  return t.op == Op::RotatedText && (chart == "chart4" || chart == "Chart3") && figure.match(t.text).hasMatch();
}

Kind KindOf(const Painted& p, qsizetype at) {
  const Prim& t = p.log[at];
  static const QRegularExpression number("^-?\\d+$");
  const bool numeric = number.match(t.text).hasMatch();
  if (p.Chart == "MAPChart") {
    // The beacons are written right below their symbols, first of all the
    // map's texts; the holding's labels are its only turned texts.
    if (t.op == Op::RotatedText) return Kind::Holding;
    if (t.font.color == clr::White && t.font.size == FontState().size && !t.text.startsWith("Press ") &&
        !t.text.startsWith("= "))
      return Kind::Beacon;
    return Kind::Fixed;
  }
  if (IsCardFigure(p.Chart, t)) return Kind::Card;
  const bool glass = p.Type != "SEP";
  const int step = p.steps.value(at, -1);
  if (glass && step == int(PanelStep::EFISSpeedTape)) {
    // The speed tape's figures and marks: all but the read-out (white on
    // black) and the data box's lines and wind at its left edge.
    if (t.points[0].x() == 4 || t.points[0].x() == 8 || (t.font.color == clr::White && t.brush.color == clr::Black &&
                                                          t.brush.style == BrushStyle::Solid))
      return Kind::Fixed;
    return Kind::Tape;
  }
  if (glass && step == int(PanelStep::EFISAltitudeTape) && numeric && t.points[0].x() == 25) return Kind::Tape;
  // The scale's figures are single digits.
  if (p.Type == "SEP EFIS" && step == int(PanelStep::EFISVerticalSpeed) && t.text.size() > 1) return Kind::PointerReadOut;
  return Kind::Fixed;
}

// Paints `chart` on a recording canvas, noting which panel step drew what.
Painted Record(const QString& chart, QSize size, const SimState& s, const PanelLayout& L, QSize client) {
  RecordingCanvas c;
  QVector<int> steps;
  int step = -1;
  auto mark = [&] {
    while (steps.size() < c.log.size()) steps << step;
  };
  PanelInputs in;
  in.Gauges.Client = client;
  in.Gauges.Chart3Width = L.Of("Chart3").width();
  in.Gauges.Stopped = s.JoystickLeverRpm != 0;
  in.Gauges.FlapLabels = {"UP", "1", "5", "15"};
  const PanelStepHook hook = [&](PanelStep next) {
    mark();
    step = int(next);
  };
  if (chart == "Chart1") {
    AdiView v;
    v.Width = size.width();
    v.Height = size.height();
    v.ClientWidth = client.width();
    v.Zoom = L.Chart1Zoom;
    DrawAttitudeOverlay(c, s, v);
  } else if (chart == "Chart2") {
    PaintChart2(c, s, in, hook);
  } else if (chart == "Chart3") {
    PaintChart3(c, s, in, hook);
  } else if (chart == "chart4") {
    DrawHeadingIndicator(c, s, in.Options, size.width(), size.height());
  } else {
    AreaState area;
    FillDefaultArea(area);
    BrVORXY(area.VorList, area.NdbList, area.IlsList);
    area.AreaName = "Area1";
    // The widest idents, so that no room is sized for narrow ones.
    area.VorList[0].Name = "MWM";
    area.VorList[1].Name = "WWW";
    area.NdbList[0].Name = "WMW";
    DrawMap(c, size.width(), size.height(), s, area, true);
  }
  mark();
  Painted p{s.AircraftType, chart, size, c.log, steps, {}, {}};
  for (const Prim& f : p.log) p.reach << ReachOf(f);
  return p;
}

// The texts of a painted chart that can be seen: not blank, not wholly off
// the chart, not wholly under a filled box painted later.
void FindTexts(Painted& p) {
  const QRect chart(QPoint(0, 0), p.Size);
  const QVector<Prim>& log = p.log;
  // The solid boxes, which hide what they wholly cover.
  QVector<qsizetype> boxes;
  for (qsizetype k = 0; k < log.size(); ++k)
    if ((log[k].op == Op::Rectangle || log[k].op == Op::FillRect) && log[k].brush.style == BrushStyle::Solid) boxes << k;
  for (qsizetype k = 0; k < log.size(); ++k) {
    const Prim& t = log[k];
    if (t.op != Op::Text && t.op != Op::RotatedText) continue;
    const Measure& m = MeasureOf(t.font, t.text);
    if (m.ink.isEmpty()) continue;
    Shown s;
    s.at = k;
    s.upright = Upright(t);
    const QPoint at = t.points.value(0);
    if (s.upright) {
      s.ink = m.ink.translated(at);
      s.box = m.box.translated(at);
      s.opaque = t.brush.style == BrushStyle::Solid;
    } else {
      QTransform turn;
      turn.rotate(-t.angle);
      s.ink = turn.mapRect(QRectF(m.ink)).toAlignedRect().translated(at);
      QTransform back;
      back.rotate(t.angle);
      s.turned = QRectF(m.ink).translated(back.map(QPointF(at)));
    }
    if (!s.ink.intersects(chart)) continue;
    const QRectF area = AreaOf(s.ink);
    const bool hidden = std::any_of(std::upper_bound(boxes.cbegin(), boxes.cend(), k), boxes.cend(),
                                    [&](qsizetype later) { return FillCovers(log[later], area, true); });
    if (hidden) continue;
    s.kind = KindOf(p, k);
    p.texts << s;
  }
}

// ---------------------------------------------------------------------------
// The pairs the design paints over each other.

bool Warning(const QString& text) {
  static const QStringList warnings = {"  P A U S E  ", "TERRAIN", "WINDSHEAR", "TRAFFIC", "PULL UP"};
  return warnings.contains(text);
}

// One side of a pair the design paints over each other: a text as it is
// written, or a class of texts.
struct TextMatch {
  QString Text;
  bool (*Is)(const Prim&) = nullptr;
  bool operator()(const Prim& t) const { return Is ? Is(t) : t.text == Text; }
};

bool SpeedReadOut(const Prim& t) {
  static const QRegularExpression knots("^\\d+$");
  return t.font.color == clr::White && t.brush.color == clr::Black && knots.match(t.text).hasMatch();
}
bool ThrustLeverStatus(const Prim& t) {
  return t.text == " Joystick Thrust OFF " || t.text == " Joystick Thrust ON ";
}

struct DesignedPair {
  const char* Type;
  const char* Chart;
  TextMatch First, Second;
  const char* Why;
};

// The texts the design places over each other, whatever the chart's size.
const DesignedPair kDesignedPairs[] = {
    {"737", "Chart3", {" 29.92   "}, {" 1013    "},
     "the baro box's two lines are written 19 px apart in a 14-pt font, whose line is 22 px, on full-size cells, "
     "and shrink alike on smaller ones: the lower line's background covers the foot of the upper line, below its "
     "figures"},
    {"737", "Chart2", {"V1"}, {{}, SpeedReadOut},
     "\"V1\" is written 35 px right of the speed read-out's left edge, 5 px left of the other marks: as the speed "
     "nears 129 kt the mark passes under the read-out's last figure, which is painted over it"},
    {"737", "Chart3", {{}, ThrustLeverStatus}, {"[ / *  - + ]"},
     "the thrust lever's status is written at (3U - 50, 2U - 30), the key hint at (3U - 10, 2U - 40) "
     "on full-size cells: while the throttle has been moved, the hint is painted over the status's upper half"},
};

// The shapes a text meets by design, by what draws them: every pair here
// meets at the reference size too, where the panel has its designed looks.
struct DesignedCrossing {
  const char* Type;  // nullptr: every type
  const char* Chart;
  bool (*Text)(const Painted&, const Shown&);
  bool (*Shape)(const Painted&, qsizetype);
  const char* Why;
};

// The jet's vertical-speed read-out, below the scale while descending, and
// the scale's slanted foot.
bool JetVerticalSpeedReadOut(const Painted& p, const Shown& t) {
  return p.steps.value(t.at) == int(PanelStep::EFISVerticalSpeed) && p.log[t.at].text.size() > 1;
}
bool SlantedScaleEdge(const Painted& p, qsizetype k) {
  const Prim& f = p.log[k];
  return p.steps.value(k) == int(PanelStep::EFISVerticalSpeed) && f.op == Op::Line &&
         f.points[0].x() != f.points[1].x() && f.points[0].y() != f.points[1].y();
}

const DesignedCrossing kDesignedCrossings[] = {
    {"737", "Chart3", JetVerticalSpeedReadOut, SlantedScaleEdge,
     "the read-out below the vertical-speed scale is written 15 px below the scale's foot, which slants down 20 px "
     "to the left across it"},
};

// Why a text and a shape that meet are left aside; empty for a fault.
// `row` tells which row of the table did.
QString ShapeLeftAside(const Painted& p, const Shown& t, qsizetype shape, int& row) {
  row = -1;
  if (t.kind == Kind::Card) return "a compass card's figures turn under the needles and index marks";
  if (Needle(p.log[shape], p.steps.value(shape, -1))) return "a needle sweeps over its dial's figures";
  if (Warning(p.log[t.at].text)) return "a warning is painted over the instrument while it lasts";
  for (int i = 0; i < int(std::size(kDesignedCrossings)); ++i) {
    const DesignedCrossing& d = kDesignedCrossings[i];
    if ((!d.Type || p.Type == d.Type) && (!d.Chart || p.Chart == d.Chart) && d.Text(p, t) && d.Shape(p, shape)) {
      row = i;
      return d.Why;
    }
  }
  return {};
}

// Why a pair of texts that meet is left aside; empty for a fault.
QString TextsLeftAside(const Painted& p, const Shown& first, const Shown& second) {
  const Prim &a = p.log[first.at], &b = p.log[second.at];
  // The jets write the thrust lever's status once for each dial, in one place.
  if (a.text == b.text && a.points == b.points && a.font.size == b.font.size) return "one text written twice in one place";
  if (Warning(a.text) || Warning(b.text)) return "a warning is painted over the instrument while it lasts";
  // The piston's vertical-speed read-out is painted over the scale's
  // figures it passes.
  if (second.kind == Kind::PointerReadOut && second.opaque && a.text.size() == 1 &&
      p.steps.value(first.at) == int(PanelStep::EFISVerticalSpeed))
    return "the pointer's read-out rides over the scale's figures on its own background";
  for (const DesignedPair& d : kDesignedPairs)
    if (p.Type == d.Type && p.Chart == d.Chart && ((d.First(a) && d.Second(b)) || (d.First(b) && d.Second(a))))
      return d.Why;
  return {};
}

QString Describe(const Painted& p, const Shown& s) {
  const Prim& t = p.log[s.at];
  return QString("%1 \"%2\" (%3 %4 pt%5%6) ink %7,%8 %9x%10")
      .arg(KindName(s.kind), t.text, t.font.name)
      .arg(t.font.size)
      .arg(t.font.bold ? " bold" : "")
      .arg(s.upright ? "" : QString(", turned %1").arg(t.angle))
      .arg(s.ink.x())
      .arg(s.ink.y())
      .arg(s.ink.width())
      .arg(s.ink.height());
}

// Whether two texts' inks meet. Two texts turned alike are compared turned
// back, where their boxes are exact; the upright bounds of a turned box are
// not.
bool InksMeet(const Painted& p, const Shown& a, const Shown& b) {
  if (!a.ink.intersects(b.ink)) return false;
  if (a.upright || b.upright || p.log[a.at].angle != p.log[b.at].angle) return true;
  return a.turned.intersects(b.turned);
}

struct Fault {
  QString kind;  // what a run of like faults shares
  QString line;
};

QString Header(const Painted& p) { return QString("%1 %2x%3").arg(p.Chart).arg(p.Size.width()).arg(p.Size.height()); }

// The faults of one painted chart; the rows of the designed crossings
// that left a pair aside are added to `rowsMet`.
QVector<Fault> Faults(const Painted& p, QSet<int>* rowsMet = nullptr) {
  QVector<Fault> out;
  const QRect chart(QPoint(0, 0), p.Size);
  auto add = [&](const Shown& t, const QString& what, const QString& detail) {
    static const QRegularExpression digits("\\d");
    QString text = p.log[t.at].text;
    text.replace(digits, "9");
    out.append({QString("%1|%2|%3|%4").arg(p.Type, p.Chart, text, what),
                QString("%1: %2 %3").arg(Header(p), Describe(p, t), detail)});
  };
  for (int i = 0; i < p.texts.size(); ++i) {
    const Shown& t = p.texts[i];
    const QRectF area = AreaOf(t.ink);
    if ((t.kind == Kind::Fixed || t.kind == Kind::Card || t.kind == Kind::PointerReadOut) && !chart.contains(t.ink))
      add(t, "off the chart", "not inside the chart");
    // The shapes of the chart.
    if (t.upright && t.kind != Kind::Holding) {
      qsizetype from = 0;
      if (t.kind == Kind::Beacon) {
        // Its own symbol: what is drawn after the text before it.
        from = t.at;
        while (from > 0 && p.log[from - 1].op != Op::Text && p.log[from - 1].op != Op::RotatedText) --from;
      }
      const qsizetype to = t.kind == Kind::Beacon ? t.at : p.log.size();
      for (qsizetype k = from; k < to; ++k) {
        if (k == t.at) continue;
        const Prim& f = p.log[k];
        if (f.op == Op::Text || f.op == Op::RotatedText || !p.reach[k].intersects(area)) continue;
        const bool after = k > t.at;
        if (after && t.kind == Kind::Tape) continue;  // a tape passes under what is painted over it
        QString what;
        if (after && FillCovers(f, area, false)) what = "covered by";
        else if ((after || !t.opaque) && OutlineCrosses(f, area)) what = after ? "crossed by" : "painted over";
        else if (!after && t.kind == Kind::Tape && FillCovers(f, area, false) && !FillCovers(f, area, true))
          what = "painted over the edge of";
        if (what.isEmpty()) continue;
        int row = -1;
        if (!ShapeLeftAside(p, t, k, row).isEmpty()) {
          if (row >= 0 && rowsMet) rowsMet->insert(row);
          continue;
        }
        add(t, what + ' ' + OpName(f.op), QString("%1 %2 (painted %3)").arg(what, DescribeShape(f), after ? "after" : "before"));
      }
    }
    // The other texts.
    if (t.kind == Kind::Beacon) continue;
    for (int j = i + 1; j < p.texts.size(); ++j) {
      const Shown& u = p.texts[j];
      if (u.kind == Kind::Beacon || (t.kind == Kind::Holding) != (u.kind == Kind::Holding)) continue;
      // A later text's background covers an earlier text's ink.
      const bool meet = InksMeet(p, t, u) || (u.opaque && u.box.intersects(t.ink));
      if (!meet) continue;
      // A tape's figure passes under a read-out on its own background.
      if (t.kind == Kind::Tape && u.kind != Kind::Tape && u.opaque) continue;
      if (!TextsLeftAside(p, t, u).isEmpty()) continue;
      add(t, "meets " + p.log[u.at].text, "meets " + Describe(p, u));
    }
  }
  return out;
}

const char* MapName(MapPlace m) {
  return m == MapPlace::Hidden ? "map hidden" : m == MapPlace::Beside ? "map beside" : "map full";
}

// `chart` in this layout, painted in `flight`.
Painted PaintIn(QSize client, const QString& type, MapPlace map, Flight f, const QString& chart, const PanelLayout& L) {
  SimState s;
  s.AircraftType = type;
  s.CellFrameMargin = 2;
  s.CellFrameCornerCut = 30;
  SetCellLayout(s, L.CellSize);
  SetChartCentres(s, L.Of("Chart1").size(), L.Of("chart4").size());
  SetEngineCentre(s);
  s.MapVisible = map != MapPlace::Hidden;
  s.MapFullSize = map == MapPlace::Full;
  s.MapCentreX = L.Of("MAPChart").width() / 2;
  s.MapCentreY = L.Of("MAPChart").height() / 2;
  SetFlight(s, f);
  Painted p = Record(chart, L.Of(chart.toStdString()).size(), s, L, client);
  FindTexts(p);
  return p;
}

PanelLayout LayoutOf(QSize client, const QString& type, MapPlace map) {
  PanelLayoutInput in;
  in.Client = client;
  in.Type = type;
  in.Map = map;
  return LayOutPanel(in);
}

// The client area of a 1920 x 1080 screen less a desktop's bars, where the
// panel has its designed looks.
constexpr QSize kReference(1920, 1041);

struct Found {
  QString kind;
  QString line;
  QStringList where;  // client areas and states
};

// Every chart shown in this layout, painted in each flight; faults are
// collected once per distinct picture.
void CheckClient(QSize client, const QString& type, MapPlace map, QSet<QString>& seen, QMap<QString, Found>& faults,
                 QSet<int>& rowsMet) {
  const PanelLayout L = LayoutOf(client, type, map);
  QStringList charts = {"Chart1", "Chart2", "Chart3", "chart4"};
  if (map != MapPlace::Hidden) charts << "MAPChart";
  for (Flight f : {Flight::Cruise, Flight::Approach, Flight::TakeOff}) {
    for (const QString& chart : charts) {
      const QSize size = L.Of(chart.toStdString()).size();
      const QString key = QString("%1|%2|%3|%4|%5x%6|%7|%8%9|%10")
                              .arg(type, MapName(map), chart)
                              .arg(L.CellSize)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(int(f))
                              .arg(client.width() > kWideClientWidth)
                              .arg(client.height() >= kLowClientHeight)
                              .arg(L.Chart1Zoom);
      if (seen.contains(key)) continue;
      seen.insert(key);
      const QString where =
          QString("%1x%2 %3, %4").arg(client.width()).arg(client.height()).arg(MapName(map), NameOf(f));
      QSet<int> met;
      for (const Fault& fault : Faults(PaintIn(client, type, map, f, chart, L), &met)) {
        Found& found = faults[fault.kind];
        if (found.line.isEmpty()) found = {fault.kind, fault.line, {}};
        found.where << where;
      }
      if (client == kReference) rowsMet.unite(met);
    }
  }
}

// The client areas: a grid over the range, its edges, and the sizes users
// meet (a 1920 x 1080, a 1366 x 768 and a 1280 x 720 screen less a desktop's
// bars).
QVector<QSize> ClientAreas() {
  QVector<int> widths, heights;
  for (int w = 1180; w < 2560; w += 20) widths << w;
  widths << 2560;
  for (int h = 610; h < 1440; h += 20) heights << h;
  heights << 1440;
  // The reference first, so that a fault found there is named there.
  QVector<QSize> out = {kReference, QSize(1920, 1042), QSize(1366, 698), QSize(1280, 650), QSize(1600, 900)};
  for (int w : widths)
    for (int h : heights) out << QSize(w, h);
  return out;
}

QStringList Sweep(const QString& type) {
  QSet<QString> seen;
  QMap<QString, Found> faults;
  QSet<int> rowsMet;
  const QVector<QSize> clients = ClientAreas();
  for (MapPlace map : {MapPlace::Hidden, MapPlace::Beside, MapPlace::Full})
    for (QSize client : clients) CheckClient(client, type, map, seen, faults, rowsMet);
  QStringList out;
  // A row that leaves aside no pair at the reference size names no design.
  for (int i = 0; i < int(std::size(kDesignedCrossings)); ++i) {
    const DesignedCrossing& d = kDesignedCrossings[i];
    if ((!d.Type || type == d.Type) && !rowsMet.contains(i))
      out << QString("the designed crossing \"%1\" (%2) meets nothing at %3x%4")
                 .arg(d.Why, d.Chart)
                 .arg(kReference.width())
                 .arg(kReference.height());
  }
  const QString reference = QString("%1x%2 ").arg(kReference.width()).arg(kReference.height());
  for (const Found& f : faults) {
    QString line = QString("%1, %2").arg(f.where.first(), f.line);
    if (f.where.first().startsWith(reference)) line += "\n    (at the reference size too)";
    if (qEnvironmentVariableIsSet("PAINTED_TEXTS_ALL")) {
      // Every client area where it occurs.
      QStringList sizes;
      for (const QString& w : f.where)
        if (!sizes.contains(w.section(' ', 0, 0))) sizes << w.section(' ', 0, 0);
      line += QString("\n    at %1 client areas: %2").arg(sizes.size()).arg(sizes.join(' '));
    } else if (f.where.size() > 1) {
      line += QString("\n    and %1 more: %2%3")
                  .arg(f.where.size() - 1)
                  .arg(f.where.mid(1, 6).join("; "))
                  .arg(f.where.size() > 7 ? "; ..." : "");
    }
    out << line;
  }
  return out;
}

void ExpectNoFaults(const QString& type) {
  const QStringList faults = Sweep(type);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " distinct faults:\n"
                                << faults.mid(0, qEnvironmentVariableIsSet("PAINTED_TEXTS_ALL") ? 100000 : 40)
                                       .join('\n')
                                       .toStdString();
}

}  // namespace

// The measure the sweeps rely on holds every pixel the canvas paints for a
// text, and little more.
TEST_F(PaintedTexts, InkHoldsThePaintedPixels) {
  for (int size : {5, 8, 10, 14, 16})
    for (bool bold : {false, true})
      for (const QString& text : {QString("10"), QString("MWM"), QString(" 29.92   "), QString("[ G - H ]"),
                                  QString("240 / 20"), QString("Wj")}) {
        FontState f;
        f.size = size;
        f.bold = bold;
        f.color = clr::White;
        QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
          QPainter painter(&image);
          PainterCanvas c(&painter);
          c.Brush.style = BrushStyle::Clear;
          c.Font = f;
          c.TextOut(100, 100, text);
        }
        QRect painted;
        for (int y = 0; y < image.height(); ++y)
          for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y))) painted |= QRect(x, y, 1, 1);
        const QRect ink = MeasureOf(f, text).ink.translated(100, 100);
        EXPECT_TRUE(ink.contains(painted)) << text.toStdString() << " " << size << " pt: painted " << painted.x() << ","
                                           << painted.y() << " " << painted.width() << "x" << painted.height()
                                           << ", measured " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                           << ink.height();
        // No more than a pixel's slack on any side, so that a text a pixel
        // clear of a line does not read as crossed; two on the right after
        // leading blanks, whose advance the painter rounds its own way.
        const bool leadingBlank = text.front().isSpace();
        EXPECT_LE(painted.left() - ink.left(), 1) << text.toStdString() << " " << size << " pt";
        EXPECT_LE(ink.right() - painted.right(), leadingBlank ? 2 : 1) << text.toStdString() << " " << size << " pt";
        EXPECT_LE(painted.top() - ink.top(), 1) << text.toStdString() << " " << size << " pt";
        EXPECT_LE(ink.bottom() - painted.bottom(), 1) << text.toStdString() << " " << size << " pt";
      }
}

TEST_F(PaintedTexts, RoundDialPanelEveryClientArea) { ExpectNoFaults("SEP"); }
TEST_F(PaintedTexts, PistonGlassPanelEveryClientArea) { ExpectNoFaults("SEP EFIS"); }
TEST_F(PaintedTexts, JetPanelEveryClientArea) { ExpectNoFaults("737"); }
