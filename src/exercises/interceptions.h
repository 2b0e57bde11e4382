#pragma once
// The interception exercises composed without a window: each draws its
// values from the shared random generator, keeps them in `Ex` and returns
// what the simulator is to be set up with. The stations are those of the
// default area: VOR "AAA", NDB "MMM" and, for the navigation legs, "BBB",
// "CCC", "NNN" and "PPP".
#include "exercises/exercisesetup.h"
#include "exercises/exstate.h"
#include "exercises/generatedexercise.h"

namespace tvx {

// Which station a flown interception works with: VOR "AAA" or NDB "MMM".
enum class InterceptStation { Vor, Ndb };

// The radial an inbound course lies on, as the tasks name it: 180..360 for
// the courses 0..180, 1..179 for the others (course 180 is radial 360).
int InboundRadialName(int course);

// Turn from an awkward heading 90 to 170 degrees off the course and fly
// direct to VOR AAA (`onCourse` false) or intercept the course to it
// (`onCourse` true, with a course line).
GeneratedExercise DirectToVorExercise(ExerciseState& ex, bool onCourse);

// Whether the wind helps the interception of an inbound course: "Y"/"N".
GeneratedExercise WindHelpExercise(ExerciseState& ex);

// Overhead the VOR, the heading that intercepts a new radial 30, 60 or 90
// degrees off the inbound course.
GeneratedExercise OverheadHeadingExercise(ExerciseState& ex);
// The same interception to fly, with wind, over a VOR or an NDB.
GeneratedExercise OverheadInterceptionExercise(ExerciseState& ex, InterceptStation station);

// The fixed triangle of legs between three VORs or three NDBs; only the wind
// is drawn.
GeneratedExercise NavigationExercise(ExerciseState& ex, InterceptStation station);

// Flying outbound on a radial, the heading that intercepts a radial 10, 20
// or 30 degrees off it.
GeneratedExercise OutboundHeadingExercise(ExerciseState& ex);
GeneratedExercise OutboundInterceptionExercise(ExerciseState& ex, InterceptStation station);

// Flying inbound, the heading that intercepts an inbound course 10, 20 or 30
// degrees off the present one.
GeneratedExercise InboundHeadingExercise(ExerciseState& ex);
GeneratedExercise InboundInterceptionExercise(ExerciseState& ex, InterceptStation station);

}  // namespace tvx
