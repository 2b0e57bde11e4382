#include <gtest/gtest.h>

#include "instruments/gauges.h"
#include "instruments/gaugetestsupport.h"
#include "platform/textutil.h"

namespace tvx {
namespace {

using namespace test;

constexpr int U = 149, kR = 134;

GaugeInputs Inputs(QSize screen = {1600, 900}, bool stopped = true, bool joystickThrust = false) {
  GaugeInputs in;
  in.Client = screen;
  in.Stopped = stopped;
  in.JoystickThrust = joystickThrust;
  return in;
}

RecordingCanvas Engines(const SimState& s, const GaugeInputs& in) {
  RecordingCanvas c;
  DrawRPMDial(c, s);
  DrawEngineInstruments(c, s, in);
  return c;
}

int CountText(const RecordingCanvas& c, const QString& text) {
  int n = 0;
  for (const auto& t : Select(c, Op::Text)) n += t.text == text;
  return n;
}

TEST(EngineLaws, RpmAndN1) {
  EXPECT_DOUBLE_EQ(RpmDialAngle(500), 240);
  EXPECT_DOUBLE_EQ(RpmDialAngle(1000), 285);
  EXPECT_DOUBLE_EQ(RpmDialAngle(2750), 442.5);
  EXPECT_DOUBLE_EQ(RpmDialAngle(3000), 465);
  EXPECT_DOUBLE_EQ(N1DialAngle(0), 90);
  EXPECT_DOUBLE_EQ(N1DialAngle(58), 206);
  EXPECT_DOUBLE_EQ(N1DialAngle(100), 290);
}

TEST(RpmDial, NeedleOnTheRedMarkAndOnTheFirstLongTick) {
  for (const char* type : {"SEP", "SEP EFIS"}) {
    SCOPED_TRACE(type);
    SimState s = LaidOut(type);
    const QPoint centre(s.EngineCentreX, s.EngineCentreY);
    s.DisplayedRpm = 2750;
    const RecordingCanvas c = Engines(s, Inputs());
    const auto fours = LinesOfWidth(c, 4);
    ASSERT_EQ(fours.size(), 1);  // the red mark
    EXPECT_EQ(fours[0].pen.color, clr::Red);
    EXPECT_EQ(fours[0].points[0], Expected(centre.x(), centre.y(), kR - 1, 442.5));
    EXPECT_EQ(fours[0].points[1], Expected(centre.x(), centre.y(), kR - 20, 442.5));
    const auto needle = LinesOfWidth(c, 5);
    ASSERT_EQ(needle.size(), 1);
    EXPECT_EQ(needle[0].points[0], centre);
    EXPECT_EQ(needle[0].points[1], Expected(centre.x(), centre.y(), kR - 25, 82.5));
    EXPECT_EQ(c.Pen.width, 5);  // the needle's width stays

    s.DisplayedRpm = 500;
    const RecordingCanvas low = Engines(s, Inputs());
    const auto longTick = Select(low, Op::Line)[0];
    EXPECT_EQ(longTick.points[1], Expected(centre.x(), centre.y(), kR - 20, 240));
    EXPECT_EQ(LinesOfWidth(low, 5)[0].points[1], Expected(centre.x(), centre.y(), kR - 25, 240));
  }
}

TEST(RpmDial, FaceTicksFiguresArcAndHint) {
  SimState s = LaidOut("SEP");
  ASSERT_EQ(s.EngineCentreX, U);
  ASSERT_EQ(s.EngineCentreY, 5 * U);
  RecordingCanvas c;
  DrawRPMDial(c, s);
  EXPECT_EQ(LinesOfWidth(c, 1).size(), 6 + 24);
  EXPECT_EQ(c.Texts(), QVector<QString>({"5", "10", "15", "20", "25", "30", "[ / *  - + ]"}));
  const auto* hint = FindText(c, "[ / *  - + ]");
  EXPECT_EQ(hint->points[0], QPoint(U + 60, 5 * U + U - 25));
  EXPECT_EQ(hint->font.color, clr::Black);
  EXPECT_EQ(hint->brush.color, clr::GrayText);
  const auto arcs = Select(c, Op::Arc);
  ASSERT_EQ(arcs.size(), 1);
  EXPECT_EQ(arcs[0].pen.color, clr::Lime);
  EXPECT_EQ(arcs[0].pen.width, 4);
  EXPECT_EQ(arcs[0].points[0], QPoint(U - 132, 5 * U - 132));
  EXPECT_EQ(arcs[0].points[2], Expected(U, 5 * U, 132, 442.5));  // 2750 RPM
  EXPECT_EQ(arcs[0].points[3], Expected(U, 5 * U, 132, 285));    // 1000 RPM
  EXPECT_EQ(c.Pen.width, 1);
  EXPECT_EQ(c.Pen.color, clr::White);
}

TEST(RpmDial, NothingOnTheJet) {
  SimState s = LaidOut("737");
  RecordingCanvas c;
  DrawRPMDial(c, s);
  EXPECT_TRUE(c.log.isEmpty());
}

TEST(JetEngines, DialPlacesByScreen) {
  const struct {
    QSize screen;
    int radius, x1, x2;
  } cases[] = {{{1366, 1024}, kR - 50, 283, 477}, {{1400, 900}, kR - 50, 283, 477},
               {{1920, 1080}, kR - 20, 335, 596}, {{1366, 768}, kR - 20, 335, 596},
               {{1401, 900}, kR - 20, 335, 596}};
  for (const auto& k : cases) {
    const JetEngineDials d = JetEngineDialPlaces(k.screen, U, kR);
    EXPECT_EQ(d.Radius, k.radius) << k.screen.width() << "x" << k.screen.height();
    EXPECT_EQ(d.Engine1X, k.x1);
    EXPECT_EQ(d.Engine2X, k.x2);
  }
}

TEST(JetEngines, NeedlesAtZeroAndFullThrust) {
  for (const double n1 : {0.0, 100.0}) {
    SimState s = LaidOut("737");
    s.DisplayedN1 = n1;
    const RecordingCanvas c = Engines(s, Inputs({1366, 1024}));
    const auto needles = LinesOfWidth(c, 5);
    ASSERT_EQ(needles.size(), 2);
    const int cy = s.EngineCentreY;
    const int length = kR - 50 - 20 - 5;
    EXPECT_EQ(needles[0].points[0], QPoint(283, cy));
    EXPECT_EQ(needles[0].points[1], Expected(283, cy, length, n1 == 0 ? 90 : 290));
    EXPECT_EQ(needles[1].points[0], QPoint(477, cy));
    EXPECT_EQ(needles[1].points[1], Expected(477, cy, length, n1 == 0 ? 90 : 290));
    EXPECT_EQ(CountText(c, FormatFixed(n1, 5, 1)), 2);
  }
}

TEST(JetEngines, DialFaceTicksFiguresAndValueBox) {
  SimState s = LaidOut("737");
  s.DisplayedN1 = 58;
  const RecordingCanvas c = Engines(s, Inputs());
  const int cy = s.EngineCentreY, rj = kR - 20;
  const auto faces = Select(c, Op::Ellipse);
  ASSERT_EQ(faces.size(), 2);
  EXPECT_EQ(faces[0].points[0], QPoint(335 - rj, cy - rj));
  const auto ticks = LinesOfWidth(c, 2);
  ASSERT_EQ(ticks.size(), 22);
  EXPECT_EQ(ticks[9].pen.color, clr::White);
  EXPECT_EQ(ticks[10].pen.color, clr::Red);  // 100 %
  EXPECT_EQ(ticks[10].points[0], Expected(335, cy, rj, 290));
  const auto texts = Select(c, Op::Text);
  EXPECT_EQ(texts[0].text, "0");
  const QPoint p0 = Expected(335, cy, rj - 20 - 14, 90);
  EXPECT_EQ(texts[0].points[0], QPoint(p0.x() - 6, p0.y() - 17));
  EXPECT_EQ(texts[5].text, "10");
  const auto boxes = Select(c, Op::Rectangle);
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_EQ(boxes[1].points[0], QPoint(596, cy - 50));
  EXPECT_EQ(boxes[1].points[1], QPoint(596 + 65, cy - 20));
  const auto* value = FindText(c, " 58.0");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->points[0], QPoint(335 + 4, cy - 45));
  EXPECT_EQ(value->font.size, 16);
  EXPECT_EQ(FindText(c, "[ / *  - + ]")->points[0], QPoint(3 * U - 10, cy + U - 40));
  EXPECT_EQ(FindText(c, "ENG FAIL"), nullptr);
}

TEST(JetEngines, FailedEngineShowsZeroOrWindmills) {
  const struct {
    const char* code;
    int phase;
    double airspeed;
    const char* rightValue;
    bool failed;
  } cases[] = {{"Fire", 2, 150, "  0.0", true},   {"Damage", 2, 150, "  0.0", true}, {"Failure", 2, 150, " 10.0", true},
               {"Failure", 2, 20, "  0.0", true}, {"Fire", 1, 150, " 62.0", false},  {"GPWS", 2, 150, " 62.0", false}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.code) + " " + std::to_string(k.phase) + " " + std::to_string(k.airspeed));
    SimState s = LaidOut("737");
    s.DisplayedN1 = 62;
    s.FailureCode = k.code;
    s.FailurePhase = k.phase;
    s.FailedEngine = 2;
    s.Airspeed = k.airspeed;
    const RecordingCanvas c = Engines(s, Inputs());
    const auto values = Select(c, Op::Text);
    QVector<QString> shown;
    for (const auto& t : values)
      if (t.font.size == 16 && t.text != "ENG FAIL") shown << t.text;
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], " 62.0");  // the left engine runs
    EXPECT_EQ(shown[1], k.rightValue);
    const auto* fail = FindText(c, "ENG FAIL");
    EXPECT_EQ(fail != nullptr, k.failed);
    if (fail) {
      EXPECT_EQ(fail->points[0], QPoint(596 - 50, s.EngineCentreY + 10));
      EXPECT_EQ(fail->font.color, clr::Yellow);
    }
  }
}

