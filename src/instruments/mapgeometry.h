#pragma once
// Geometry of the moving map: positions on the area plane (NM, x east, y
// SOUTH) and their screen pixels on the north-up map, the holding pattern,
// localiser feathers, range rings, the order the track is drawn in, and the
// read-out texts. No drawing here, so every figure can be checked alone.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

#include "simulator/simstate.h"

namespace tvx {

// The point `distanceNm` away from `from` on compass bearing `bearingDeg`.
QPointF PointOnBearing(QPointF from, double distanceNm, double bearingDeg);

// The screen end of a stroke of `length` pixels from `centre` on compass
// bearing `bearingDeg` (screen y grows downward), rounded.
QPoint StrokeEnd(QPoint centre, double length, double bearingDeg);

// The map's projection: the aircraft sits at the centre pixel, `PixelsPerNm`
// pixels to the NM, north up.
struct MapView {
  int CentreX = 0, CentreY = 0;
  int PixelsPerNm = 20;
  double AircraftX = 0, AircraftY = 0;

  // Unrounded screen position of an area point.
  QPointF ScreenF(QPointF nm) const;
  // The same rounded to a whole pixel.
  QPoint Screen(QPointF nm) const;
};

// The view the map uses now: centre, scale and aircraft position of `s`.
MapView MapViewOf(const SimState& s);

// A circle arc on the screen: bounding box and the start and end points of
// a counter-clockwise arc, as the canvas's Arc takes them.
struct ScreenArc {
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  QPoint From, To;
};

// The arc on the circle whose diameter is `a`-`b`, counter-clockwise on the
// screen from `from` to `to` (each one of `a`, `b`).
ScreenArc ArcOnDiameter(const MapView& view, QPointF a, QPointF b, QPointF from, QPointF to);

// The holding pattern around its fix. A is the outer end of the inbound leg,
// B the outer end of the outbound leg, P the point abeam the fix on the
// holding side. Legs last one minute at `speedKt`.
struct HoldingPattern {
  QPointF F, A, B, P;
  bool RightTurns = true;
  int InboundCourse = 0;  // radial - 180, in 0..359 for radials 0..360
  int Radial = 0;
};

// `side` "RIGHT" gives right turns; any other text a left pattern.
HoldingPattern ComputeHolding(QPointF fix, int radialDeg, const QString& side, int speedKt);

// The two turns of the pattern on the screen: the far-end turn on A-B and
// the fix-end turn on F-P, each bulging away from the legs.
ScreenArc HoldingFarArc(const MapView& view, const HoldingPattern& h);
ScreenArc HoldingFixArc(const MapView& view, const HoldingPattern& h);

// The angle (degrees, counter-clockwise) a course label is turned by, so
// that it lies along its leg and reads from the left.
double CourseLabelAngle(int courseDeg);

// A course, radial or track in whole degrees as three digits ("005").
QString CourseDigits(int value);

// The localiser feather of an ILS: the far ends, 10 NM out on the approach
// side, of the centre line and of the two edges 1.25 degrees either side.
std::array<QPointF, 3> IlsFeatherEnds(QPointF runway, int finalCourseDeg);

// The locator `distanceNm` out on the approach side of the runway.
QPointF LocatorPoint(QPointF runway, int finalCourseDeg, double distanceNm);

// Whether an ILS has a locator symbol: not for distance 0.
bool HasLocator(double distanceNm);

// The far end of the exercise course line: 15 NM from its point, back
// along the course.
QPointF CourseLineEnd(QPointF from, int courseDeg);

// The range rings (NM) drawn at a scale, largest first; 2 NM only when the
// scale is above 5 pixels per NM.
std::vector<int> RangeRingsNm(int pixelsPerNm);

// Whether the circle of `radius` pixels round `centre` passes through `box`
// (its pixels, right and bottom included).
bool CircleCrossesBox(QPoint centre, int radius, const QRect& box);

// The slots of the track history in the order they are drawn, oldest first,
// only slots that hold a point: before the ring has filled, the filled
// slots in slot order; once full, from the slot after `trackIndex` round to
// `trackIndex`.
std::vector<int> TrackDrawOrder(const std::array<TrackPoint, kTrackSlots>& history, int trackIndex);

// The read-outs of the map.
QString TrackReadout(double trackDeg);       // "Tck:005"
QString DriftReadout(double driftDeg);       // "Dft:  3"
QString TasReadout(double trueAirspeedKt);   // "TAS:115"
QString GsReadout(double groundSpeedKt);     // "GS: 98"
QString DmeReadout(bool received, double distanceNm);  // "D 12.3" or "D--- "
QString WindReadout(int directionDeg, int speedKt);    // "045 / 15"

// The wind arrow at the map's lower left: one line through its centre,
// pointing downwind, with the head at the downwind end.
struct WindArrow {
  QPoint Tail, Centre, Head, Barb1, Barb2;
};
WindArrow ComputeWindArrow(int directionDeg, int chartHeight);

// The aircraft symbol at the map centre: nose, left wing, tail, right wing.
std::array<QPoint, 4> AircraftSymbol(QPoint centre, double headingDeg);

}  // namespace tvx
