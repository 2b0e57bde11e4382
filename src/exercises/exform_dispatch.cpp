// The dispatcher's table: the generator of every catalogue item, group by
// group in catalogue order. An entry without a generator is an exercise not
// built yet: choosing it starts a run that shows no task.
#include "exercises/exform.h"

namespace tvx {

const std::vector<std::vector<TExform::GeneratorEntry>>& TExform::GeneratorTable() {
  static const std::vector<std::vector<GeneratorEntry>> table = {
      // INSTRUMENT FLYING
      {
          {"Exlevelspd", &TExform::Exlevelspd},
          {"ExRecipr", &TExform::ExRecipr},
          {"ExClbspd", &TExform::ExClbspd},
          {"ExClbvert", &TExform::ExClbvert},
          {"ExDesspd", &TExform::ExDesspd},
          {"ExDesvert", &TExform::ExDesvert},
          {"Exturn", &TExform::Exturn},
          {"Exvector", &TExform::Exvector},
          {"Exwindinfl", &TExform::Exwindinfl},
      },
      // RADIO NAVIGATION ....... (R)
      {
          {"ExBear", &TExform::ExBear},
          {"Expoint", &TExform::Expoint},
          {"Exmapqdm", &TExform::Exmapqdm},
          {"Exinsqdm", &TExform::Exinsqdm},
          {"Exmapqdr", &TExform::Exmapqdr},
          {"Exinsqdr", &TExform::Exinsqdr},
          {"Exrmiqdmqdr", &TExform::Exrmiqdmqdr},
          {"Exmaprad", &TExform::Exmaprad},
          {"Exvorrad", &TExform::Exvorrad},
          {"Exmapcrs", &TExform::Exmapcrs},
          {"Exvorcrs", &TExform::Exvorcrs},
          {"Exvorchange", &TExform::Exvorchange},
          {"Exexactrad", &TExform::Exexactrad},
          {"Exexactcrs", &TExform::Exexactcrs},
      },
      // TRACKING
      {
          {"Exvortrack", &TExform::Exvortrack},
          {"Exvortrackwind", &TExform::Exvortrackwind},
          {"Exadftrack", &TExform::Exadftrack},
          {"Exadftrackwind", &TExform::Exadftrackwind},
          {"Exhoming", &TExform::Exhoming},
      },
      // INTERCEPTIONS
      {
          {"Exdirvor", &TExform::Exdirvor},
          {"Exvorinitcrs", &TExform::Exvorinitcrs},
          {"Exwindhelp", &TExform::Exwindhelp},
          {"Exoverinthdg", &TExform::Exoverinthdg},
          {"ExoverintVOR", &TExform::ExoverintVOR},
          {"ExoverintNDB", &TExform::ExoverintNDB},
          {"ExVORnavig", &TExform::ExVORnavig},
          {"ExNDBnavig", &TExform::ExNDBnavig},
          {"Exoutbinthdg", &TExform::Exoutbinthdg},
          {"ExoutbintVOR", &TExform::ExoutbintVOR},
          {"ExoutbintNDB", &TExform::ExoutbintNDB},
          {"Exinbinthdg", &TExform::Exinbinthdg},
          {"ExinbintVOR", &TExform::ExinbintVOR},
          {"ExinbintNDB", &TExform::ExinbintNDB},
      },
      // VORDME ARC ....... (R)
      {
          {"ExinbarcCW", &TExform::ExinbarcCW},
          {"ExinbarcCCW", &TExform::ExinbarcCCW},
          {"ExoutbarcCW", &TExform::ExoutbarcCW},
          {"ExoutbarcCCW", &TExform::ExoutbarcCCW},
      },
      // HOLDINGS
      {
          {"Exotix", &TExform::Exotix},
          {"ExvorholdnoW", &TExform::ExvorholdnoW},
          {"ExndbholdnoW", &TExform::ExndbholdnoW},
          {"Exflytdshoot", &TExform::Exflytdshoot},
          {"Excalcoutbtim", &TExform::Excalcoutbtim},
          {"Excoroutbtim", &TExform::Excoroutbtim},
          {"Excalcoutbhdg", &TExform::Excalcoutbhdg},
          {"Exvorhold", &TExform::Exvorhold},
          {"Exndbhold", &TExform::Exndbhold},
          {"Exdirent", &TExform::Exdirent},
          {"Extdent", &TExform::Extdent},
          {"Exparent", &TExform::Exparent},
          {"Exentrydec", &TExform::Exentrydec},
          {"Exentrydecfig", &TExform::Exentrydecfig},
          {"Exenthold", &TExform::Exenthold},
      },
      // ILS
      {
          {"ExRod", &TExform::ExRod},
          {"ExflyILS", &TExform::ExflyILS},
      },
      // NON-PRECISION APPROACHES
      {
          {"Exlocapp", &TExform::Exlocapp},
          {"Exvordmeapp", &TExform::Exvordmeapp},
          {"ExNDBapp", &TExform::ExNDBapp},
          {"ExVDP", &TExform::ExVDP},
      },
      // ARRIVALS
      {
          {"ExflyappILS", &TExform::ExflyappILS},
          {"ExflyappNDB", &TExform::ExflyappNDB},
      },
      // DEPARTURES
      {
          {"ExRoc", &TExform::ExRoc},
          {"ExRocdme", &TExform::ExRocdme},
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
