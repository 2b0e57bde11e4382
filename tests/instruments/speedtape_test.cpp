#include <gtest/gtest.h>

#include "instruments/gauges.h"
#include "instruments/gaugetestsupport.h"

namespace tvx {
namespace {

using namespace test;

constexpr int U = 149, kYc = 223;  // 1600 x 900: the reference row is 3 x 149 / 2

GaugeInputs Labels() {
  GaugeInputs in;
  in.FlapLabels = {"UP", "F1", "F5", "F15"};
  return in;
}

SimState Tape(const QString& type, double shown) {
  SimState s = LaidOut(type);
  s.DisplayedAirspeed = shown;
  s.Airspeed = shown;
  s.SpeedBugPhase = "APCH";
  return s;
}

// --- Filter, unreliable airspeed, clamp ---

TEST(SpeedTapeFilter, ChangingAirspeedIsTakenOnEverySecondRefresh) {
  SimState s = Tape("737", 100);
  s.PreviousTapeAirspeed = 100;
  QVector<double> shown;
  for (double a : {101, 102, 103, 104, 105, 106}) {
    s.Airspeed = a;
    FilterTapeAirspeed(s);
    shown << s.DisplayedAirspeed;
  }
  EXPECT_EQ(shown, QVector<double>({100, 102, 102, 104, 104, 106}));
}

TEST(SpeedTapeFilter, SteadyAirspeedIsReachedAndKept) {
  SimState s = Tape("SEP EFIS", 115);
  s.Airspeed = 97;
  for (int i = 0; i < 4; ++i) FilterTapeAirspeed(s);
  EXPECT_DOUBLE_EQ(s.DisplayedAirspeed, 97);
}

TEST(SpeedTapeFilter, UnreliableAirspeedReadsSteadilyLowOrHigh) {
  for (const auto& [variant, expected] : {std::pair{0, 210.0}, std::pair{1, 290.0}}) {
    SimState s = Tape("737", 250);
    s.FailureCode = "UNRELIABLE";
    s.FailurePhase = 2;
    s.FailureVariant = variant;
    s.UnreliableSpeedError = 40;
    for (int i = 0; i < 5; ++i) {
      FilterTapeAirspeed(s);
      EXPECT_DOUBLE_EQ(s.DisplayedAirspeed, expected) << "refresh " << i;
    }
    // The whole tape stands on the false speed: the reference row reads it.
    EXPECT_EQ(SpeedTapeY(s, expected), kYc);
  }
}

TEST(SpeedTapeFilter, UnreliableAirspeedOnlyOnTheJetAndOnlyInPhaseTwo) {
  SimState s = Tape("SEP EFIS", 110);
  s.FailureCode = "UNRELIABLE";
  s.FailurePhase = 2;
  s.UnreliableSpeedError = 40;
  FilterTapeAirspeed(s);
  EXPECT_DOUBLE_EQ(s.DisplayedAirspeed, 110);
  SimState j = Tape("737", 250);
  j.FailureCode = "UNRELIABLE";
  j.FailurePhase = 1;
  j.UnreliableSpeedError = 40;
  FilterTapeAirspeed(j);
  EXPECT_DOUBLE_EQ(j.DisplayedAirspeed, 250);
}

TEST(SpeedTapeFilter, ClampsByScale) {
  const struct {
    const char* type;
    double airspeed, shown;
  } cases[] = {{"SEP EFIS", 20, 30}, {"SEP EFIS", 200, 180}, {"737", 0, 0}, {"737", 600, 500}, {"320", -3, 0}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.type) + " " + std::to_string(k.airspeed));
    SimState s = Tape(k.type, k.airspeed);
    FilterTapeAirspeed(s);
    EXPECT_DOUBLE_EQ(s.DisplayedAirspeed, k.shown);
  }
}

// --- Scale geometry ---

TEST(SpeedTapeScale, PistonTicksAreNotRoundedToWholePixels) {
  SimState s = Tape("SEP EFIS", 180);
  EXPECT_EQ(SpeedTapeY(s, 180), kYc);
  // 180 kt below the reference: 180 x 149 / 20 px, not 36 x 37 = 1332 px.
  EXPECT_EQ(SpeedTapeY(s, 0) - kYc, 1341);
  EXPECT_EQ(SpeedTapeY(s, 185) - kYc, -37);  // 37.25 rounded
  EXPECT_EQ(SpeedTapeY(s, 190), 149);  // row 148.5, rounded up
}

