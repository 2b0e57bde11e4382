// The main menu's hover texts and banner, and the keyboard-help text.
#include <gtest/gtest.h>

#include "shell/helpform.h"
#include "shell/menutexts.h"

using namespace tvx;

namespace {

struct HoverCase {
  const char* word;
  QStringList lines;  // "@" stands for the web line
};

QStringList WithWeb(QStringList lines) {
  for (QString& line : lines)
    if (line == "@") line = WebLine();
  return lines;
}

}  // namespace

TEST(MenuTexts, EveryHoverWordHasItsLines) {
  const HoverCase cases[] = {
      {"simulator", {"Fly The Simulator.", "", "Fasten your seatbelts.", "Cleared for take-off.", "", "@"}},
      {"boeing757", {"Fly The Boeing 757.", "Fasten your seatbelts.", "", "@"}},
      {"exercises", {"Make The IFR Exercises.", "", "@"}},
      {"navlog", {"Flight Preparation: ", "Navigation Log.", "", "@"}},
      {"massbal", {"Flight Preparation: ", "Mass And Balance.", "", "@"}},
      {"conversion", {"Calculate Conversions.", "", "@"}},
      {"exit",
       {"Thank You For Flying", "The Tarvinex Sim.", "", "We hope you enjoyed the flight!", "Have a great day/evening!",
        "", "@"}},
      {"created", {"Created by:", "@", "", "Welcome Aboard!", ""}},
  };
  for (const HoverCase& c : cases) EXPECT_EQ(HoverLines(c.word), WithWeb(c.lines)) << c.word;
  EXPECT_TRUE(HoverLines("").isEmpty());
  EXPECT_TRUE(HoverLines("Simulator").isEmpty());  // words are compared exactly
}

TEST(MenuTexts, WebLineNamesTheProgramsPlace) {
  EXPECT_FALSE(WebLine().isEmpty());
  EXPECT_TRUE(WebLine().contains("tarvinex", Qt::CaseInsensitive));
}

TEST(MenuTexts, TheMemoIsRewrittenOnlyForAnotherWord) {
  QString key;
  EXPECT_TRUE(TakeHover(key, "simulator"));
  EXPECT_EQ(key, "simulator");
  EXPECT_FALSE(TakeHover(key, "simulator"));  // back and forth over one button
  EXPECT_FALSE(TakeHover(key, "simulator"));
  EXPECT_TRUE(TakeHover(key, "exercises"));
  EXPECT_TRUE(TakeHover(key, "simulator"));  // another button and back
  // Exit and its hidden twin share one word: moving between them rewrites nothing.
  EXPECT_TRUE(TakeHover(key, "exit"));
  EXPECT_FALSE(TakeHover(key, "exit"));
}

TEST(MenuTexts, BannerGrowsAndEmptiesEveryFourthStep) {
  QString banner;
  const QStringList expected{"Fly", "Fly at a Higher", "Fly at a Higher Level !", ""};
  for (int round = 0; round < 3; ++round)
    for (const QString& next : expected) {
      banner = NextBanner(banner);
      EXPECT_EQ(banner, next) << "round " << round;
    }
  // A text of its own gives way to the full line, and the cycle goes on.
  EXPECT_EQ(NextBanner("Welcome"), "Fly at a Higher Level !");
  EXPECT_EQ(NextBanner("fly"), "Fly at a Higher Level !");
  EXPECT_EQ(NextBanner(NextBanner("Welcome")), "");
}

TEST(KeyboardHelp, GroupsAreSeparatedByEmptyLines) {
  const QStringList lines = KeyboardHelpLines();
  ASSERT_EQ(lines.size(), 31);
  QStringList headings;
  for (int i = 0; i < lines.size(); ++i) {
    if (!lines[i].isEmpty()) continue;
    ASSERT_LT(i + 1, lines.size());
    headings << lines[i + 1];
  }
  EXPECT_EQ(headings, (QStringList{"VOR COURSE:", "MAP:", "HOLDING:", "EXERCISEPANEL:"}));
  EXPECT_EQ(lines.first(), "FLIGHT:                 ");  // trailing blanks kept
  EXPECT_EQ(lines.last(), "adjust size             E");
}

TEST(KeyboardHelp, KeysStandInOneColumn) {
  // Every line with a key names it from column 24 on, the two keys of a pair
  // 11 columns apart.
  struct Row {
    int line;
    QString first, second;
  };
  const Row rows[] = {{1, "LEFT", "RIGHT"},        {2, "UP", "DOWN"},           {3, "*", "-"},
                      {4, "/", "+"},               {5, "P", ""},                {6, "T", ""},
                      {7, "M", ""},                {10, "U", "I"},              {11, "[Shift+U]", "[Shift+I]"},
                      {12, "J", "K"},              {13, "[Shift+J]", "[Shift+K]"}, {14, "Y", ""},
                      {15, "R", ""},               {18, "Z", ""},               {19, "D", ""},
                      {20, "X", ""},               {21, "A", ""},               {22, "S", ""},
                      {25, "G", "H"},              {26, "[Shift+G]", "[Shift+H]"}, {30, "E", ""}};
  const QStringList lines = KeyboardHelpLines();
  for (const Row& row : rows) {
    const QString& line = lines[row.line];
    EXPECT_EQ(line.mid(24, row.first.size()), row.first) << row.line;
    EXPECT_EQ(line[23], QChar(u' ')) << "a blank before the key: " << row.line;
    if (!row.second.isEmpty()) EXPECT_EQ(line.mid(35, row.second.size()), row.second) << row.line;
  }
  EXPECT_EQ(lines[27].mid(35), "[Ctrl+H]");
  EXPECT_EQ(lines[18].mid(44), "(or W)");
  EXPECT_EQ(lines[21].mid(44), "(or Q)");
  // The degree signs are one character each, so the columns hold.
  EXPECT_EQ(lines[10], QString("VOR 1 & HSI: -10") + QChar(0x00B0) + "/+10" + QChar(0x00B0) + ": U          I");
  EXPECT_EQ(lines[3], "RPM/N1 incr/decr:       *          -        ");
  EXPECT_EQ(lines[4], "N1 fast incr/decr:      /          +        ");
}
