#include "exercises/dmearcs.h"

#include "exercises/exercisesetup.h"
#include "exercises/generatorkit.h"
#include "exercises/interceptions.h"
#include "platform/random.h"

namespace tvx {

GeneratedExercise DmeArcExercise(ExerciseState& ex, ArcWay way, ArcTurn turn) {
  const bool inbound = way == ArcWay::Inbound;
  const bool clockwise = turn == ArcTurn::Clockwise;
  GeneratedExercise out;
  out.Panel.Beacon = "AAA";
  const int radial = DrawStep(0, 350, 10);
  out.Panel.Radial = radial;
  ex.ExValueA = inbound ? Compass0To359(radial + 180) : radial;
  out.Panel.Heading = ex.ExValueA;
  out.Obs1Course = ex.ExValueA;
  ex.ExSide = clockwise ? 1 : 0;
  ex.ExValueC = DrawStep(40, 80, 10);
  // The final leg keeps the way of the start leg: the radial turns on by the
  // angle of the arc, and with it the course.
  ex.ExValueA = Compass0To359(clockwise ? ex.ExValueA + ex.ExValueC : ex.ExValueA - ex.ExValueC);
  ex.ExValueB = DrawStep(5, 8, 1);
  ex.ExValueC = DrawStep(0, 350, 10);
  ex.ExValueD = DrawStep(10, 20, 10);
  // Inbound arcs start 2 NM outside the arc, outbound ones 2 NM inside it.
  out.Panel.Dme = inbound ? ex.ExValueB + 2 : ex.ExValueB - 2;
  out.Panel.WindDirection = ex.ExValueC;
  out.Panel.WindSpeed = ex.ExValueD;
  out.Obs2Course = ex.ExValueA;

  const QString arc = "Fly a " + QString::number(ex.ExValueB) + " DME arc " +
                      (clockwise ? "clockwise" : "counterclockwise");
  if (inbound)
    out.Task << "You are flying inbound VOR AAA on radial " + QString::number(radial) + "." << arc
             << "and proceed inbound VOR AAA on radial " + QString::number(InboundRadialName(ex.ExValueA)) + ".";
  else
    out.Task << "You are flying outbound VOR AAA on radial " + QString::number(radial) + "." << arc
             << "and proceed outbound VOR AAA on radial " + QString::number(ex.ExValueA) + ".";
  out.Task << WindLine(ex.ExValueC, ex.ExValueD);
  out.CourseLineBeacon = "AAA";
  // The inbound course of the final leg; for an outbound leg the sum is left
  // unreduced (180..539).
  out.CourseLineCourse = inbound ? ex.ExValueA : ex.ExValueA + 180;
  return out;
}

}  // namespace tvx