TEST(SpeedTapeScale, JetScaleHalfThePistonScale) {
  SimState s = Tape("737", 250);
  EXPECT_EQ(SpeedTapeY(s, 250), kYc);
  EXPECT_EQ(SpeedTapeY(s, 230), kYc + 75);  // 74.5
  EXPECT_EQ(SpeedTapeY(s, 370), kYc - 447);  // 120 kt = 3 cells
}

TEST(SpeedTapeLimit, JetLimitByAltitude) {
  EXPECT_NEAR(JetSpeedLimit(40000, 0.246), 233.4, 0.05);
  EXPECT_DOUBLE_EQ(JetSpeedLimit(0, 1.0), 340.0);  // 542.7 clamped
  EXPECT_NEAR(JetSpeedLimit(30000, 0.374), 31.98 * std::sqrt(228 * 0.374), 1e-9);
  // The tropopause: 15 - 2 x 35750 / 1000 = -56.5 is not below -56.5.
  EXPECT_NEAR(JetSpeedLimit(35750, 0.3), 31.98 * std::sqrt(216.5 * 0.3), 1e-9);
  EXPECT_NEAR(JetSpeedLimit(36000, 0.3), 31.98 * std::sqrt(216.5 * 0.3), 1e-9);
}

// --- Drawing ---

TEST(SpeedTapeDrawing, PistonBandsInOrder) {
  SimState s = Tape("SEP EFIS", 100);
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  const auto rects = Select(c, Op::Rectangle);
  ASSERT_GE(rects.size(), 5);
  const struct {
    double from, to;
    int width;
    TColor color;
  } bands[] = {{50, 126, 14, clr::Lime}, {44, 103, 7, clr::White}, {126, 160, 14, clr::Yellow}, {160, 200, 14, clr::Red}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rects[i].points[0], QPoint(U - bands[i].width, SpeedTapeY(s, bands[i].to)));
    EXPECT_EQ(rects[i].points[1], QPoint(U, SpeedTapeY(s, bands[i].from)));
    EXPECT_EQ(rects[i].brush.color, bands[i].color);
    EXPECT_EQ(rects[i].pen.color, bands[i].color);
  }
  // No jet marks on the piston tape.
  EXPECT_EQ(FindText(c, "REF"), nullptr);
  EXPECT_EQ(FindText(c, "UP"), nullptr);
  EXPECT_TRUE(LinesOfWidth(c, 5).isEmpty());
}

TEST(SpeedTapeDrawing, PistonFiguresEveryTenKnots) {
  SimState s = Tape("SEP EFIS", 100);
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  QVector<QString> figures;
  for (const auto& p : Select(c, Op::Text))
    if (p.font.size == 14 && p.points[0].x() == U - 80) figures << p.text;
  ASSERT_EQ(figures.size(), 21);
  EXPECT_EQ(figures.first(), "0");
  EXPECT_EQ(figures[10], "100");
  EXPECT_EQ(figures.last(), "200");
  // The 100 figure on the reference row, its tick 40 px long; 105 kt a short tick.
  EXPECT_EQ(FindText(c, "100")->points[0], QPoint(U - 80, kYc - 10));
  int shortTicks = 0;
  for (const auto& l : LinesOfWidth(c, 1))
    if (l.pen.color == clr::White && l.points[0].x() == U && l.points[1].x() == U - 20) ++shortTicks;
  EXPECT_EQ(shortTicks, 20);
}

TEST(SpeedTapeDrawing, JetFiguresEveryTwentyKnotsAndZeroOnTheGround) {
  SimState s = Tape("737", 0);
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  QVector<QString> figures;
  int ticks = 0;
  for (const auto& p : c.log) {
    if (p.op == Op::Text && p.font.size == 14 && p.points[0].x() == U - 80) figures << p.text;
    if (p.op == Op::Line && p.pen.color == clr::White && p.pen.width == 1 && p.points[1].x() == U - 40) ++ticks;
  }
  ASSERT_EQ(figures.size(), 26);
  EXPECT_EQ(figures[1], "20");
  EXPECT_EQ(ticks, 51);  // every 10 kt
  EXPECT_EQ(FindText(c, "0")->points[0], QPoint(U - 80, kYc - 10));
}

