#include "exercises/instrumenttasks.h"

#include "exercises/generatorkit.h"
#include "platform/random.h"
#include "platform/textutil.h"
#include "simulator/keys.h"

namespace tvx {

namespace {

QString Num(int value) { return QString::number(value); }

// The level-change line of a climb or a descent; `withRpm` adds the power of
// the plain descent task. A descent that would end at or below the airport
// is not flown into the ground: the line says why and holds the level.
QString LevelChangeLine(bool climb, int speed, double altitude, int elevation, bool withRpm, ExerciseState& ex) {
  const int level = RoundedLevel(altitude);
  if (climb) {
    ex.ExValueB = level + 500;
    return "Climb at " + Num(speed) + " knots to altitude " + Num(ex.ExValueB) + " ft.";
  }
  const int below = level - 500;
  if (below <= elevation) {
    ex.ExValueB = level;
    return "No descent: altitude " + Num(below) + " ft is not above the airport elevation (" + Num(elevation) +
           " ft). Maintain altitude " + Num(level) + " ft at " + Num(speed) + " knots.";
  }
  ex.ExValueB = below;
  return "Descend at " + Num(speed) + " knots to altitude " + Num(below) + " ft" +
         (withRpm ? " with RPM 1500." : ".");
}

QString RateLine(const char* verb, ExerciseState& ex) {
  ex.ExValueA = DrawStep(80, 100, 10);
  ex.ExSide = Rng().Random(2);
  ex.ExValueC = ex.ExSide == 0 ? 500 : 1000;
  return QString(verb) + " at " + Num(ex.ExValueA) + " knots and " + Num(ex.ExValueC) + " FPM.";
}

QString TurnLine(ExerciseState& ex, double heading) {
  ex.ExValueA = DrawStep(10, 120, 10);
  ex.ExValueB = RoundPixel(heading / 10) * 10;
  ex.ExSide = Rng().Random(2);
  ex.ExValueC = TurnTargetHeading(heading, ex.ExValueA, ex.ExSide);
  return "Turn to heading " + Num(ex.ExValueC) + ".";
}

}  // namespace

int RoundedLevel(double altitude) { return RoundPixel(altitude / 100) * 100; }

int TurnTargetHeading(double heading, int angle, int side) {
  const int base = RoundPixel(heading / 10) * 10;
  int target = side == 0 ? base + angle : base - angle;
  if (target <= 0) target += 360;
  if (target > 360) target -= 360;
  return target;
}

int ReciprocalHeading(int heading) { return Compass0To359(heading + 180); }

QStringList DrawInstrumentTask(InstrumentTask task, ExerciseState& ex, double altitude, double heading,
                               int airportElevation) {
  switch (task) {
    case InstrumentTask::LevelSpeed:
      ex.ExValueA = DrawStep(80, 120, 5);
      return {"Fly at airspeed: " + Num(ex.ExValueA) + " knots.", "(Maintain altitude)."};
    case InstrumentTask::Reciprocal:
      ex.ExValueA = Rng().Random(360);
      ex.ExAnswer = ReciprocalHeading(ex.ExValueA);
      return {"Enter the reciprocal of:", HeadingLabelText(ex.ExValueA)};
    case InstrumentTask::ClimbSpeed:
      ex.ExValueA = DrawStep(80, 100, 10);
      return {LevelChangeLine(true, ex.ExValueA, altitude, airportElevation, false, ex)};
    case InstrumentTask::ClimbRate:
      return {RateLine("Climb", ex)};
    case InstrumentTask::DescentSpeed:
      ex.ExValueA = DrawStep(80, 100, 10);
      return {LevelChangeLine(false, ex.ExValueA, altitude, airportElevation, true, ex)};
    case InstrumentTask::DescentRate:
      return {RateLine("Descend", ex)};
    case InstrumentTask::Turn:
      return {TurnLine(ex, heading)};
    case InstrumentTask::Vector: {
      ex.ExSide = Rng().Random(2);
      ex.ExValueA = DrawStep(80, 100, 10);
      const QString level = LevelChangeLine(ex.ExSide == 0, ex.ExValueA, altitude, airportElevation, false, ex);
      return {level, TurnLine(ex, heading)};
    }
  }
  return {};
}

WindDemo DrawWindDemo(ExerciseState& ex) {
  ex.ExValueC = DrawStep(0, 350, 10);
  ex.ExValueD = Rng().Random(2) * 10 + 15;
  WindDemo demo;
  demo.Panel.Beacon = "AAA";
  demo.Panel.Radial = 270;
  demo.Panel.Heading = 270;
  demo.Panel.Dme = 6;
  demo.Panel.WindDirection = ex.ExValueC;
  demo.Panel.WindSpeed = ex.ExValueD;
  demo.Task = {QString::fromUtf8("This is a DEMO. The airplane's heading is 270\u00b0."),
               "Change the wind by clicking NEW EX.",
               "Look how the airplane's drift, track and groundspeed change."};
  return demo;
}

}  // namespace tvx
