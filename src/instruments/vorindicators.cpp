#include "instruments/vorindicators.h"

#include <algorithm>
#include <cmath>

#include "instruments/dial.h"
#include "platform/textutil.h"

namespace tvx {

CdiReading CdiFromRadial(double radial, int course) {
  CdiReading r;
  const double reciprocal = radial + 180 >= 360 ? radial + 180 - 360 : radial + 180;
  const double d = course - radial;
  const double A = std::abs(d);
  const double B = std::abs(course - reciprocal);
  const bool courseAhead = course >= radial;

  if (A <= 89.5 || A >= 270.5) r.ToFrom = "FROM";
  else if (A < 90.5 || (A > 269.5 && A < 270.5)) r.ToFrom = "OFF";
  else r.ToFrom = "TO";

  // The first row that applies. Within 10 degrees of the radial the bar
  // shows the difference; within 10 degrees of the reciprocal the difference
  // against it with the sense reversed; full scale elsewhere, centred in the
  // 1-degree bands around 90 and 270 degrees off.
  if (A <= 10) r.Deviation = d;
  else if (A < 89.5) r.Deviation = courseAhead ? 10 : -10;
  else if (A < 90.5) r.Deviation = 0;
  else if (A < 170) r.Deviation = courseAhead ? 10 : -10;
  else if (B <= 10) r.Deviation = reciprocal - course;
  else if (B >= 350) r.Deviation = reciprocal >= course ? reciprocal - course - 360 : reciprocal - course + 360;
  else if (A <= 269.5) r.Deviation = courseAhead ? -10 : 10;
  else if (A < 270.5) r.Deviation = 0;
  else if (A < 350) r.Deviation = courseAhead ? -10 : 10;
  else r.Deviation = courseAhead ? d - 360 : d + 360;
  return r;
}

CdiReading ReadCdi(bool received, double radial, int course) {
  if (!received) return {0, "OFF"};
  return CdiFromRadial(radial, course);
}

double GlideAngle(double altitude, int airportElevation, double distanceNm) {
  if (distanceNm == 0) return 90;
  return std::atan((altitude - airportElevation) / (distanceNm * 6076)) * 180.0 / M_PI;
}

double GlideslopeDeviationFor(double g) {
  if (g > 3.7) return -10;
  if (g < 2.3) return 10;
  return (3 - g) * 100 / 7;
}

void ComputeVor1Ils(SimState& s) {
  s.GlideslopeDeviation = -10;
  const CdiReading r = ReadCdi(s.Vor1Received, s.Vor1Radial, s.Obs1Course);
  s.Vor1ToFrom = r.ToFrom;
  s.Vor1Deviation = r.Deviation;
  if (s.IlsTuned) {
    s.GlideslopeDeviation = GlideslopeDeviationFor(GlideAngle(s.Altitude, s.AirportElevation, s.Vor1Distance));
    // Full scale at 2.5 degrees off the final course.
    s.Vor1Deviation = std::clamp(s.Vor1Deviation * 4, -10.0, 10.0);
  }
  s.OverOuterMarker = s.IlsTuned && std::hypot(s.OuterMarkerX - s.AircraftX, s.OuterMarkerY - s.AircraftY) < 0.5;
  // Station passage: the flag goes off, the bar keeps its deviation.
  if (!s.IlsTuned && s.Vor1Distance < 0.19) s.Vor1ToFrom = "OFF";
}

CdiReading ComputeVor2(const SimState& s) {
  CdiReading r = ReadCdi(s.Vor2Received, s.Vor2Radial, s.Obs2Course);
  if (s.Vor2Distance < 0.19) r.ToFrom = "OFF";
  return r;
}

int CdiScale(const SimState& s) { return (2 * (s.InstrumentRadius - s.TickLengthLong - 13)) / 3; }

namespace {

void DrawCourseCard(Canvas& c, const SimState& s, int cx, int cy, int course) {
  DrawRoundCard(c, s, cx, cy, course);
  // The course index at 12 o'clock: the selected course stands under it.
  const int rc = RoundCardInnerRadius(s);
  c.Pen.width = 1;
  const QPoint first = DialPoint(cx, cy, rc - s.CardTickLengthLong, -4);
  c.Polyline({first, DialPoint(cx, cy, rc, 0), DialPoint(cx, cy, rc - s.CardTickLengthLong, 4), first});
}

// Centre dot and the two rows of eleven dots.
void DrawCdiDots(Canvas& c, int cx, int cy, int scale) {
  c.Pen.width = 1;
  c.Pen.color = clr::White;
  DrawDot(c, {cx, cy}, 1);
  c.Brush.color = clr::White;
  c.Brush.style = BrushStyle::Solid;
  for (int i = 0; i <= 10; ++i) DrawDot(c, {RoundPixel((cx - scale) + 2.0 * scale * i / 10), cy}, 1);
  for (int i = 0; i <= 10; ++i) DrawDot(c, {cx, RoundPixel((cy - scale) + 2.0 * scale * i / 10)}, 1);
}

void FlagColours(Canvas& c, const QString& toFrom) {
  c.Brush.style = BrushStyle::Solid;
  if (toFrom == "TO" || toFrom == "FROM") {
    c.Brush.color = clr::Black;
    c.Font.color = clr::White;
  } else {
    c.Brush.color = clr::Red;
    c.Font.color = clr::Black;
  }
}

void CourseReadout(Canvas& c, int cx, int cy, int course) {
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
  c.Font.color = clr::White;
  c.TextOut(cx + 5, cy - 50, ThreeDigits(course));
}

void DeviationBar(Canvas& c, int cx, int cy, int scale, double deviation) {
  c.Brush.color = clr::Black;
  c.Pen.width = 2;
  const int x = RoundPixel(cx + scale * deviation / 10);
  DrawLine(c, {x, cy - scale}, {x, cy + scale});
  c.Pen.width = 1;
}

}  // namespace

void DrawVOR1Card(Canvas& c, const SimState& s) { DrawCourseCard(c, s, s.Vor1CentreX, s.Vor1CentreY, s.Obs1Course); }

void DrawVOR2Card(Canvas& c, const SimState& s) { DrawCourseCard(c, s, s.Vor2CentreX, s.Vor2CentreY, s.Obs2Course); }

void DrawVOR1Needles(Canvas& c, const SimState& s) {
  if (s.AircraftType != "SEP") return;
  const int cx = s.Vor1CentreX, cy = s.Vor1CentreY;
  const int scale = CdiScale(s);
  // Legends in the font size the ADF needle leaves.
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
  c.Font.color = clr::White;
  c.TextOut(cx + 5, cy + 5, "VOR 1");
  c.TextOut(cx + 5, cy + 20, "[ U - I ]");
  DrawCdiDots(c, cx, cy, scale);
  c.Pen.width = 1;
  c.Font.size = 10;
  FlagColours(c, s.Vor1ToFrom);
  if (!s.IlsTuned) c.TextOut(cx + 5, cy - 30, s.Vor1ToFrom);
  CourseReadout(c, cx, cy, s.Obs1Course);
  if (s.GlideslopeOff && s.IlsTuned) {
    c.Brush.color = clr::Red;
    c.Font.color = clr::Black;
    c.TextOut(cx - 30, cy - 30, "GS");
  }
  DeviationBar(c, cx, cy, scale, s.Vor1Deviation);
  if (!s.GlideslopeOff && s.IlsTuned) {
    c.Pen.width = 2;
    const int y = RoundPixel(cy - scale * s.GlideslopeDeviation / 10);
    DrawLine(c, {cx - scale, y}, {cx + scale, y});
    c.Pen.width = 1;
  }
}

void DrawVOR2Needle(Canvas& c, const SimState& s) {
  const int cx = s.Vor2CentreX, cy = s.Vor2CentreY;
  const int scale = CdiScale(s);
  c.Font.size = 10;
  c.Brush.color = clr::Black;
  c.Brush.style = BrushStyle::Solid;
  c.Font.color = clr::White;
  c.TextOut(cx + 5, cy + 5, "VOR 2");
  c.TextOut(cx + 5, cy + 20, "[ J - K ]");
  const CdiReading r = ComputeVor2(s);
  DrawCdiDots(c, cx, cy, scale);
  c.Pen.width = 1;
  FlagColours(c, r.ToFrom);
  c.TextOut(cx + 5, cy - 30, r.ToFrom);
  CourseReadout(c, cx, cy, s.Obs2Course);
  DeviationBar(c, cx, cy, scale, r.Deviation);
}

}  // namespace tvx
