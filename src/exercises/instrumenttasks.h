#pragma once
// The instrument-flying exercises without the window: each draws its values
// from the shared random generator and words its task from the present
// flight state (altitude and heading), where and however the aircraft flies.
#include <QStringList>

#include "exercises/exercisesetup.h"
#include "exercises/exstate.h"

namespace tvx {

// The present altitude rounded to the nearest 100 ft (halves away from zero).
int RoundedLevel(double altitude);

// A heading of a turn by `angle` from the present heading rounded to 10
// degrees: to the right when `side` is 0, to the left when 1. Always in
// 10..360; north is 360, never 0.
int TurnTargetHeading(double heading, int angle, int side);

// The reciprocal of a heading 0..359, in 0..359.
int ReciprocalHeading(int heading);

enum class InstrumentTask {
  LevelSpeed,    // hold an airspeed in level flight
  Reciprocal,    // the question: the reciprocal of a heading
  ClimbSpeed,    // climb 500 ft at an airspeed
  ClimbRate,     // climb at an airspeed and vertical speed
  DescentSpeed,  // descend 500 ft at an airspeed
  DescentRate,   // descend at an airspeed and vertical speed
  Turn,          // turn to a heading
  Vector         // a level change, then a turn
};

// The task's memo lines. Its values go into `ex`: ExValueA the airspeed (or
// the heading asked, or the turn angle), ExValueB the level (or the rounded
// heading), ExValueC the vertical speed (or the new heading), ExSide the
// 0/1 draw; the reciprocal question also stores its answer in ExAnswer.
// A descent whose level would be at or below `airportElevation` is not given:
// its line says so and names the present level to hold (ExValueB).
QStringList DrawInstrumentTask(InstrumentTask task, ExerciseState& ex, double altitude, double heading,
                               int airportElevation);

// The wind demonstration: the aircraft 6 NM west of VOR "AAA" heading 270,
// in a wind drawn anew each time (ExValueC direction, ExValueD speed).
struct WindDemo {
  StartPanelEntry Panel;
  QStringList Task;
};
WindDemo DrawWindDemo(ExerciseState& ex);

}  // namespace tvx
