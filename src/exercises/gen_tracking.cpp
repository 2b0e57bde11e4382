// The generators of the tracking exercises: the aircraft 6 NM out, heading
// for the station on the course to fly, in a stated or hidden wind, with the
// course line through the station on the map.
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "exercises/trackingexercises.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

void RunTracking(TExform& form, TrackingItem item) {
  form.DoeFly();
  const TrackingExercise exercise = DrawTracking(item, Ex);
  WriteStartPanel(exercise.Panel);
  if (exercise.Obs1Course) Sim.Obs1Course = *exercise.Obs1Course;
  form.PlaceAircraft();
  for (const QString& line : exercise.Task) form.AddTask(line);
  Sim.CourseLineShown = true;
  form.tekencrs(exercise.Station, exercise.Course);
}

}  // namespace

void TExform::Exvortrack() { RunTracking(*this, TrackingItem::VorTrack); }
void TExform::Exvortrackwind() { RunTracking(*this, TrackingItem::VorTrackWind); }
void TExform::Exadftrack() { RunTracking(*this, TrackingItem::AdfTrack); }
void TExform::Exadftrackwind() { RunTracking(*this, TrackingItem::AdfTrackWind); }
void TExform::Exhoming() { RunTracking(*this, TrackingItem::Homing); }

}  // namespace tvx
