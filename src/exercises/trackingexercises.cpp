#include "exercises/trackingexercises.h"

#include "exercises/generatorkit.h"
#include "platform/random.h"

namespace tvx {

int CrosswindDirection(int radial, int windSide) {
  const int direction = radial + (windSide == 0 ? 270 : 90);
  return direction > 360 ? direction - 360 : direction;
}

TrackingExercise DrawTracking(TrackingItem item, ExerciseState& ex) {
  const bool vor = item == TrackingItem::VorTrack || item == TrackingItem::VorTrackWind;
  const bool hiddenWind = item == TrackingItem::VorTrackWind || item == TrackingItem::AdfTrackWind;

  ex.ExValueA = DrawStep(0, 350, 10);
  ex.ExValueB = ex.ExValueA + 180 >= 360 ? ex.ExValueA - 180 : ex.ExValueA + 180;
  if (hiddenWind) {
    ex.ExValueC = DrawStep(0, 350, 10);
  } else {
    ex.ExWindSide = Rng().Random(2);
    ex.ExValueC = CrosswindDirection(ex.ExValueB, ex.ExWindSide);
  }
  ex.ExValueD = Rng().Random(2) * 10 + 15;

  TrackingExercise out;
  out.Station = vor ? "AAA" : "MMM";
  out.Course = ex.ExValueA;
  out.Panel.Beacon = out.Station;
  out.Panel.Radial = ex.ExValueB;
  out.Panel.Heading = ex.ExValueA;
  out.Panel.Dme = 6;
  out.Panel.WindDirection = ex.ExValueC;
  out.Panel.WindSpeed = ex.ExValueD;
  if (vor) out.Obs1Course = ex.ExValueA;

  const QString course = QString::number(ex.ExValueA);
  switch (item) {
    case TrackingItem::VorTrack:
    case TrackingItem::VorTrackWind:
      out.Task << "Fly to VOR AAA on course " + course + ". When overhead, continue outbound on the same radial.";
      break;
    case TrackingItem::AdfTrack:
    case TrackingItem::AdfTrackWind:
      out.Task << "Fly to NDB MMM on QDM (course) " + course + ". When overhead, continue outbound on the same QDR.";
      break;
    case TrackingItem::Homing:
      out.Task << "Home to NDB1. Keep the ADF pointer at 0.";
      break;
  }
  out.Task << (hiddenWind ? QString("The wind is unknown.") : WindLine(ex.ExValueC, ex.ExValueD));
  return out;
}

}  // namespace tvx
