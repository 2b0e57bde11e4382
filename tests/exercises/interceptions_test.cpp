#include "exercises/interceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "exercises/generatorkit.h"
#include "exercises/interceptgeometry.h"
#include "platform/random.h"
#include "simulator/radios.h"

namespace tvx {
namespace {

std::set<int> Tens(int low, int high) {
  std::set<int> all;
  for (int v = low; v <= high; v += 10) all.insert(v);
  return all;
}

int Text(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  EXPECT_TRUE(ok) << text.toStdString();
  return value;
}

using test::CrossesRadial;
using test::OnRadial;
using test::PlanePoint;
int Diff(int a, int b) { return test::DirectionDiff(a, b); }

// Seeds from 1 upwards until the exercise `make` draws satisfies `wanted`.
GeneratedExercise Find(const std::function<GeneratedExercise(ExerciseState&)>& make,
                       const std::function<bool(const GeneratedExercise&, const ExerciseState&)>& wanted,
                       ExerciseState& ex) {
  for (std::uint32_t seed = 1; seed < 200000; ++seed) {
    Rng().RandSeed = seed;
    ex = ExerciseState{};
    GeneratedExercise out = make(ex);
    if (wanted(out, ex)) return out;
  }
  ADD_FAILURE() << "no seed gives the case";
  return {};
}

TEST(Interceptions, WrapAndRadialNames) {
  const std::pair<int, int> wraps[] = {{-90, 270}, {-1, 359}, {0, 0}, {359, 359}, {360, 0}, {539, 179}};
  for (auto [in, out] : wraps) EXPECT_EQ(WrapDegrees(in), out) << in;
  const std::pair<int, int> names[] = {{0, 180}, {10, 190}, {180, 360}, {190, 10}, {340, 160}, {359, 179}};
  for (auto [course, radial] : names) EXPECT_EQ(InboundRadialName(course), radial) << course;
}

// The draws come from the shared sequence in the order the task states
// them: course, wind direction, wind speed, side, offset.
TEST(Interceptions, DirectToVorDrawOrder) {
  Rng().RandSeed = 1;
  const int course = Rng().Random(36) * 10;
  const int wind = Rng().Random(36) * 10;
  const int speed = Rng().Random(2) * 10 + 10;
  const int side = Rng().Random(2);
  const int off = 90 + Rng().Random(9) * 10;
  Rng().RandSeed = 1;
  ExerciseState ex;
  const GeneratedExercise out = DirectToVorExercise(ex, false);
  EXPECT_EQ(ex.ExValueA, course);
  EXPECT_EQ(out.WindDirection, QString::number(wind));
  EXPECT_EQ(out.WindSpeed, QString::number(speed));
  EXPECT_EQ(ex.ExSide, side);
  EXPECT_EQ(std::abs(Diff(Text(out.Heading), course)), off);
}

TEST(Interceptions, DirectToVorOverManyDraws) {
  Rng().RandSeed = 1;
  std::set<int> courses, winds, speeds, offs;
  bool north360 = false, north0 = false;
  for (int i = 0; i < 3000; ++i) {
    ExerciseState ex;
    const bool onCourse = i % 2 == 1;
    const GeneratedExercise out = DirectToVorExercise(ex, onCourse);
    const int course = ex.ExValueA;
    const int heading = Text(out.Heading);
    courses.insert(course);
    winds.insert(Text(out.WindDirection));
    speeds.insert(Text(out.WindSpeed));
    EXPECT_FALSE(out.Question);
    EXPECT_EQ(out.Beacon, "AAA");
    EXPECT_EQ(Text(out.Radial), (course + 180) % 360);
    EXPECT_EQ(out.Dme, "6");
    EXPECT_EQ(out.Obs1Course, course);
    EXPECT_FALSE(out.Obs2Course);
    // 90..170 degrees off the course, on the drawn side.
    offs.insert(((ex.ExSide == 0 ? heading - course : course - heading) + 720) % 360);
    if (ex.ExSide == 0) {
      EXPECT_TRUE(heading >= 1 && heading <= 360) << heading;
      north360 |= heading == 360;
    } else {
      EXPECT_TRUE(heading >= 0 && heading <= 359) << heading;
      north0 |= heading == 0;
    }
    const QString wind = WindLine(Text(out.WindDirection), Text(out.WindSpeed));
    if (onCourse) {
      EXPECT_EQ(out.Task, QStringList({"Turn and intercept the actual course " + QString::number(course) + " to VOR AAA.",
                                       "The initial heading is " + out.Heading + ".", wind}));
      EXPECT_EQ(out.CourseLineBeacon, "AAA");
      EXPECT_EQ(out.CourseLineCourse, course);
    } else {
      EXPECT_EQ(out.Task, QStringList({"Turn and fly direct to VOR AAA.", "The initial heading is " + out.Heading + ".",
                                       wind, "Change the VOR course to the nearest ten. ([U]=-10° / [I]=+10°)"}));
      EXPECT_TRUE(out.CourseLineBeacon.isEmpty());
    }
    EXPECT_FALSE(out.AnswerNumber);
    EXPECT_TRUE(out.AnswerLetter.isEmpty());
  }
  EXPECT_EQ(courses, Tens(0, 350));
  EXPECT_EQ(winds, Tens(0, 350));
  EXPECT_EQ(speeds, (std::set<int>{10, 20}));
  EXPECT_EQ(offs, Tens(90, 170));
  EXPECT_TRUE(north360);
  EXPECT_TRUE(north0);
}

// A wind helps when its drift carries the aircraft towards the course line.
TEST(Interceptions, WindHelpAnswersWhatTheDriftDoes) {
  Rng().RandSeed = 1;
  std::set<QString> answers;
  for (int i = 0; i < 2000; ++i) {
    ExerciseState ex;
    const GeneratedExercise out = WindHelpExercise(ex);
    const int radial = Text(out.Radial);
    const int heading = Text(out.Heading);
    const int wind = Text(out.WindDirection);
    const int course = *out.Obs1Course;
    EXPECT_TRUE(out.Question);
    EXPECT_EQ(out.Beacon, "AAA");
    EXPECT_TRUE(out.Dme.isEmpty());
    EXPECT_TRUE(out.WindSpeed.isEmpty());
    EXPECT_EQ(radial % 10, 0);
    EXPECT_EQ(std::abs(Diff(course, radial + 180)), 10);
    EXPECT_EQ(std::abs(Diff(heading, course)), 30);
    EXPECT_EQ(std::abs(Diff(wind, heading)), 90);
    EXPECT_TRUE(wind >= 1 && wind <= 360) << wind;
    EXPECT_EQ(out.AnswerLetter, ex.ExSide == ex.ExWindSide ? "Y" : "N");
    answers.insert(out.AnswerLetter);

    const int target = (course + 180) % 360;  // the radial of the course
    const PlanePoint p = OnRadial(radial, 3);
    const double to = (wind + 180) * test::kDegree;  // the wind blows towards here
    const PlanePoint drifted{p.x + std::sin(to) * 0.1, p.y - std::cos(to) * 0.1};
    const double before = std::abs(Diff(radial, target));
    const double after =
        std::abs(std::fmod(BearingFromStation(0, 0, drifted.x, drifted.y) - target + 540.0, 360.0) - 180);
    EXPECT_EQ(out.AnswerLetter == "Y", after < before) << radial << " " << course << " " << wind;
    EXPECT_EQ(out.Task, QStringList({"You are intercepting inbound course " + QString::number(course) + " to VOR AAA.",
                                     WindLine(wind, 20), "Enter 'Y' if the wind helps and 'N' if not."}));
  }
  EXPECT_EQ(answers, (std::set<QString>{"Y", "N"}));
}

TEST(Interceptions, OverheadHeadingCases) {
  ExerciseState ex;
  const auto make = [](ExerciseState& e) { return OverheadHeadingExercise(e); };
  GeneratedExercise out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Radial == "0" && e.ExSide == 0 && e.ExValueC == 90;
  }, ex);
  EXPECT_EQ(out.Heading, "180");
  EXPECT_EQ(out.Task, QStringList({"When overhead VOR AAA, intercept radial: 90.", "Enter the intercept heading."}));
  EXPECT_EQ(out.AnswerNumber, 60);
  out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Radial == "0" && e.ExSide == 1 && e.ExValueC == 30;
  }, ex);
  EXPECT_EQ(out.Task.first(), "When overhead VOR AAA, intercept radial: 210.");
  EXPECT_EQ(out.AnswerNumber, 220);
}

