#pragma once
// The radio-navigation exercises without the window: where each places the
// aircraft, what it asks, and the answer it expects. The answer comes from
// the bearings the simulator computes for the placed aircraft, never from
// the drawn values, so that it always agrees with what the instruments and
// the map show.
#include <QStringList>

#include "exercises/exercisesetup.h"
#include "exercises/exstate.h"
#include "simulator/simstate.h"

namespace tvx {

enum class RadioNavItem {
  Bear,       // ADF: relative bearing
  Point,      // ADF: influence of heading
  MapQdm,     // ADF: QDM on the map
  InsQdm,     // ADF: QDM on the instruments
  MapQdr,     // ADF: QDR on the map
  InsQdr,     // ADF: QDR on the instruments
  RmiQdmQdr,  // RMI: QDM or QDR
  MapRad,     // VOR: radial on the map
  VorRad,     // VOR: radial with the VOR 1 course selector
  MapCrs,     // VOR: inbound course on the map
  VorCrs,     // VOR: inbound course with the course selector
  VorChange,  // VOR: demonstration of needle and flag
  ExactRad,   // VOR: the exact radial
  ExactCrs    // VOR: the exact inbound course
};

// What the answer is read from.
enum class BearingAnswer { None, RelativeBearing, Qdm, Qdr, Radial, InboundCourse };

struct RadioNavExercise {
  bool Question = true;    // false for the demonstration, which is flown
  bool ShowMap = false;    // read from the moving map
  bool RmiNeedle = false;  // the ADF needle shown on the RMI card
  StartPanelEntry Panel;   // beacon, radial (or QDR) and heading
  QStringList Task;
  BearingAnswer Answer = BearingAnswer::None;
  // The heading a relative bearing is asked for; -1 for the aircraft's own.
  int AskedHeading = -1;
};

// Draws one exercise of `item`; the heading asked goes into ExValueA and
// the 0/1 draws into ExSide.
RadioNavExercise DrawRadioNav(RadioNavItem item, ExerciseState& ex);

// A bearing as a whole number of degrees, rounded (halves away from zero),
// in 0..359: a bearing that rounds to 360 is 0.
int WholeBearing(double bearing);

// The QDR and QDM of the aircraft from the ADF's QDR; the radial and the
// inbound course from VOR 1's radial.
inline int QdrAnswer(double adfQdr) { return WholeBearing(adfQdr); }
inline int QdmAnswer(double adfQdr) { return WholeBearing(adfQdr + 180); }
inline int RadialAnswer(double vor1Radial) { return WholeBearing(vor1Radial); }
inline int InboundCourseAnswer(double vor1Radial) { return WholeBearing(vor1Radial + 180); }

// The relative ADF bearing at `heading`, in -179..180: negative when the
// needle points left of the nose.
int RelativeBearingAnswer(double adfQdr, double heading);

// The answer `exercise` expects with the aircraft placed as `s` says.
int ExpectedBearingAnswer(const RadioNavExercise& exercise, const SimState& s);

}  // namespace tvx
