#pragma once
// The exercises window: the catalogue's groups and items, the start of a run
// of one item, and the dispatcher that calls the item's generator. A
// generator sets up the simulator through its start-position panel, writes
// the task into the simulator's exercise panel and, for a question, stores
// the expected answer in `Ex` (exstate.h), which that panel checks.
#include <QStringList>
#include <functional>
#include <vector>

#include "preparation/toolwindow.h"
#include "ui_exform.h"

namespace tvx {

class TExform : public ToolWindow {
  Q_OBJECT
 public:
  explicit TExform(QWidget* parent = nullptr);
  ~TExform() override;

  Ui::TExform ui;

  // EXIT also brings the main menu to the front through the tools' hook
  // `ShowMainMenu` (toolwindow.h); nothing while it is unset.

  void FormCreate();
  void ExlijstClick();
  // Refills `Exgroup` with the titles of the group chosen in `Exlijst`.
  void DoeExlijstClick();
  // Starts a run of the chosen item.
  void StartexClick();
  // Calls the generator of the chosen group and item.
  void Oefselectie();
  // Leaves the exercises for the main menu.
  void ExitClick();

  // --- What every generator uses ---
  // The exercise panel laid out for a question, or for a task to fly or a
  // demonstration; every generator calls one of them first.
  void DoeStatic();
  void DoeFly();
  // The moving map shown and the exercise panel moved to the top, for the
  // exercises read from the map.
  void ShowMapAtTop();
  // The simulator retuned and the aircraft placed from its start panel.
  void PlaceAircraft();
  // One line of the task added to the exercise panel's memo.
  void AddTask(const QString& line);
  // The map's course line through the beacon called `name`; unchanged when
  // the area holds no such beacon.
  void tekencrs(const QString& name, int course);

  // --- Generators: instrument flying, radio navigation, tracking ---
  // Instrument flying: tasks from the present flight state, the reciprocal
  // question and the wind demonstration.
  void Exlevelspd();
  void ExRecipr();
  void ExClbspd();
  void ExClbvert();
  void ExDesspd();
  void ExDesvert();
  void Exturn();
  void Exvector();
  void Exwindinfl();
  // Radio navigation: ADF, RMI and VOR questions and the VOR demonstration.
  void ExBear();
  void Expoint();
  void Exmapqdm();
  void Exinsqdm();
  void Exmapqdr();
  void Exinsqdr();
  void Exrmiqdmqdr();
  void Exmaprad();
  void Exvorrad();
  void Exmapcrs();
  void Exvorcrs();
  void Exvorchange();
  void Exexactrad();
  void Exexactcrs();
  // Tracking to and from a VOR or NDB; homing is held but not listed.
  void Exvortrack();
  void Exvortrackwind();
  void Exadftrack();
  void Exadftrackwind();
  void Exhoming();

  // --- Generators: interceptions and DME arcs ---
  void Exdirvor();
  void Exvorinitcrs();
  void Exwindhelp();
  void Exoverinthdg();
  void ExoverintVOR();
  void ExoverintNDB();
  void ExVORnavig();
  void ExNDBnavig();
  void Exoutbinthdg();
  void ExoutbintVOR();
  void ExoutbintNDB();
  void Exinbinthdg();
  void ExinbintVOR();
  void ExinbintNDB();
  void ExinbarcCW();
  void ExinbarcCCW();
  void ExoutbarcCW();
  void ExoutbarcCCW();

  // --- Generators: holdings, approaches, arrivals and departures ---
  // Holdings (gen_holdings.cpp).
  void Exotix();
  void ExvorholdnoW();
  void ExndbholdnoW();
  void Exflytdshoot();
  void Excalcoutbtim();
  void Excoroutbtim();
  void Excalcoutbhdg();
  void Exvorhold();
  void Exndbhold();
  void Exdirent();
  void Extdent();
  void Exparent();
  void Exentrydec();
  void Exentrydecfig();
  void Exenthold();
  // ILS and non-precision approaches (gen_approaches.cpp).
  void ExRod();
  void ExflyILS();
  void Exlocapp();
  void Exvordmeapp();
  void ExNDBapp();
  void ExVDP();
  // Arrivals and departures (gen_arrdep.cpp).
  void ExflyappILS();
  void ExflyappNDB();
  void ExRoc();
  void ExRocdme();

  // --- The dispatcher's table ---
  using Generator = void (TExform::*)();
  struct GeneratorEntry {
    const char* Name;
    Generator Run;  // nullptr while the generator is not built
  };
  // One row per catalogue group, one entry per catalogue item (listed or
  // not), in catalogue order.
  static const std::vector<std::vector<GeneratorEntry>>& GeneratorTable();
  // The names of the generators the table does not hold yet.
  static QStringList MissingGenerators();

 private:
  void CentreOnScreen();
  // The question layout (answer box, ANSWER, counter) or the flying one
  // (FLY/STOP, NEW EX.).
  void SetPanelLayout(bool question);
};

// The exercises window, created once at program start.
extern TExform* Exform;

}  // namespace tvx