// Overhead, a rate-one turn towards the new radial onto the expected
// heading brings the aircraft across that radial.
TEST(Interceptions, OverheadHeadingInterceptsTheRadial) {
  Rng().RandSeed = 1;
  std::set<int> changes;
  for (int i = 0; i < 1000; ++i) {
    ExerciseState ex;
    const GeneratedExercise out = OverheadHeadingExercise(ex);
    const int inbound = Text(out.Heading);
    const int newRadial = ex.ExValueA;
    const int answer = *out.AnswerNumber;
    changes.insert(std::abs(Diff(newRadial, inbound)));
    EXPECT_EQ(inbound, (Text(out.Radial) + 180) % 360);
    EXPECT_EQ(out.Obs1Course, inbound);
    EXPECT_TRUE(answer >= 0 && answer <= 359);
    EXPECT_EQ(std::abs(Diff(answer, newRadial)) * 3, std::abs(Diff(newRadial, inbound)));
    const bool left = Diff(newRadial, inbound) < 0;
    double at = 0;
    EXPECT_TRUE(CrossesRadial({}, {}, inbound, answer, left, newRadial, &at)) << inbound << " " << newRadial;
    EXPECT_EQ(out.Task.first(), "When overhead VOR AAA, intercept radial: " + QString::number(newRadial) + ".");
  }
  EXPECT_EQ(changes, (std::set<int>{30, 60, 90}));
}

