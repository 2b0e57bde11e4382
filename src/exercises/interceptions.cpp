#include "exercises/interceptions.h"

#include "exercises/generatorkit.h"
#include "platform/random.h"

namespace tvx {

namespace {

const QString kVor = QStringLiteral("AAA");
const QString kNdb = QStringLiteral("MMM");
const QString kCourseKeysLine = QStringLiteral("To change the VOR 1 course: ([U]=-10° / [I]=+10°)");

QString Num(int value) { return QString::number(value); }

QString StationName(InterceptStation station) { return station == InterceptStation::Vor ? kVor : kNdb; }

// A radial of the start position, 0..350 in tens.
int DrawRadial() { return DrawStep(0, 350, 10); }

// The wind of a flown task, 0..350 in tens at 10 or 20 kt, kept in ExValueC
// and ExValueD and written into the wind edits; returns its task line.
QString DrawWind(ExerciseState& ex, GeneratedExercise& out) {
  ex.ExValueC = DrawStep(0, 350, 10);
  ex.ExValueD = DrawStep(10, 20, 10);
  out.Panel.WindDirection = ex.ExValueC;
  out.Panel.WindSpeed = ex.ExValueD;
  return WindLine(ex.ExValueC, ex.ExValueD);
}

// The start on radial `radial` of `station`, heading `heading`.
void StartOn(GeneratedExercise& out, const QString& station, int radial, int heading) {
  out.Panel.Beacon = station;
  out.Panel.Radial = radial;
  out.Panel.Heading = heading;
}

// One side of a course: 0 turns the angle off to the left (subtracted), 1 to
// the right (added), brought back into 0..359.
int OffCourse(int course, int side, int angle) { return Compass0To359(side == 0 ? course - angle : course + angle); }

// The rest of a flown interception once its start and its new course are
// drawn: the wind, the distance, VOR 2 on the course to intercept, the task
// lines, and the course line through the station.
GeneratedExercise& FinishFlown(ExerciseState& ex, GeneratedExercise& out, InterceptStation station, int dme,
                               int obs2, const QStringList& lines, int courseLine) {
  const QString windLine = DrawWind(ex, out);
  out.Panel.Dme = dme;
  out.Obs2Course = obs2;
  out.Task << lines << windLine;
  if (station == InterceptStation::Vor) out.Task << kCourseKeysLine;
  out.CourseLineBeacon = StationName(station);
  out.CourseLineCourse = courseLine;
  return out;
}

}  // namespace

int InboundRadialName(int course) { return course <= 180 ? course + 180 : course - 180; }

GeneratedExercise DirectToVorExercise(ExerciseState& ex, bool onCourse) {
  GeneratedExercise out;
  const int course = DrawStep(0, 350, 10);
  const int radial = Compass0To359(course + 180);
  ex.ExValueA = course;
  ex.ExValueB = radial;
  const QString windLine = DrawWind(ex, out);
  ex.ExSide = Rng().Random(2);
  const int off = 90 + DrawStep(0, 80, 10);
  // North stays 360 on a right-hand offset and 0 on a left-hand one.
  int heading = 0;
  if (ex.ExSide == 0) {
    heading = course + off;
    if (heading > 360) heading -= 360;
  } else {
    heading = course - off;
    if (heading < 0) heading += 360;
  }
  ex.ExValueE = heading;
  StartOn(out, kVor, radial, heading);
  out.Panel.Dme = 6;
  out.Obs1Course = course;
  if (onCourse) {
    out.Task << "Turn and intercept the actual course " + Num(course) + " to VOR AAA."
             << "The initial heading is " + Num(heading) + "." << windLine;
    out.CourseLineBeacon = kVor;
    out.CourseLineCourse = course;
  } else {
    out.Task << "Turn and fly direct to VOR AAA." << "The initial heading is " + Num(heading) + "." << windLine
             << QStringLiteral("Change the VOR course to the nearest ten. ([U]=-10° / [I]=+10°)");
  }
  return out;
}

GeneratedExercise WindHelpExercise(ExerciseState& ex) {
  GeneratedExercise out;
  out.Question = true;
  const int radial = DrawRadial();
  ex.ExValueB = radial;
  ex.ExSide = Rng().Random(2);
  // The course lies 10 degrees off the aircraft's radial; the heading meets
  // it at 30 degrees.
  const int course = Compass0To359(ex.ExSide == 0 ? radial + 170 : radial + 190);
  const int heading = OffCourse(course, 1 - ex.ExSide, 30);
  ex.ExValueA = course;
  ex.ExValueE = heading;
  StartOn(out, kVor, radial, heading);
  out.Obs1Course = course;
  ex.ExWindSide = Rng().Random(2);
  // From the left of the heading (0) or from its right (1); north stays 360.
  int wind = heading + (ex.ExWindSide == 0 ? 270 : 90);
  if (wind > 360) wind -= 360;
  ex.ExValueC = wind;
  // The wind speed stays as the run's start put it (20 kt), which the task
  // states.
  out.Panel.WindDirection = wind;
  out.Task << "You are intercepting inbound course " + Num(course) + " to VOR AAA." << WindLine(wind, 20)
           << "Enter 'Y' if the wind helps and 'N' if not.";
  out.AnswerLetter = ex.ExSide == ex.ExWindSide ? "Y" : "N";
  return out;
}

namespace {

// The start of the overhead interceptions: inbound on a drawn radial.
// Returns the inbound course.
int OverheadStart(ExerciseState& ex, GeneratedExercise& out, const QString& station) {
  const int radial = DrawRadial();
  const int inbound = Compass0To359(radial + 180);
  ex.ExValueE = inbound;
  StartOn(out, station, radial, inbound);
  return inbound;
}

}  // namespace

GeneratedExercise OverheadHeadingExercise(ExerciseState& ex) {
  GeneratedExercise out;
  out.Question = true;
  const int inbound = OverheadStart(ex, out, kVor);
  out.Obs1Course = inbound;
  ex.ExSide = Rng().Random(2);
  const int change = DrawStep(30, 90, 30);
  ex.ExValueC = change;
  const int newRadial = OffCourse(inbound, ex.ExSide, change);
  const int answer = OffCourse(newRadial, ex.ExSide, change / 3);
  ex.ExValueA = newRadial;
  ex.ExValueB = answer;
  out.Task << "When overhead VOR AAA, intercept radial: " + Num(newRadial) + "." << "Enter the intercept heading.";
  out.AnswerNumber = answer;
  return out;
}

GeneratedExercise OverheadInterceptionExercise(ExerciseState& ex, InterceptStation station) {
  GeneratedExercise out;
  const bool vor = station == InterceptStation::Vor;
  const int inbound = OverheadStart(ex, out, StationName(station));
  ex.ExValueB = Compass0To359(inbound + 180);
  if (vor) out.Obs1Course = inbound;
  ex.ExSide = Rng().Random(2);
  const int newRadial = OffCourse(inbound, ex.ExSide, DrawStep(30, 90, 30));
  ex.ExValueA = newRadial;
  const QStringList lines =
      vor ? QStringList{"Fly to VOR AAA on inbound course: " + Num(inbound) + ".",
                        "When overhead, intercept radial: " + Num(newRadial) + "."}
          : QStringList{"Fly to NDB MMM on inbound course (QDM): " + Num(inbound) + ".",
                        "When overhead, intercept QDR: " + Num(newRadial) + "."};
  // The inbound course of the new radial, left unreduced (up to 539).
  return FinishFlown(ex, out, station, 4, newRadial, lines, newRadial + 180);
}

GeneratedExercise NavigationExercise(ExerciseState& ex, InterceptStation station) {
  GeneratedExercise out;
  const bool vor = station == InterceptStation::Vor;
  out.Panel.Beacon = StationName(station);
  out.Vor1Active = "114.6";
  out.Vor2Active = "115.4";
  out.Vor1Select = "115.4";
  out.Vor2Select = "114.0";
  if (!vor) {
    out.AdfActive = "766";
    out.AdfSelect = "405";
  }
  out.Obs1Course = vor ? 237 : 0;
  out.Obs2Course = vor ? 105 : 0;
  out.Panel.Heading = vor ? 237 : 15;
  if (!vor) out.HeadingText = "015";
  out.Panel.Radial = vor ? 237 : 0;
  out.Panel.Dme = 0;
  // From the south-west (180..240) or from the north-west (300..360).
  ex.ExWindSide = Rng().Random(2);
  int wind = ex.ExWindSide == 0 ? 180 + DrawStep(0, 60, 10) : 360 - DrawStep(0, 60, 10);
  if (wind > 360) wind -= 360;
  ex.ExValueC = wind;
  ex.ExValueD = DrawStep(10, 20, 10);
  out.Panel.WindDirection = wind;
  out.Panel.WindSpeed = ex.ExValueD;
  if (vor) {
    out.Task << "You are overhead VOR AAA (114.0)."
             << QStringLiteral("Fly to VOR BBB (114.6 - 237°) then fly to VOR CCC (115.4 - 105°),")
             << QStringLiteral("then back to VOR AAA (114.0 - 346°).");
  } else {
    out.Task << "You are overhead NDB MMM  (565)."
             << QStringLiteral("Fly to NDB NNN (766 - 015°) then fly to NDB PPP (405 - 279°),")
             << QStringLiteral("then back to NDB MMM  (565 - 147°).");
  }
  out.Task << WindLine(wind, ex.ExValueD);
  return out;
}

namespace {

// The start of the outbound interceptions: outbound on a drawn radial, and
// the radial `change` degrees to one side. Returns the start radial.
int OutboundStart(ExerciseState& ex, GeneratedExercise& out, const QString& station, bool setObs, int low) {
  const int radial = DrawRadial();
  StartOn(out, station, radial, radial);
  if (setObs) out.Obs1Course = radial;
  ex.ExValueE = radial;
  ex.ExSide = Rng().Random(2);
  const int change = DrawStep(low, 30, 10);
  ex.ExValueA = OffCourse(radial, ex.ExSide, change);
  // The heading meets the new radial at the angle of the change.
  ex.ExValueB = OffCourse(ex.ExValueA, ex.ExSide, change);
  ex.ExValueC = change;
  return radial;
}

// The start of the inbound interceptions: inbound on a drawn radial, the
// new inbound course `change` degrees to one side and the heading as far to
// the other side. Returns the start radial.
int InboundStart(ExerciseState& ex, GeneratedExercise& out, const QString& station, bool setObs, int low) {
  const int radial = DrawRadial();
  const int inbound = Compass0To359(radial + 180);
  StartOn(out, station, radial, inbound);
  if (setObs) out.Obs1Course = inbound;
  ex.ExValueE = inbound;
  ex.ExSide = Rng().Random(2);
  const int change = DrawStep(low, 30, 10);
  ex.ExValueA = OffCourse(inbound, ex.ExSide, change);
  ex.ExValueB = OffCourse(inbound, 1 - ex.ExSide, change);
  ex.ExValueC = change;
  return radial;
}

}  // namespace

GeneratedExercise OutboundHeadingExercise(ExerciseState& ex) {
  GeneratedExercise out;
  out.Question = true;
  OutboundStart(ex, out, kVor, true, 10);
  out.Task << "You are flying outbound VOR AAA on radial " + Num(out.Panel.Heading) + "."
           << "Intercept radial: " + Num(ex.ExValueA) + "." << "Enter the intercept heading.";
  out.AnswerNumber = ex.ExValueB;
  return out;
}

GeneratedExercise OutboundInterceptionExercise(ExerciseState& ex, InterceptStation station) {
  GeneratedExercise out;
  const bool vor = station == InterceptStation::Vor;
  const int radial = OutboundStart(ex, out, StationName(station), vor, 20);
  const int newRadial = ex.ExValueA;
  ex.ExValueB = radial;
  const QStringList lines = vor ? QStringList{"You are flying outbound VOR AAA on radial " + Num(radial) + ".",
                                              "Intercept radial: " + Num(newRadial) + "."}
                                : QStringList{"You are flying outbound NDB MMM on QDR " + Num(radial) + ".",
                                              "Intercept QDR: " + Num(newRadial) + "."};
  return FinishFlown(ex, out, station, 3, newRadial, lines, newRadial + 180);  // unreduced
}

GeneratedExercise InboundHeadingExercise(ExerciseState& ex) {
  GeneratedExercise out;
  out.Question = true;
  InboundStart(ex, out, kVor, true, 10);
  out.Task << "You are flying inbound VOR AAA on radial " + Num(out.Panel.Radial) + "."
           << "Intercept radial " + Num(InboundRadialName(ex.ExValueA)) + " inbound." << "Enter the intercept heading.";
  out.AnswerNumber = ex.ExValueB;
  return out;
}

GeneratedExercise InboundInterceptionExercise(ExerciseState& ex, InterceptStation station) {
  GeneratedExercise out;
  const bool vor = station == InterceptStation::Vor;
  const int radial = InboundStart(ex, out, StationName(station), vor, 20);
  const int inbound = ex.ExValueE;
  const int newCourse = ex.ExValueA;
  ex.ExValueB = radial;
  const QStringList lines =
      vor ? QStringList{"You are flying inbound VOR AAA on radial " + Num(radial) + ".",
                        "Intercept radial " + Num(InboundRadialName(newCourse)) + " inbound."}
          : QStringList{"You are flying inbound NDB MMM on QDM " + Num(inbound) + " .",
                        "Intercept QDM " + Num(newCourse) + " ."};
  return FinishFlown(ex, out, station, 10, newCourse, lines, newCourse);
}

}  // namespace tvx