// --- Thrust lever ---

TEST(ThrustLever, NothingBeforeTheThrottleMoves) {
  for (const char* type : {"SEP", "SEP EFIS", "737"}) {
    SimState s = LaidOut(type);
    s.JoystickLeverRpm = 0;
    s.JoystickLeverN1 = 80;
    const RecordingCanvas c = Engines(s, Inputs());
    EXPECT_EQ(FindText(c, " Joystick Thrust OFF "), nullptr) << type;
    EXPECT_EQ(FindText(c, " Adjust Joystick Thrust Lever! "), nullptr);
    for (const auto& l : LinesOfWidth(c, 5)) EXPECT_NE(l.pen.color, clr::Fuchsia);
  }
}

TEST(ThrustLever, PistonMarkerAndWarningLimits) {
  const struct {
    bool checked;
    double lever, displayed, preset;
    bool warning;
  } cases[] = {{false, 2415, 2400, 2000, false}, {false, 2415.1, 2400, 2000, true}, {false, 2385, 2400, 2000, false},
               {true, 2015, 2400, 2000, false},  {true, 2015.1, 2400, 2000, true}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.lever) + (k.checked ? " checked" : ""));
    SimState s = LaidOut("SEP");
    s.JoystickLeverRpm = k.lever;
    s.DisplayedRpm = k.displayed;
    s.PresetPower = k.preset;
    const RecordingCanvas c = Engines(s, Inputs({1600, 900}, true, k.checked));
    const auto* warning = FindText(c, " Adjust Joystick Thrust Lever! ");
    EXPECT_EQ(warning != nullptr, k.warning);
    if (warning) {
      EXPECT_EQ(warning->points[0], QPoint(U - 80, 6 * U - 100));
      EXPECT_EQ(warning->font.color, clr::Fuchsia);
    }
    const auto* status = FindText(c, k.checked ? " Joystick Thrust ON " : " Joystick Thrust OFF ");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->points[0], QPoint(U - 60, 6 * U - 60));
    EXPECT_EQ(status->font.color, k.checked ? clr::Lime : clr::Red);
    // The marker: lever (fuchsia) or preset (lime), shorter than the needle.
    const auto fives = LinesOfWidth(c, 5);
    ASSERT_EQ(fives.size(), 2);
    EXPECT_EQ(fives[0].pen.color, k.checked ? clr::Lime : clr::Fuchsia);
    EXPECT_EQ(fives[0].points[1], Expected(U, 5 * U, kR - 25 - 40, RpmDialAngle(k.checked ? k.preset : k.lever)));
  }
}