TEST(Interceptions, FlownOverheadInterceptions) {
  Rng().RandSeed = 1;
  for (InterceptStation station : {InterceptStation::Vor, InterceptStation::Ndb}) {
    const bool vor = station == InterceptStation::Vor;
    std::set<int> changes, winds, speeds, lines;
    for (int i = 0; i < 1500; ++i) {
      ExerciseState ex;
      const GeneratedExercise out = OverheadInterceptionExercise(ex, station);
      const int inbound = Text(out.Heading);
      const int newRadial = *out.Obs2Course;
      EXPECT_FALSE(out.Question);
      EXPECT_EQ(out.Beacon, vor ? "AAA" : "MMM");
      EXPECT_EQ(inbound, (Text(out.Radial) + 180) % 360);
      EXPECT_EQ(out.Obs1Course.has_value(), vor);
      if (vor) EXPECT_EQ(*out.Obs1Course, inbound);
      EXPECT_EQ(out.Dme, "4");
      changes.insert(ex.ExSide == 0 ? Diff(inbound, newRadial) : Diff(newRadial, inbound));
      winds.insert(Text(out.WindDirection));
      speeds.insert(Text(out.WindSpeed));
      EXPECT_EQ(out.CourseLineBeacon, out.Beacon);
      EXPECT_EQ(out.CourseLineCourse, newRadial + 180);
      lines.insert(out.CourseLineCourse);
      QStringList task;
      const QString wind = WindLine(Text(out.WindDirection), Text(out.WindSpeed));
      if (vor)
        task << "Fly to VOR AAA on inbound course: " + out.Heading + "."
             << "When overhead, intercept radial: " + QString::number(newRadial) + "." << wind
             << "To change the VOR 1 course: ([U]=-10° / [I]=+10°)";
      else
        task << "Fly to NDB MMM on inbound course (QDM): " + out.Heading + "."
             << "When overhead, intercept QDR: " + QString::number(newRadial) + "." << wind;
      EXPECT_EQ(out.Task, task);
      EXPECT_FALSE(out.AnswerNumber);
    }
    EXPECT_EQ(changes, (std::set<int>{30, 60, 90}));
    EXPECT_EQ(winds, Tens(0, 350));
    EXPECT_EQ(speeds, (std::set<int>{10, 20}));
    EXPECT_EQ(*lines.begin(), 180);
    EXPECT_EQ(*lines.rbegin(), 530);  // unreduced: 350 + 180
  }
}

