#pragma once
// The vertical approach profile: a side view of an ILS approach with the
// runway at the left, distances growing to the right and heights upward,
// and the flown track projected onto the approach course.
#include <QPoint>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

#include "areas/areamodel.h"
#include "platform/canvas.h"
#include "simulator/simstate.h"

namespace tvx {

// The approach the profile shows, and the runway point and elevation it is
// measured from. These are the profile's own copies: drawing never changes
// the VOR 1 station or the airport elevation the flight uses.
struct ProfileApproach {
  int FinalCourse = 0;
  double LocatorDistance = 0;
  QString LocatorName;
  QString RunwayName;
  double StationX = 0, StationY = 0;
  int Elevation = 0;
};

// Whether an ILS frequency text matches the active VOR 1 frequency: equal,
// or one of them is the other followed by "0" ("110.3" and "110.30").
bool IlsFrequencyMatches(const QString& ilsFrequency, const QString& active);

// The ILS slot the profile shows: with an ILS tuned, the first used slot on
// the active frequency; with none tuned, slot 1 (index 0). -1 when there is
// no such slot.
int ApproachSlot(const AreaBeaconList& ils, const QString& vor1Active, bool ilsTuned);

// The approach of `ApproachSlot`: with an ILS tuned, measured from the tuned
// station and airport elevation; with none tuned, from ILS slot 1's runway
// point and elevation. Empty when there is no slot to show.
std::optional<ProfileApproach> ChooseApproach(const AreaBeaconList& ils, const QString& vor1Active, const SimState& s);

// Screen scales of the profile for a cell size and the zoom 1..4.
struct ProfileScale {
  int U = 0;
  int X0 = 0;  // screen x of the runway threshold
  int Yg = 0;  // screen y of the runway elevation (ground line)
  int H = 0;   // pixels per NM horizontally
  int V = 0;   // pixels per 1000 ft vertically
};
ProfileScale ProfileScaleOf(int cellSize, double verticalMapScale);

// The screen point of `distanceNm` out along the approach at `altitudeFt`.
QPoint ProfilePoint(const ProfileScale& p, double distanceNm, double altitudeFt, int elevationFt);

// The far end of a glide path of `angleDeg`, 16 NM out.
QPoint GlidePathEnd(const ProfileScale& p, double angleDeg);

// The five 1000-ft lines above the airport elevation.
struct AltitudeLine {
  int Y = 0;
  int Feet = 0;
};
std::vector<AltitudeLine> AltitudeLines(const ProfileScale& p, int elevationFt);

// Compass bearing (degrees) from the station to a point of the plane.
double BearingFromStation(QPointF station, QPointF point);

// Distance of a point from the station along the approach course, positive
// on the approach side.
double AlongCourseDistance(QPointF station, QPointF point, int finalCourseDeg);

// The profile's drawing; with no approach only the scales (ground line,
// distance marks, altitude lines) and the key hint.
void DrawVerticalProfile(Canvas& c, const SimState& s, const std::optional<ProfileApproach>& approach, int hintLineY);

// The whole profile chart: frame, then the profile.
void DrawProfileChart(Canvas& c, int width, int height, const SimState& s,
                      const std::optional<ProfileApproach>& approach, int hintLineY);

}  // namespace tvx