TEST(SpeedTapeDrawing, JetLimitBandAndApproachMarks) {
  SimState s = Tape("737", 250);
  s.Altitude = 40000;
  s.DensityRatio = 0.246;
  s.SpeedBug = 240;
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  const auto rects = Select(c, Op::Rectangle);
  ASSERT_FALSE(rects.isEmpty());
  EXPECT_EQ(rects[0].brush.color, clr::Red);
  EXPECT_EQ(rects[0].points[0], QPoint(U - 14, SpeedTapeY(s, 600)));
  EXPECT_EQ(rects[0].points[1], QPoint(U, SpeedTapeY(s, 233.4)));
  const struct {
    const char* text;
    double kt;
    int x;
  } marks[] = {{"UP", 204, U - 40}, {"F1", 184, U - 40}, {"F5", 164, U - 40}, {"F15", 154, U - 40}, {"REF", 134, U - 45}};
  for (const auto& m : marks) {
    SCOPED_TRACE(m.text);
    const auto* t = FindText(c, m.text);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->points[0], QPoint(m.x, SpeedTapeY(s, m.kt) - 8));
    EXPECT_EQ(t->font.color, clr::Lime);
    EXPECT_EQ(t->font.size, 12);
    EXPECT_EQ(t->brush.color, clr::GrayText);
  }
  // The REF line is short; the speed bug fuchsia.
  bool refLine = false;
  for (const auto& l : Select(c, Op::Line))
    refLine |= l.points[0] == QPoint(U - 1, SpeedTapeY(s, 134)) && l.points[1].x() == U - 11;
  EXPECT_TRUE(refLine);
  const auto bug = LinesOfWidth(c, 5);
  ASSERT_EQ(bug.size(), 1);
  EXPECT_EQ(bug[0].pen.color, clr::Fuchsia);
  EXPECT_EQ(bug[0].points[0], QPoint(U - 2, SpeedTapeY(s, 240)));
  EXPECT_EQ(bug[0].points[1], QPoint(U - 21, SpeedTapeY(s, 240)));
  EXPECT_EQ(FindText(c, "R"), nullptr);
  EXPECT_EQ(FindText(c, "V1"), nullptr);
}

TEST(SpeedTapeDrawing, ReferenceSpeedWithAnEngineOut) {
  SimState s = Tape("737", 160);
  s.OneEngineOut = true;
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  EXPECT_EQ(FindText(c, "REF")->points[0], QPoint(U - 45, SpeedTapeY(s, 149) - 8));
}

TEST(SpeedTapeDrawing, TakeoffMarks) {
  SimState s = Tape("737", 60);
  s.SpeedBugPhase = "TO";
  s.SpeedBug = 143;
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  EXPECT_EQ(FindText(c, "REF"), nullptr);
  EXPECT_EQ(FindText(c, "F5"), nullptr);
  EXPECT_EQ(FindText(c, "UP")->points[0], QPoint(U - 40, SpeedTapeY(s, 204) - 8));
  EXPECT_EQ(FindText(c, "F1")->points[0], QPoint(U - 40, SpeedTapeY(s, 184) - 8));
  EXPECT_EQ(FindText(c, "R")->points[0], QPoint(U - 40, SpeedTapeY(s, 135) - 8));
  EXPECT_EQ(FindText(c, "V1")->points[0], QPoint(U - 45, SpeedTapeY(s, 129) - 8));
  const auto wide = LinesOfWidth(c, 5);
  ASSERT_EQ(wide.size(), 2);
  EXPECT_EQ(wide[0].pen.color, clr::White);
  EXPECT_EQ(wide[0].points[0], QPoint(U - 1, SpeedTapeY(s, 158)));
  EXPECT_EQ(wide[0].points[1], QPoint(U - 21, SpeedTapeY(s, 158)));
  EXPECT_EQ(wide[1].pen.color, clr::Fuchsia);
}

TEST(SpeedTapeDrawing, SelectedSpeedOnlyWithTheAutopilotOnBothTapes) {
  for (const char* type : {"SEP EFIS", "737"}) {
    SCOPED_TRACE(type);
    SimState s = Tape(type, 120);
    s.SelectedSpeed = 130;
    RecordingCanvas off;
    DrawEFISSpeedTape(off, s, Labels());
    EXPECT_TRUE(LinesOfWidth(off, 4).isEmpty());
    s.AutopilotEngaged = true;
    RecordingCanvas on;
    DrawEFISSpeedTape(on, s, Labels());
    const auto sel = LinesOfWidth(on, 4);
    ASSERT_EQ(sel.size(), 1);
    EXPECT_EQ(sel[0].pen.color, clr::Fuchsia);
    EXPECT_EQ(sel[0].points[0], QPoint(U, SpeedTapeY(s, 130)));
    EXPECT_EQ(sel[0].points[1], QPoint(U - 25, SpeedTapeY(s, 130)));
  }
}

