#include "exercises/catalogue.h"

#include <gtest/gtest.h>

#include <QSet>

#include "exercises/exform.h"

namespace tvx {
namespace {

TEST(Catalogue, TenGroupsOfSeventyListedExercises) {
  EXPECT_EQ(ExerciseGroupTitles(),
            (QStringList{"INSTRUMENT FLYING", "RADIO NAVIGATION ....... (R)", "TRACKING", "INTERCEPTIONS",
                         "VORDME ARC ....... (R)", "HOLDINGS", "ILS", "NON-PRECISION APPROACHES", "ARRIVALS",
                         "DEPARTURES"}));
  const int sizes[kExerciseGroupCount] = {9, 14, 4, 14, 4, 15, 2, 4, 2, 2};
  int total = 0;
  for (int g = 0; g < kExerciseGroupCount; ++g) {
    EXPECT_EQ(ExerciseTitles(g).size(), sizes[g]) << "group " << g;
    total += static_cast<int>(ExerciseTitles(g).size());
  }
  EXPECT_EQ(total, 70);
  EXPECT_TRUE(ExerciseTitles(-1).isEmpty());
  EXPECT_TRUE(ExerciseTitles(kExerciseGroupCount).isEmpty());
}

// The first and last item of every group, and the items whose titles carry
// an ampersand, with their generators.
TEST(Catalogue, TitlesAndGeneratorsInPlace) {
  struct Row {
    int group, item;
    const char* title;
    const char* generator;
  };
  const Row rows[] = {
      {0, 0, "[F] Level flight: change airspeed", "Exlevelspd"},
      {0, 3, "[F] Climb at constant airspeed && vertical speed", "ExClbvert"},
      {0, 8, "[D] Influence of wind", "Exwindinfl"},
      {1, 0, "[S] ADF: Relative bearing", "ExBear"},
      {1, 11, "[D] VOR: Course change: needle/flag change", "Exvorchange"},
      {1, 13, "[S] VOR: Determine exact inbound course", "Exexactcrs"},
      {2, 0, "[F] VOR tracking", "Exvortrack"},
      {2, 3, "[F] ADF tracking with unknown wind", "Exadftrackwind"},
      {3, 0, "[F] Turn && fly direct to the VOR", "Exdirvor"},
      {3, 8, "[S] Outbound interception: determine intercept heading ....... (R)", "Exoutbinthdg"},
      {3, 13, "[F] NDB Inbound interception", "ExinbintNDB"},
      {4, 0, "[F] Inbound Arc: clockwise", "ExinbarcCW"},
      {4, 3, "[F] Outbound Arc: counterclockwise", "ExoutbarcCCW"},
      {5, 0, "[S] OTIX: Fill in TD or X ....... (R)", "Exotix"},
      {5, 3, "[F] From teardrop position: turn inbound && intercept", "Exflytdshoot"},
      {5, 14, "[F] Entry && holding with wind ....... (R)", "Exenthold"},
      {6, 0, "[S] Rate-of-descent to maintain glideslope ....... (R)", "ExRod"},
      {6, 1, "[F] Fly ILS", "ExflyILS"},
      {7, 0, "[F] Localiser approach", "Exlocapp"},
      {7, 3, "[S] Visual Descent Point in NM ....... (R)", "ExVDP"},
      {8, 0, "[F] Full approach + ILS", "ExflyappILS"},
      {8, 1, "[F] Full approach + NDB", "ExflyappNDB"},
      {9, 0, "[S] Rate-of-climb (climb gradient) ....... (R)", "ExRoc"},
      {9, 1, "[S] Rate-of-climb (cross ... DME at or above ... ft) ....... (R)", "ExRocdme"},
  };
  for (const Row& r : rows) {
    const ExerciseItem* item = FindExercise(r.group, r.item);
    ASSERT_NE(item, nullptr) << r.group << "." << r.item;
    EXPECT_EQ(item->Title, QString(r.title)) << r.group << "." << r.item;
    EXPECT_EQ(item->Generator, QString(r.generator)) << r.group << "." << r.item;
    EXPECT_EQ(ExerciseTitles(r.group)[r.item], QString(r.title));
  }
}

TEST(Catalogue, HomingIsHeldButNeverOffered) {
  const ExerciseItem* homing = FindExercise(2, 4);
  ASSERT_NE(homing, nullptr);
  EXPECT_EQ(homing->Generator, "Exhoming");
  EXPECT_FALSE(homing->Listed);
  EXPECT_EQ(KindOfTitle(homing->Title), ExerciseKind::Flying);
  EXPECT_EQ(FindExercise(2, 5), nullptr);
  EXPECT_EQ(FindExercise(0, 9), nullptr);
  EXPECT_EQ(FindExercise(-1, 0), nullptr);
  EXPECT_EQ(FindExercise(10, 0), nullptr);
  EXPECT_EQ(FindExercise(0, -1), nullptr);
}

// Every title announces its kind; the kinds add up to the catalogue's
// questions, tasks to fly and demonstrations.
TEST(Catalogue, KindsFromTitles) {
  int counts[3] = {0, 0, 0};
  for (int g = 0; g < kExerciseGroupCount; ++g) {
    for (const QString& title : ExerciseTitles(g)) {
      EXPECT_TRUE(title.startsWith("[S] ") || title.startsWith("[F] ") || title.startsWith("[D] ")) << title.toStdString();
      ++counts[static_cast<int>(KindOfTitle(title))];
    }
  }
  EXPECT_EQ(counts[static_cast<int>(ExerciseKind::Question)], 28);
  EXPECT_EQ(counts[static_cast<int>(ExerciseKind::Flying)], 40);
  EXPECT_EQ(counts[static_cast<int>(ExerciseKind::Demonstration)], 2);
  EXPECT_EQ(KindOfTitle("[D] Influence of wind"), ExerciseKind::Demonstration);
  EXPECT_EQ(KindOfTitle("[S] ADF: Relative bearing"), ExerciseKind::Question);
}

// The dispatcher's table runs row for row along the catalogue, so that an
// item always calls its own generator.
TEST(Catalogue, DispatcherTableFollowsTheCatalogue) {
  const auto& table = TExform::GeneratorTable();
  const auto& catalogue = ExerciseCatalogue();
  ASSERT_EQ(table.size(), catalogue.size());
  QSet<QString> names;
  for (std::size_t g = 0; g < table.size(); ++g) {
    ASSERT_EQ(table[g].size(), catalogue[g].Items.size()) << "group " << g;
    for (std::size_t i = 0; i < table[g].size(); ++i) {
      EXPECT_EQ(QString(table[g][i].Name), catalogue[g].Items[i].Generator) << g << "." << i;
      names.insert(table[g][i].Name);
    }
  }
  EXPECT_EQ(names.size(), 71);  // no generator serves two items
}

}  // namespace
}  // namespace tvx
