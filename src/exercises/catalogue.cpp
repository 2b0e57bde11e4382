#include "exercises/catalogue.h"

namespace tvx {

const std::vector<ExerciseGroup>& ExerciseCatalogue() {
  static const std::vector<ExerciseGroup> catalogue = {
      {"INSTRUMENT FLYING",
       {
           {"[F] Level flight: change airspeed", "Exlevelspd"},
           {"[S] Heading: reciprocal ....... (R)", "ExRecipr"},
           {"[F] Climb at constant airspeed", "ExClbspd"},
           {"[F] Climb at constant airspeed && vertical speed", "ExClbvert"},
           {"[F] Descend at constant airspeed", "ExDesspd"},
           {"[F] Descend at constant airspeed && vertical speed", "ExDesvert"},
           {"[F] Turn", "Exturn"},
           {"[F] Radar vectors ....... (R)", "Exvector"},
           {"[D] Influence of wind", "Exwindinfl"},
       }},
      {"RADIO NAVIGATION ....... (R)",
       {
           {"[S] ADF: Relative bearing", "ExBear"},
           {"[S] ADF: Influence of heading", "Expoint"},
           {"[S] ADF: QDM on MAP", "Exmapqdm"},
           {"[S] ADF: QDM on instruments", "Exinsqdm"},
           {"[S] ADF: QDR on MAP", "Exmapqdr"},
           {"[S] ADF: QDR on instruments", "Exinsqdr"},
           {"[S] RMI: QDM/QDR", "Exrmiqdmqdr"},
           {"[S] VOR: Radial on MAP", "Exmaprad"},
           {"[S] VOR: Radial on VOR instrument", "Exvorrad"},
           {"[S] VOR: Inbound course on MAP", "Exmapcrs"},
           {"[S] VOR: Inbound course on VOR instruments", "Exvorcrs"},
           {"[D] VOR: Course change: needle/flag change", "Exvorchange"},
           {"[S] VOR: Determine exact radial", "Exexactrad"},
           {"[S] VOR: Determine exact inbound course", "Exexactcrs"},
       }},
      {"TRACKING",
       {
           {"[F] VOR tracking", "Exvortrack"},
           {"[F] VOR tracking with unknown wind", "Exvortrackwind"},
           {"[F] ADF tracking", "Exadftrack"},
           {"[F] ADF tracking with unknown wind", "Exadftrackwind"},
           // Homing: held by the dispatcher only, with no title of its own, so
           // the window never offers it.
           {"[F]", "Exhoming", false},
       }},
      {"INTERCEPTIONS",
       {
           {"[F] Turn && fly direct to the VOR", "Exdirvor"},
           {"[F] Turn && fly to the VOR on the initial course", "Exvorinitcrs"},
           {"[S] Wind effect: helping or not", "Exwindhelp"},
           {"[S] Overhead interception: determine intercept heading", "Exoverinthdg"},
           {"[F] VOR Overhead interception", "ExoverintVOR"},
           {"[F] NDB Overhead interception", "ExoverintNDB"},
           {"[F] VOR Navigation", "ExVORnavig"},
           {"[F] NDB Navigation", "ExNDBnavig"},
           {"[S] Outbound interception: determine intercept heading ....... (R)", "Exoutbinthdg"},
           {"[F] VOR Outbound interception", "ExoutbintVOR"},
           {"[F] NDB Outbound interception", "ExoutbintNDB"},
           {"[S] Inbound interception: determine intercept heading ....... (R)", "Exinbinthdg"},
           {"[F] VOR Inbound interception", "ExinbintVOR"},
           {"[F] NDB Inbound interception", "ExinbintNDB"},
       }},
      {"VORDME ARC ....... (R)",
       {
           {"[F] Inbound Arc: clockwise", "ExinbarcCW"},
           {"[F] Inbound Arc: counterclockwise", "ExinbarcCCW"},
           {"[F] Outbound Arc: clockwise", "ExoutbarcCW"},
           {"[F] Outbound Arc: counterclockwise", "ExoutbarcCCW"},
       }},
      {"HOLDINGS",
       {
           {"[S] OTIX: Fill in TD or X ....... (R)", "Exotix"},
           {"[F] VOR holding: no wind", "ExvorholdnoW"},
           {"[F] NDB holding: no wind", "ExndbholdnoW"},
           {"[F] From teardrop position: turn inbound && intercept", "Exflytdshoot"},
           {"[S] Calculate outbound timing", "Excalcoutbtim"},
           {"[S] Correct outbound timing", "Excoroutbtim"},
           {"[S] Calculate outbound heading", "Excalcoutbhdg"},
           {"[F] VOR holding with wind ....... (R)", "Exvorhold"},
           {"[F] NDB holding with wind ....... (R)", "Exndbhold"},
           {"[F] Direct entry", "Exdirent"},
           {"[F] Teardrop entry", "Extdent"},
           {"[F] Parallel entry", "Exparent"},
           {"[S] Entry decision ....... (R)", "Exentrydec"},
           {"[S] Entry decision on figure ....... (R)", "Exentrydecfig"},
           {"[F] Entry && holding with wind ....... (R)", "Exenthold"},
       }},
      {"ILS",
       {
           {"[S] Rate-of-descent to maintain glideslope ....... (R)", "ExRod"},
           {"[F] Fly ILS", "ExflyILS"},
       }},
      {"NON-PRECISION APPROACHES",
       {
           {"[F] Localiser approach", "Exlocapp"},
           {"[F] VORDME approach", "Exvordmeapp"},
           {"[F] NDB approach", "ExNDBapp"},
           {"[S] Visual Descent Point in NM ....... (R)", "ExVDP"},
       }},
      {"ARRIVALS",
       {
           {"[F] Full approach + ILS", "ExflyappILS"},
           {"[F] Full approach + NDB", "ExflyappNDB"},
       }},
      {"DEPARTURES",
       {
           {"[S] Rate-of-climb (climb gradient) ....... (R)", "ExRoc"},
           {"[S] Rate-of-climb (cross ... DME at or above ... ft) ....... (R)", "ExRocdme"},
       }},
  };
  return catalogue;
}

QStringList ExerciseGroupTitles() {
  QStringList titles;
  for (const ExerciseGroup& group : ExerciseCatalogue()) titles << group.Title;
  return titles;
}

QStringList ExerciseTitles(int group) {
  QStringList titles;
  if (group < 0 || group >= static_cast<int>(ExerciseCatalogue().size())) return titles;
  for (const ExerciseItem& item : ExerciseCatalogue()[static_cast<std::size_t>(group)].Items)
    if (item.Listed) titles << item.Title;
  return titles;
}

const ExerciseItem* FindExercise(int group, int item) {
  const auto& catalogue = ExerciseCatalogue();
  if (group < 0 || group >= static_cast<int>(catalogue.size())) return nullptr;
  const auto& items = catalogue[static_cast<std::size_t>(group)].Items;
  if (item < 0 || item >= static_cast<int>(items.size())) return nullptr;
  return &items[static_cast<std::size_t>(item)];
}

ExerciseKind KindOfTitle(const QString& title) {
  if (title.startsWith("[F]")) return ExerciseKind::Flying;
  if (title.startsWith("[D]")) return ExerciseKind::Demonstration;
  return ExerciseKind::Question;
}

}  // namespace tvx
