#pragma once
// The tracking exercises without the window: the aircraft 6 NM from the VOR
// "AAA" or the NDB "MMM", heading straight for it on a drawn course, in a
// square crosswind that the task states or in a wind it keeps hidden.
#include <QStringList>
#include <optional>

#include "exercises/exercisesetup.h"
#include "exercises/exstate.h"

namespace tvx {

enum class TrackingItem {
  VorTrack,      // VOR tracking, the crosswind stated
  VorTrackWind,  // VOR tracking, the wind unknown
  AdfTrack,      // ADF tracking, the crosswind stated
  AdfTrackWind,  // ADF tracking, the wind unknown
  Homing         // homing to the NDB, the crosswind stated
};

// The direction of a wind square across the course flown inbound on
// `radial`: from the right of the course when `windSide` is 0, from the
// left when 1. In 1..360: north is 360.
int CrosswindDirection(int radial, int windSide);

struct TrackingExercise {
  QString Station;  // the beacon flown to, also the course line's
  int Course = 0;   // the course to the station, also the course line's
  StartPanelEntry Panel;
  std::optional<int> Obs1Course;  // the VOR 1 course selector, VOR items only
  QStringList Task;
};

// Draws one exercise of `item`: ExValueA the course, ExValueB the radial,
// ExValueC and ExValueD the wind, ExWindSide the crosswind's side.
TrackingExercise DrawTracking(TrackingItem item, ExerciseState& ex);

}  // namespace tvx
