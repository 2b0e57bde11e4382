// The stopwatch, the guidance line, the parking brake, the switch panels and
// the start panel's folding, without a window.
#include <gtest/gtest.h>

#include "simulator/panelitems.h"
#include "simulator/simstate.h"

using namespace tvx;

namespace {

struct ChronoCase {
  int seconds;
  const char* text;
};

TEST(ChronoText, MinutesUnpaddedSecondsTwoDigits) {
  const ChronoCase cases[] = {{0, "0:00"},   {5, "0:05"},   {9, "0:09"},     {10, "0:10"},     {59, "0:59"},
                              {60, "1:00"},  {70, "1:10"},  {605, "10:05"},  {720, "12:00"},   {3600, "60:00"}};
  for (const ChronoCase& c : cases) EXPECT_EQ(ChronoText(c.seconds).toStdString(), c.text) << c.seconds;
}

TEST(ChronoWholeSeconds, TenthsAddedUpCountTheirWholeSecond) {
  EXPECT_EQ(ChronoWholeSeconds(0.9999999999999999), 1);
  EXPECT_EQ(ChronoWholeSeconds(0.95), 0);
  EXPECT_EQ(ChronoWholeSeconds(1.05), 1);
  EXPECT_EQ(ChronoWholeSeconds(0), 0);
}

// The stopwatch started (its box emptied) and stepped `ticks` times; the last reading.
QString RunChrono(SimState& s, int ticks) {
  QString shown;  // emptied at the start
  for (int i = 0; i < ticks; ++i) {
    const std::optional<QString> next = ChronoStep(s, shown);
    if (!next) return "(stopped)";
    shown = *next;
  }
  return shown;
}

TEST(ChronoStep, ReadsEachWholeSecondAtItsTenthTick) {
  const std::pair<int, const char*> cases[] = {{1, "0:00"},  {9, "0:00"},  {10, "0:01"}, {89, "0:08"},
                                               {90, "0:09"}, {99, "0:09"}, {599, "0:59"}, {600, "1:00"},
                                               {7200, "12:00"}};
  for (const auto& [ticks, text] : cases) {
    SimState s;
    s.ClockStep = 0.1;
    EXPECT_EQ(RunChrono(s, ticks).toStdString(), text) << ticks << " ticks";
    EXPECT_EQ(s.ChronoWhole, ChronoWholeSeconds(s.ChronoSeconds));
  }
}

TEST(ChronoStep, ABoxReadingZeroDoesNotCount) {
  SimState s;
  s.ClockStep = 0.1;
  s.ChronoSeconds = 4.2;
  s.ChronoWhole = 4;
  EXPECT_FALSE(ChronoStep(s, "0").has_value());
  EXPECT_DOUBLE_EQ(s.ChronoSeconds, 4.2);
  EXPECT_EQ(s.ChronoWhole, 4);
  // Any other reading counts on from the stored time.
  EXPECT_EQ(ChronoStep(s, "0:04").value().toStdString(), "0:04");
  EXPECT_DOUBLE_EQ(s.ChronoSeconds, 4.3);
}

TEST(GuidanceText, TableByFlapPositionAndEngines) {
  struct Case {
    int flaps;
    bool oneOut;
    const char* text;
  };
  const Case cases[] = {
      {0, false, "210 - 5° - 58%"},
      {0, true, "210 - 5° - 75.4%"},
      {1, false, "184 - 5.5° - 60%"},
      {1, true, "184 - 5.5° - 78%"},
      {2, false, "164 - 6° - 60.6%"},
      {2, true, "164 - 6° - 79%"},
      {3, false, "154 - 6° - 62%"},
      {3, true, "Vapp - 3° - 68% - 3° ROD"},
      {4, false, "Vapp - 0° - 62.4% - 3° ROD"},
      {4, true, "N.A. for 1 eng inop. "},
  };
  for (const Case& c : cases) {
    const std::optional<QString> text = GuidanceText(c.flaps, c.oneOut);
    ASSERT_TRUE(text.has_value()) << c.flaps;
    EXPECT_EQ(text->toStdString(), c.text) << c.flaps << " " << c.oneOut;
  }
}

TEST(GuidanceText, NoLineOutsideTheLeversRange) {
  for (bool oneOut : {false, true}) {
    EXPECT_FALSE(GuidanceText(-1, oneOut).has_value());
    EXPECT_FALSE(GuidanceText(5, oneOut).has_value());
  }
}

TEST(ParkingBrake, HoldsOnlySetAndStandingStill) {
  EXPECT_TRUE(ParkingBrakeHolds(0, 1));
  EXPECT_TRUE(ParkingBrakeHolds(-0.5, 1));
  EXPECT_FALSE(ParkingBrakeHolds(0.1, 1));
  EXPECT_FALSE(ParkingBrakeHolds(120, 1));
  EXPECT_FALSE(ParkingBrakeHolds(0, 0));
}

TEST(SwitchPanels, ClickTogglesTheCaption) {
  EXPECT_EQ(ToggledSwitch("OFF").toStdString(), "ON");
  EXPECT_EQ(ToggledSwitch("ON").toStdString(), "OFF");
  EXPECT_EQ(ToggledSwitch("").toStdString(), "ON");
  EXPECT_EQ(ToggledSwitch(ToggledSwitch("OFF")).toStdString(), "OFF");
}

TEST(StartPanelSize, FoldsAtFullWidthElseUnfolds) {
  EXPECT_EQ(ToggledStartPanelSize(QSize(593, 257)), QSize(105, 65));
  EXPECT_EQ(ToggledStartPanelSize(QSize(105, 65)), QSize(593, 257));
  EXPECT_EQ(ToggledStartPanelSize(QSize(400, 257)), QSize(593, 257));
  // Only the width decides.
  EXPECT_EQ(ToggledStartPanelSize(QSize(593, 100)), QSize(105, 65));
}

}  // namespace
