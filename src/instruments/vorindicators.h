#pragma once
// The VOR 1/ILS and VOR 2 course-deviation indicators of the round-dial
// panel, and the VOR 1/ILS computation whose results the HSI, the ILS strips
// and the tick read on every aircraft type.
#include <QString>

#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// Deviation (10 = full scale, positive: bar right of the course) and flag
// text ("TO", "FROM", "OFF") of a course-deviation indicator.
struct CdiReading {
  double Deviation = 0;
  QString ToFrom;
};

// From the radial the aircraft is on and the selected course: the flag by
// the angle between them, the deviation by the first row of the table that
// applies.
CdiReading CdiFromRadial(double radial, int course);
// "OFF" and a centred bar when the station is not received.
CdiReading ReadCdi(bool received, double radial, int course);

// Glide angle (degrees) seen from the ILS: 90 at zero distance.
double GlideAngle(double altitude, int airportElevation, double distanceNm);
// Glideslope deviation for a 3-degree path, full scale 0.7 degree either side.
double GlideslopeDeviationFor(double glideAngle);

// Vor1Deviation, GlideslopeDeviation, Vor1ToFrom and OverOuterMarker from
// the radios and the aircraft's position.
void ComputeVor1Ils(SimState& s);
// VOR 2's reading; kept by nobody.
CdiReading ComputeVor2(const SimState& s);

// Deviation scale of the classic indicators: a deviation of 10 moves a bar
// this many pixels.
int CdiScale(const SimState& s);

void DrawVOR1Card(Canvas& c, const SimState& s);
void DrawVOR2Card(Canvas& c, const SimState& s);
// Needles, flags and legends of VOR 1 ("SEP" only; the glass types draw
// nothing here).
void DrawVOR1Needles(Canvas& c, const SimState& s);
void DrawVOR2Needle(Canvas& c, const SimState& s);

}  // namespace tvx