TEST(Interceptions, NavigationLegsStayFixed) {
  Rng().RandSeed = 1;
  for (InterceptStation station : {InterceptStation::Vor, InterceptStation::Ndb}) {
    const bool vor = station == InterceptStation::Vor;
    std::set<int> winds, speeds;
    for (int i = 0; i < 500; ++i) {
      ExerciseState ex;
      const GeneratedExercise out = NavigationExercise(ex, station);
      const int wind = Text(out.WindDirection);
      winds.insert(wind);
      speeds.insert(Text(out.WindSpeed));
      EXPECT_EQ(ex.ExWindSide == 0, wind >= 180 && wind <= 240) << wind;
      EXPECT_EQ(out.Beacon, vor ? "AAA" : "MMM");
      EXPECT_EQ(out.Heading, vor ? "237" : "015");
      EXPECT_EQ(out.Radial, vor ? "237" : "0");
      EXPECT_EQ(out.Dme, "0");
      EXPECT_EQ(out.Vor1Active, "114.6");
      EXPECT_EQ(out.Vor2Active, "115.4");
      EXPECT_EQ(out.Vor1Select, "115.4");
      EXPECT_EQ(out.Vor2Select, "114.0");
      EXPECT_EQ(out.AdfActive, vor ? "" : "766");
      EXPECT_EQ(out.AdfSelect, vor ? "" : "405");
      EXPECT_EQ(out.Obs1Course, vor ? 237 : 0);
      EXPECT_EQ(out.Obs2Course, vor ? 105 : 0);
      const QString windLine = WindLine(wind, Text(out.WindSpeed));
      if (vor)
        EXPECT_EQ(out.Task, QStringList({"You are overhead VOR AAA (114.0).",
                                         "Fly to VOR BBB (114.6 - 237°) then fly to VOR CCC (115.4 - 105°),",
                                         "then back to VOR AAA (114.0 - 346°).", windLine}));
      else
        EXPECT_EQ(out.Task, QStringList({"You are overhead NDB MMM  (565).",
                                         "Fly to NDB NNN (766 - 015°) then fly to NDB PPP (405 - 279°),",
                                         "then back to NDB MMM  (565 - 147°).", windLine}));
      EXPECT_TRUE(out.CourseLineBeacon.isEmpty());
    }
    std::set<int> all = Tens(180, 240);
    all.merge(Tens(300, 360));
    EXPECT_EQ(winds, all);
    EXPECT_EQ(speeds, (std::set<int>{10, 20}));
  }
}

TEST(Interceptions, OutboundHeadingCases) {
  ExerciseState ex;
  const GeneratedExercise out = Find([](ExerciseState& e) { return OutboundHeadingExercise(e); },
                                     [](const GeneratedExercise& o, const ExerciseState& e) {
                                       return o.Radial == "0" && e.ExSide == 0 && e.ExValueC == 10;
                                     }, ex);
  EXPECT_EQ(out.Heading, "0");
  EXPECT_EQ(out.Task, QStringList({"You are flying outbound VOR AAA on radial 0.", "Intercept radial: 350.",
                                   "Enter the intercept heading."}));
  EXPECT_EQ(out.AnswerNumber, 340);
}

// Outbound at 3 NM, the expected heading crosses the new radial at the
// angle of the change.
TEST(Interceptions, OutboundHeadingsIntercept) {
  Rng().RandSeed = 1;
  for (int kind = 0; kind < 3; ++kind) {
    std::set<int> changes;
    for (int i = 0; i < 1000; ++i) {
      ExerciseState ex;
      const GeneratedExercise out = kind == 0   ? OutboundHeadingExercise(ex)
                                    : kind == 1 ? OutboundInterceptionExercise(ex, InterceptStation::Vor)
                                                : OutboundInterceptionExercise(ex, InterceptStation::Ndb);
      const int radial = Text(out.Radial);
      EXPECT_EQ(out.Heading, out.Radial);
      const int newRadial = ex.ExValueA;
      const int change = std::abs(Diff(newRadial, radial));
      changes.insert(change);
      // The question's answer; the flown tasks fly the same rule.
      const int heading = kind == 0 ? *out.AnswerNumber : WrapDegrees(newRadial + Diff(newRadial, radial));
      EXPECT_TRUE(heading >= 0 && heading <= 359);
      double at = 0;
      ASSERT_TRUE(CrossesRadial({}, OnRadial(radial, 3), heading, heading, false, newRadial, &at));
      EXPECT_EQ(std::abs(Diff(static_cast<int>(at), newRadial)), change);
      if (kind == 0) {
        EXPECT_EQ(out.Obs1Course, radial);
        EXPECT_TRUE(out.Dme.isEmpty());
        EXPECT_TRUE(out.CourseLineBeacon.isEmpty());
      } else {
        const bool vor = kind == 1;
        EXPECT_EQ(out.Obs1Course.has_value(), vor);
        EXPECT_EQ(out.Obs2Course, newRadial);
        EXPECT_EQ(out.Dme, "3");
        EXPECT_EQ(out.CourseLineCourse, newRadial + 180);
        const QString wind = WindLine(Text(out.WindDirection), Text(out.WindSpeed));
        QStringList task;
        if (vor)
          task << "You are flying outbound VOR AAA on radial " + out.Radial + "."
               << "Intercept radial: " + QString::number(newRadial) + "." << wind
               << "To change the VOR 1 course: ([U]=-10° / [I]=+10°)";
        else
          task << "You are flying outbound NDB MMM on QDR " + out.Radial + "."
               << "Intercept QDR: " + QString::number(newRadial) + "." << wind;
        EXPECT_EQ(out.Task, task);
      }
    }
    EXPECT_EQ(changes, kind == 0 ? (std::set<int>{10, 20, 30}) : (std::set<int>{20, 30}));
  }
}