TEST(ThrustLever, JetWarningLimitAndPlaces) {
  const struct {
    bool checked;
    double lever;
    bool warning;
  } cases[] = {{false, 58.7, false}, {false, 58.71, true}, {false, 57.3, false}, {true, 62.7, false}, {true, 62.71, true}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.lever) + (k.checked ? " checked" : ""));
    SimState s = LaidOut("737");
    s.JoystickLeverRpm = 1800;
    s.JoystickLeverN1 = k.lever;
    s.DisplayedN1 = 58.0;
    s.PresetPower = 62.0;
    const RecordingCanvas c = Engines(s, Inputs({1600, 900}, true, k.checked));
    const int warnings = CountText(c, " Adjust Joystick Thrust Lever! ");
    EXPECT_EQ(warnings, k.warning ? 2 : 0);  // once per dial
    if (k.warning) EXPECT_EQ(FindText(c, " Adjust Joystick Thrust Lever! ")->points[0], QPoint(3 * U - 70, 15));
    const auto* status = FindText(c, k.checked ? " Joystick Thrust ON " : " Joystick Thrust OFF ");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->points[0], QPoint(3 * U - 50, 2 * U - 30));
    // Marker on each dial at the N1 law's angle, of the instrument radius.
    QVector<Prim> markers;
    for (const auto& l : LinesOfWidth(c, 5))
      if (l.pen.color != clr::White) markers << l;
    ASSERT_EQ(markers.size(), 2);
    EXPECT_EQ(markers[0].points[1],
              Expected(335, s.EngineCentreY, kR - 25 - 40, N1DialAngle(k.checked ? 62.0 : k.lever)));
  }
}

TEST(ThrustLever, DuringAFlightOnlyTheStatusStays) {
  for (const char* type : {"SEP EFIS", "737"}) {
    SCOPED_TRACE(type);
    SimState s = LaidOut(type);
    s.JoystickLeverRpm = 2600;
    s.JoystickLeverN1 = 90;
    s.DisplayedRpm = 2000;
    s.DisplayedN1 = 60;
    const RecordingCanvas c = Engines(s, Inputs({1600, 900}, false, true));
    EXPECT_EQ(FindText(c, " Adjust Joystick Thrust Lever! "), nullptr);
    const auto* status = FindText(c, " Joystick Thrust ON ");
    ASSERT_NE(status, nullptr);
    if (QString(type) == "SEP EFIS") EXPECT_EQ(status->points[0], QPoint(3 * U - 60, 2 * U - 60));
    for (const auto& l : LinesOfWidth(c, 5)) EXPECT_EQ(l.pen.color, clr::White);
  }
}

}  // namespace
}  // namespace tvx
