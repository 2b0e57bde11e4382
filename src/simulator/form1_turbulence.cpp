// The turbulence and wind menus and the tick's bumps and gusts: the menus
// hold the chosen levels, the computation runs over the flight state.
#include <algorithm>
#include <initializer_list>

#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/turbulence.h"

namespace tvx {

namespace {

// The index of the first ticked item, or `none` when no item is ticked.
int TickedIndex(std::initializer_list<const QAction*> items, int none) {
  int i = 0;
  for (const QAction* item : items) {
    if (item->isChecked()) return i;
    ++i;
  }
  return none;
}

// Ticks item `index` of the menu's items and clears the others.
void TickOnly(std::initializer_list<QAction*> items, int index) {
  int i = 0;
  for (QAction* item : items) item->setChecked(i++ == index);
}

}  // namespace

void TForm1::ConnectTurbulence() {
  connect(ui.Noturb, &QAction::triggered, this, [this] { NoturbClick(); });
  connect(ui.Lightturb, &QAction::triggered, this, [this] { LightturbClick(); });
  connect(ui.Moderateturb, &QAction::triggered, this, [this] { ModerateturbClick(); });
  connect(ui.Severeturb, &QAction::triggered, this, [this] { SevereturbClick(); });
  for (QAction* item : {ui.Nowind, ui.smallwind, ui.mediumwind, ui.largewind})
    connect(item, &QAction::triggered, this, [this, item] { NowindClick(item); });
}

void TForm1::TurbulenceStep() {
  using flight::GustLevel;
  using flight::TurbulenceLevel;
  // With no item ticked the flight is left calm.
  const auto turbulence = static_cast<TurbulenceLevel>(TickedIndex(
      {ui.Noturb, ui.Lightturb, ui.Moderateturb, ui.Severeturb}, static_cast<int>(TurbulenceLevel::None)));
  const auto gusts = static_cast<GustLevel>(TickedIndex({ui.Nowind, ui.smallwind, ui.mediumwind, ui.largewind},
                                                        static_cast<int>(GustLevel::NotVariable)));
  flight::TurbulenceTick(Sim, turbulence, gusts, flight::ReadPanelWind(ui.WINDWinput->text(), ui.WINDVinput->text()));
  ShowDiscRotation();  // a bump may have banked the aircraft
}

void TForm1::SelectTurbulence(int index) {
  static const char* const kCaptions[] = {"Turbulence[0]", "Turbulence[L]", "Turbulence[M]", "Turbulence[S]"};
  TickOnly({ui.Noturb, ui.Lightturb, ui.Moderateturb, ui.Severeturb}, index);
  ui.Turbmenu->setTitle(kCaptions[index]);
  // Past the 15 s mark, so the next tick draws an interval for the new level.
  Sim.TurbulenceClock = 30;
}

void TForm1::NoturbClick() { SelectTurbulence(0); }
void TForm1::LightturbClick() { SelectTurbulence(1); }
void TForm1::ModerateturbClick() { SelectTurbulence(2); }
void TForm1::SevereturbClick() { SelectTurbulence(3); }

void TForm1::NowindClick(QAction* item) {
  static const char* const kCaptions[] = {"Wind[0]", "Wind[1]", "Wind[2]", "Wind[3]"};
  const std::initializer_list<QAction*> items{ui.Nowind, ui.smallwind, ui.mediumwind, ui.largewind};
  const auto* found = std::find(items.begin(), items.end(), item);
  if (found == items.end()) return;  // not an item of the wind menu
  const int index = static_cast<int>(found - items.begin());
  TickOnly(items, index);
  ui.Windmenu->setTitle(kCaptions[index]);
}

}  // namespace tvx