TEST(Interceptions, InboundHeadingCases) {
  ExerciseState ex;
  const auto make = [](ExerciseState& e) { return InboundHeadingExercise(e); };
  GeneratedExercise out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Radial == "180" && e.ExSide == 0 && e.ExValueC == 20;
  }, ex);
  EXPECT_EQ(out.Heading, "0");
  EXPECT_EQ(ex.ExValueA, 340);
  EXPECT_EQ(out.Task, QStringList({"You are flying inbound VOR AAA on radial 180.", "Intercept radial 160 inbound.",
                                   "Enter the intercept heading."}));
  EXPECT_EQ(out.AnswerNumber, 20);
  out = Find(make, [](const GeneratedExercise& o, const ExerciseState& e) {
    return o.Radial == "0" && e.ExSide == 1 && e.ExValueC == 10;
  }, ex);
  EXPECT_EQ(ex.ExValueA, 190);
  EXPECT_EQ(out.Task[1], "Intercept radial 10 inbound.");
  EXPECT_EQ(out.AnswerNumber, 170);
  // The new inbound course 180 lies on radial 360.
  out = Find(make, [](const GeneratedExercise&, const ExerciseState& e) { return e.ExValueA == 180; }, ex);
  EXPECT_EQ(out.Task[1], "Intercept radial 360 inbound.");
}

// Inbound at 3 NM (the question) or 10 NM (the tasks), the heading on the
// far side of the present course crosses the new radial at twice the change.
TEST(Interceptions, InboundHeadingsIntercept) {
  Rng().RandSeed = 1;
  for (int kind = 0; kind < 3; ++kind) {
    std::set<int> changes;
    for (int i = 0; i < 1000; ++i) {
      ExerciseState ex;
      const GeneratedExercise out = kind == 0   ? InboundHeadingExercise(ex)
                                    : kind == 1 ? InboundInterceptionExercise(ex, InterceptStation::Vor)
                                                : InboundInterceptionExercise(ex, InterceptStation::Ndb);
      const int radial = Text(out.Radial);
      const int inbound = Text(out.Heading);
      EXPECT_EQ(inbound, (radial + 180) % 360);
      const int newCourse = ex.ExValueA;
      const int change = std::abs(Diff(newCourse, inbound));
      changes.insert(change);
      const int heading = kind == 0 ? *out.AnswerNumber : WrapDegrees(inbound - Diff(newCourse, inbound));
      EXPECT_TRUE(heading >= 0 && heading <= 359);
      EXPECT_EQ(std::abs(Diff(heading, inbound)), change);
      double at = 0;
      ASSERT_TRUE(CrossesRadial({}, OnRadial(radial, kind == 0 ? 3 : 10), heading, heading, false, (newCourse + 180) % 360,
                                &at));
      EXPECT_EQ(std::abs(Diff(static_cast<int>(at), newCourse)), 2 * change);
      if (kind == 0) {
        EXPECT_EQ(out.Obs1Course, inbound);
      } else {
        const bool vor = kind == 1;
        EXPECT_EQ(out.Obs1Course.has_value(), vor);
        EXPECT_EQ(out.Obs2Course, newCourse);
        EXPECT_EQ(out.Dme, "10");
        EXPECT_EQ(out.CourseLineBeacon, vor ? "AAA" : "MMM");
        EXPECT_EQ(out.CourseLineCourse, newCourse);
        const QString wind = WindLine(Text(out.WindDirection), Text(out.WindSpeed));
        QStringList task;
        if (vor)
          task << "You are flying inbound VOR AAA on radial " + out.Radial + "."
               << "Intercept radial " + QString::number(InboundRadialName(newCourse)) + " inbound." << wind
               << "To change the VOR 1 course: ([U]=-10° / [I]=+10°)";
        else
          task << "You are flying inbound NDB MMM on QDM " + out.Heading + " ."
               << "Intercept QDM " + QString::number(newCourse) + " ." << wind;
        EXPECT_EQ(out.Task, task);
      }
    }
    EXPECT_EQ(changes, kind == 0 ? (std::set<int>{10, 20, 30}) : (std::set<int>{20, 30}));
  }
}

}  // namespace
}  // namespace tvx
