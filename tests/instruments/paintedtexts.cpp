// The texts an instrument chart paints, recorded from a canvas, measured by
// their ink in the fonts they are painted in, and the reach of the shapes
// painted with them.
#include "instruments/paintedtexts.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

#include "areas/areamodel.h"
#include "instruments/attitude.h"
#include "instruments/hsi.h"
#include "instruments/mapdraw.h"
#include "instruments/textink.h"

namespace tvx::test::painted {

// ---------------------------------------------------------------------------
// The ink of a text, measured with the metrics of the font a painting canvas
// writes with, where it puts it: the baseline one ascent below the anchor,
// the glyphs turned about the anchor.

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

const char* KindName(Kind k) {
  switch (k) {
    case Kind::Fixed: return "fixed";
    case Kind::Tape: return "tape";
    case Kind::Beacon: return "beacon";
    case Kind::Holding: return "holding label";
    case Kind::Card: return "card figure";
    case Kind::Ladder: return "ladder figure";
    case Kind::PointerReadOut: return "pointer read-out";
  }
  return "";
}

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
  // The altitude tape's figures: white on the chart's grey, below the
  // read-out (white on black) and beside the bug's value (lime).
  if (glass && step == int(PanelStep::EFISAltitudeTape) && numeric && t.font.color == clr::White &&
      t.brush.color != clr::Black)
    return Kind::Tape;
  if (p.Chart == "Chart1" && t.op == Op::RotatedText && numeric) return Kind::Ladder;
  // The scale's figures are single digits.
  if (p.Type == "SEP EFIS" && step == int(PanelStep::EFISVerticalSpeed) && t.text.size() > 1) return Kind::PointerReadOut;
  return Kind::Fixed;
}

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
  Painted p{s.AircraftType, chart, size, std::move(c.log), steps, {}, {}};
  for (const Prim& f : p.log) p.reach << ReachOf(f);
  return p;
}

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

}  // namespace tvx::test::painted
