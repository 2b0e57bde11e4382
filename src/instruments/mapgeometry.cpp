#include "instruments/mapgeometry.h"

#include <algorithm>
#include <cmath>

#include "platform/textutil.h"

namespace tvx {

namespace {

constexpr double kDegToRad = M_PI / 180.0;
double Sind(double deg) { return std::sin(deg * kDegToRad); }
double Cosd(double deg) { return std::cos(deg * kDegToRad); }
double Tand(double deg) { return std::tan(deg * kDegToRad); }

QPoint RoundPoint(QPointF p) { return QPoint(RoundPixel(p.x()), RoundPixel(p.y())); }

}  // namespace

QPointF PointOnBearing(QPointF from, double distanceNm, double bearingDeg) {
  return QPointF(from.x() + distanceNm * Sind(bearingDeg), from.y() - distanceNm * Cosd(bearingDeg));
}

QPoint StrokeEnd(QPoint centre, double length, double bearingDeg) {
  return RoundPoint(PointOnBearing(QPointF(centre), length, bearingDeg));
}

QPointF MapView::ScreenF(QPointF nm) const {
  return QPointF(CentreX + PixelsPerNm * (nm.x() - AircraftX), CentreY + PixelsPerNm * (nm.y() - AircraftY));
}

QPoint MapView::Screen(QPointF nm) const { return RoundPoint(ScreenF(nm)); }

MapView MapViewOf(const SimState& s) {
  MapView v;
  v.CentreX = s.MapCentreX;
  v.CentreY = s.MapCentreY;
  v.PixelsPerNm = s.MapPixelsPerNm;
  v.AircraftX = s.AircraftX;
  v.AircraftY = s.AircraftY;
  return v;
}

ScreenArc ArcOnDiameter(const MapView& view, QPointF a, QPointF b, QPointF from, QPointF to) {
  const QPointF centre = view.ScreenF((a + b) / 2.0);
  const QPointF d = b - a;
  const double r = view.PixelsPerNm * std::hypot(d.x(), d.y()) / 2.0;
  ScreenArc arc;
  arc.X1 = RoundPixel(centre.x() - r);
  arc.Y1 = RoundPixel(centre.y() - r);
  arc.X2 = RoundPixel(centre.x() + r);
  arc.Y2 = RoundPixel(centre.y() + r);
  arc.From = view.Screen(from);
  arc.To = view.Screen(to);
  return arc;
}

HoldingPattern ComputeHolding(QPointF fix, int radialDeg, const QString& side, int speedKt) {
  HoldingPattern h;
  h.RightTurns = side == "RIGHT";
  const int k = h.RightTurns ? -1 : 1;
  const double leg = speedKt / 60.0;
  h.Radial = radialDeg;
  h.InboundCourse = radialDeg - 180 < 0 ? radialDeg - 180 + 360 : radialDeg - 180;
  h.F = fix;
  h.A = PointOnBearing(fix, leg, radialDeg);
  h.B = PointOnBearing(fix, leg / Cosd(30), radialDeg + 30.0 * k);
  h.P = PointOnBearing(fix, leg * Tand(30), radialDeg + 90.0 * k);
  return h;
}

ScreenArc HoldingFarArc(const MapView& view, const HoldingPattern& h) {
  return h.RightTurns ? ArcOnDiameter(view, h.A, h.B, h.A, h.B) : ArcOnDiameter(view, h.A, h.B, h.B, h.A);
}

ScreenArc HoldingFixArc(const MapView& view, const HoldingPattern& h) {
  return h.RightTurns ? ArcOnDiameter(view, h.F, h.P, h.P, h.F) : ArcOnDiameter(view, h.F, h.P, h.F, h.P);
}

double CourseLabelAngle(int courseDeg) { return courseDeg >= 180 ? -courseDeg - 90.0 : 90.0 - courseDeg; }

QString CourseDigits(int value) {
  if (value >= 0 && value < 10) return "00" + QString::number(value);
  if (value >= 0 && value < 100) return "0" + QString::number(value);
  return QString::number(value);
}

std::array<QPointF, 3> IlsFeatherEnds(QPointF runway, int finalCourseDeg) {
  std::array<QPointF, 3> ends;
  const double angles[3] = {finalCourseDeg - 270.0, finalCourseDeg - 1.25 - 270.0, finalCourseDeg + 1.25 - 270.0};
  for (int i = 0; i < 3; ++i)
    ends[static_cast<std::size_t>(i)] =
        QPointF(runway.x() + 10.0 * Cosd(angles[i]), runway.y() + 10.0 * Sind(angles[i]));
  return ends;
}

QPointF LocatorPoint(QPointF runway, int finalCourseDeg, double distanceNm) {
  const double angle = finalCourseDeg - 270.0;
  return QPointF(runway.x() + distanceNm * Cosd(angle), runway.y() + distanceNm * Sind(angle));
}

bool HasLocator(double distanceNm) { return distanceNm != 0.0; }

QPointF CourseLineEnd(QPointF from, int courseDeg) { return PointOnBearing(from, 15.0, courseDeg - 180.0); }

std::vector<int> RangeRingsNm(int pixelsPerNm) {
  std::vector<int> rings{70, 50, 20, 10, 5};
  if (pixelsPerNm > 5) rings.push_back(2);
  return rings;
}

bool CircleCrossesBox(QPoint centre, int radius, const QRect& box) {
  // Nearest and farthest point of the box from the centre, in pixel centres.
  const double nx = std::clamp(double(centre.x()), double(box.left()), double(box.right())) - centre.x();
  const double ny = std::clamp(double(centre.y()), double(box.top()), double(box.bottom())) - centre.y();
  const double fx = std::max(std::abs(double(box.left()) - centre.x()), std::abs(double(box.right()) - centre.x()));
  const double fy = std::max(std::abs(double(box.top()) - centre.y()), std::abs(double(box.bottom()) - centre.y()));
  return std::hypot(nx, ny) <= radius && std::hypot(fx, fy) >= radius;
}

std::vector<int> TrackDrawOrder(const std::array<TrackPoint, kTrackSlots>& history, int trackIndex) {
  std::vector<int> order;
  order.reserve(kTrackSlots);
  auto take = [&](int from, int to) {
    for (int i = from; i <= to; ++i)
      if (history[static_cast<std::size_t>(i)].X != -999) order.push_back(i);
  };
  const bool full = history[kTrackSlots - 1].X != -999;
  if (!full || trackIndex < 0 || trackIndex >= kTrackSlots - 1) {
    take(0, kTrackSlots - 1);
  } else {
    take(trackIndex + 1, kTrackSlots - 1);
    take(0, trackIndex);
  }
  return order;
}

QString TrackReadout(double trackDeg) { return "Tck:" + CourseDigits(RoundPixel(trackDeg)); }
QString DriftReadout(double driftDeg) { return "Dft:" + FormatFixed(driftDeg, 3, 0); }
QString TasReadout(double trueAirspeedKt) { return "TAS:" + FormatFixed(trueAirspeedKt, 3, 0); }
QString GsReadout(double groundSpeedKt) { return "GS:" + FormatFixed(groundSpeedKt, 3, 0); }

QString DmeReadout(bool received, double distanceNm) {
  return received ? "D " + FormatFixed(distanceNm, 3, 1) : QString("D--- ");
}

QString WindReadout(int directionDeg, int speedKt) {
  return CourseDigits(directionDeg) + " / " + QString::number(speedKt);
}

WindArrow ComputeWindArrow(int directionDeg, int chartHeight) {
  const double h = std::sqrt(5.0 * 5.0 + 10.0 * 10.0);
  const double L = 1.5 * h;
  const double a = std::atan(5.0 / 10.0) / kDegToRad;
  const QPointF centre(40.0, chartHeight - 50.0);
  const QPointF tail = PointOnBearing(centre, L, directionDeg);
  const QPointF head = PointOnBearing(centre, L, directionDeg + 180.0);
  WindArrow w;
  w.Centre = RoundPoint(centre);
  w.Tail = RoundPoint(tail);
  w.Head = RoundPoint(head);
  w.Barb1 = RoundPoint(PointOnBearing(head, h, directionDeg - a));
  w.Barb2 = RoundPoint(PointOnBearing(head, h, directionDeg + a));
  return w;
}

std::array<QPoint, 4> AircraftSymbol(QPoint centre, double headingDeg) {
  return {StrokeEnd(centre, 7, headingDeg), StrokeEnd(centre, 21, headingDeg - 90.0),
          StrokeEnd(centre, 30, headingDeg + 180.0), StrokeEnd(centre, 20, headingDeg + 90.0)};
}

}  // namespace tvx
