#pragma once
// The approach, arrival and departure exercises without the windows: what
// each one draws from the shared generator, in the order it draws, the
// set-up of each approach flown, and the answers the questions expect.
#include <QString>
#include <QStringList>

namespace tvx {

// --- Approaches flown east of the runway of the default area ----------------

// The wind of an approach: from the south-west (180..240) or the north-west
// (300..360) quarter, at 10 or 20 kt.
struct ApproachWind {
  int Side = 0;  // 0 south-west, 1 north-west
  int Direction = 0, Speed = 0;
};
ApproachWind DrawApproachWind();

// Where an approach starts: 3 degrees either side of the beacon's radial
// 090, heading 30 degrees across the final course 270.
struct ApproachStart {
  int Side = 0;
  QString Heading;  // "240" or "300"
  QString Radial;   // "087" or "093"
};
ApproachStart ApproachStartOfSide(int side);

// One approach exercise: the beacon the start refers to, the course
// selectors, the distance, the radios it tunes (empty: left as it is) and
// its task.
struct ApproachKind {
  QString Beacon;
  int Obs1Course = 0;
  int Obs2Course = -1;  // -1: left as it is
  QString Dme;
  QString Vor1Active, Vor2Active, AdfActive;
  bool GlideslopeOff = false;
  QStringList Task;
};
const ApproachKind& IlsApproach();
const ApproachKind& LocaliserApproach();
const ApproachKind& VorDmeApproach();
const ApproachKind& NdbApproach();

// --- Descent questions ------------------------------------------------------

// A groundspeed of 60..195 kt in steps of 5.
int DrawRodGroundspeed();
// The rate of descent on a 3-degree glideslope: 5 ft/min per knot.
int RodAnswer(int groundspeed);

// A minimum descent height of 420..690 ft in steps of 30.
int DrawVdpMdh();
// The visual descent point in NM on a 300 ft/NM path, with one decimal.
QString VdpAnswer(int mdh);

// --- Arrivals: from the locator out on a drawn QDR and back ------------------

struct FullApproach {
  ApproachWind Wind;
  int Side = 0;
  int Qdr = 0;  // 064 or 116
};
FullApproach DrawFullApproach();
// The task's first line for the ILS (ils) or the NDB approach.
QString FullApproachTask(bool ils, int qdr);

// --- Departure questions ----------------------------------------------------

// A climb gradient of 3.3 .. 8.2 % in steps of 0.1, as text with one decimal.
QString DrawClimbGradientText();
// The rate of climb at 100 kt for the gradient shown: gradient x 100 ft/min,
// read back from the text shown (0 when it is no number).
int ClimbRateForGradient(const QString& gradientText);

struct DmeClimb {
  int Roc = 0;       // 400..900 ft/min
  int Distance = 0;  // 3..10 NM
  int Height = 0;    // reached at that distance at 100 kt
};
DmeClimb DrawDmeClimb();
// The height in feet reached after `distance` NM at 100 kt (0.6 minute per
// NM) climbing at `roc`.
int HeightAtDme(int roc, int distance);

}  // namespace tvx