TEST(SpeedTapeDrawing, TrendShowsTheGainOfTenSeconds) {
  SimState s = Tape("737", 200);
  s.Acceleration = 1.0;  // 19.4 kt in 10 s: 19 kt
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  bool found = false;
  for (const auto& r : Select(c, Op::Rectangle))
    if (r.brush.color == clr::Lime) {
      EXPECT_EQ(r.points[0], QPoint(U - 2, kYc));
      EXPECT_EQ(r.points[1], QPoint(U - 6, kYc - 71));  // 19 x 18.625 / 5 = 70.8
      found = true;
    }
  EXPECT_TRUE(found);
  s.Acceleration = -0.5;  // -9.7: -10 kt, downward
  RecordingCanvas down;
  DrawEFISSpeedTape(down, s, Labels());
  for (const auto& r : Select(down, Op::Rectangle))
    if (r.brush.color == clr::Lime) EXPECT_EQ(r.points[1], QPoint(U - 6, kYc + 37));
}

TEST(SpeedTapeDrawing, ReadoutDataBoxAndWind) {
  SimState s = Tape("737", 250.4);
  s.Altitude = 12000;
  s.MachNumber = 0.6124;
  s.TrueAirspeed = 95;
  s.GroundSpeed = 312;
  s.WindDirection = 5;
  s.WindSpeed = 12;
  s.Heading = 5;
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  const auto* readout = FindText(c, "250");
  ASSERT_NE(readout, nullptr);
  EXPECT_EQ(readout->points[0], QPoint(U - 80, kYc - 15));
  EXPECT_EQ(readout->font.size, 18);
  EXPECT_EQ(readout->brush.color, clr::Black);
  EXPECT_EQ(FindText(c, "0.612")->points[0], QPoint(4, 3 * U + 5));
  EXPECT_EQ(FindText(c, "TAS  95")->points[0], QPoint(4, 3 * U + 35));
  EXPECT_EQ(FindText(c, "GS 312")->points[0], QPoint(4, 3 * U + 65));
  const auto* wind = FindText(c, "005 / 12");
  ASSERT_NE(wind, nullptr);
  EXPECT_EQ(wind->points[0], QPoint(8, 3 * U + 165));
  EXPECT_EQ(wind->font.color, clr::Green);
  // Wind from straight ahead: a vertical shaft with the head at the bottom.
  const auto lines = Select(c, Op::Line);
  ASSERT_GE(lines.size(), 3);
  const int yw = 3 * U + 135;
  const auto& shaft = lines[lines.size() - 3];
  EXPECT_EQ(shaft.points[0], QPoint(40, yw - 27));
  EXPECT_EQ(shaft.points[1], QPoint(40, yw + 27));
  for (int k : {2, 1}) {
    const auto& stroke = lines[lines.size() - k];
    EXPECT_EQ(stroke.points[0], QPoint(40, yw + 27));
    EXPECT_LT(stroke.points[1].y(), yw + 27);
    EXPECT_EQ(stroke.pen.color, clr::Green);
  }
  EXPECT_EQ(lines[lines.size() - 2].points[1], QPoint(30, yw + 12));  // 40 - 10, 27.04 - 15
  EXPECT_EQ(lines[lines.size() - 1].points[1], QPoint(50, yw + 12));
}

TEST(SpeedTapeDrawing, NoMachAtLowAltitudeNorOnThePiston) {
  SimState s = Tape("737", 200);
  s.Altitude = 1000;
  s.MachNumber = 0.3;
  RecordingCanvas c;
  DrawEFISSpeedTape(c, s, Labels());
  EXPECT_EQ(FindText(c, "0.300"), nullptr);
  SimState p = Tape("SEP EFIS", 100);
  p.Altitude = 5000;
  p.MachNumber = 0.15;
  RecordingCanvas pc;
  DrawEFISSpeedTape(pc, p, Labels());
  EXPECT_EQ(FindText(pc, "0.150"), nullptr);
  EXPECT_NE(FindText(pc, "TAS   0"), nullptr);
}

TEST(SpeedTapeDrawing, WindDirectionPadding) {
  for (const auto& [dir, text] : {std::pair{5, "005 / 20"}, std::pair{45, "045 / 20"}, std::pair{270, "270 / 20"}}) {
    SimState s = Tape("737", 200);
    s.WindDirection = dir;
    s.WindSpeed = 20;
    RecordingCanvas c;
    DrawEFISSpeedTape(c, s, Labels());
    EXPECT_NE(FindText(c, text), nullptr) << text;
  }
}

}  // namespace
}  // namespace tvx
