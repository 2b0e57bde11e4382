// The dispatcher's table: the generator of every catalogue item, group by
// group in catalogue order. An entry without a generator is an exercise not
// built yet: choosing it starts a run that shows no task.
#include "exercises/exform.h"

namespace tvx {

const std::vector<std::vector<TExform::GeneratorEntry>>& TExform::GeneratorTable() {
  static const std::vector<std::vector<GeneratorEntry>> table = {
      // INSTRUMENT FLYING
      {
          {"Exlevelspd", nullptr},
          {"ExRecipr", nullptr},
          {"ExClbspd", nullptr},
          {"ExClbvert", nullptr},
          {"ExDesspd", nullptr},
          {"ExDesvert", nullptr},
          {"Exturn", nullptr},
          {"Exvector", nullptr},
          {"Exwindinfl", nullptr},
      },
      // RADIO NAVIGATION ....... (R)
      {
          {"ExBear", nullptr},
          {"Expoint", nullptr},
          {"Exmapqdm", nullptr},
          {"Exinsqdm", nullptr},
          {"Exmapqdr", nullptr},
          {"Exinsqdr", nullptr},
          {"Exrmiqdmqdr", nullptr},
          {"Exmaprad", nullptr},
          {"Exvorrad", nullptr},
          {"Exmapcrs", nullptr},
          {"Exvorcrs", nullptr},
          {"Exvorchange", nullptr},
          {"Exexactrad", nullptr},
          {"Exexactcrs", nullptr},
      },
      // TRACKING
      {
          {"Exvortrack", nullptr},
          {"Exvortrackwind", nullptr},
          {"Exadftrack", nullptr},
          {"Exadftrackwind", nullptr},
          {"Exhoming", nullptr},
      },
      // INTERCEPTIONS
      {
          {"Exdirvor", nullptr},
          {"Exvorinitcrs", nullptr},
          {"Exwindhelp", nullptr},
          {"Exoverinthdg", nullptr},
          {"ExoverintVOR", nullptr},
          {"ExoverintNDB", nullptr},
          {"ExVORnavig", nullptr},
          {"ExNDBnavig", nullptr},
          {"Exoutbinthdg", nullptr},
          {"ExoutbintVOR", nullptr},
          {"ExoutbintNDB", nullptr},
          {"Exinbinthdg", nullptr},
          {"ExinbintVOR", nullptr},
          {"ExinbintNDB", nullptr},
      },
      // VORDME ARC ....... (R)
      {
          {"ExinbarcCW", nullptr},
          {"ExinbarcCCW", nullptr},
          {"ExoutbarcCW", nullptr},
          {"ExoutbarcCCW", nullptr},
      },
      // HOLDINGS
      {
          {"Exotix", nullptr},
          {"ExvorholdnoW", nullptr},
          {"ExndbholdnoW", nullptr},
          {"Exflytdshoot", nullptr},
          {"Excalcoutbtim", nullptr},
          {"Excoroutbtim", nullptr},
          {"Excalcoutbhdg", nullptr},
          {"Exvorhold", nullptr},
          {"Exndbhold", nullptr},
          {"Exdirent", nullptr},
          {"Extdent", nullptr},
          {"Exparent", nullptr},
          {"Exentrydec", nullptr},
          {"Exentrydecfig", nullptr},
          {"Exenthold", nullptr},
      },
      // ILS
      {
          {"ExRod", nullptr},
          {"ExflyILS", nullptr},
      },
      // NON-PRECISION APPROACHES
      {
          {"Exlocapp", nullptr},
          {"Exvordmeapp", nullptr},
          {"ExNDBapp", nullptr},
          {"ExVDP", nullptr},
      },
      // ARRIVALS
      {
          {"ExflyappILS", nullptr},
          {"ExflyappNDB", nullptr},
      },
      // DEPARTURES
      {
          {"ExRoc", nullptr},
          {"ExRocdme", nullptr},
      },
  };
  return table;
}

QStringList TExform::MissingGenerators() {
  QStringList missing;
  for (const auto& row : GeneratorTable())
    for (const GeneratorEntry& entry : row)
      if (!entry.Run) missing << entry.Name;
  return missing;
}

}  // namespace tvx
