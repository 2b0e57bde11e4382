// The holding window opened from the simulator: the menu item and the start
// panel's button.
#include "areas/mapform.h"
#include "platform/windowintent.h"
#include "simulator/form1.h"

namespace tvx {

void TForm1::ConnectHoldingMenu() {
  connect(ui.Mapmenu, &QAction::triggered, this, [this] { MapmenuClick(); });
  connect(ui.holdingbutton, &QPushButton::clicked, this, [this] { MapmenuClick(); });
}

void TForm1::MapmenuClick() {
  if (!Mapform) return;
  // The window offers the start panel's beacons and starts at the current one.
  QComboBox* list = Mapform->ui.holdingBeaconbox;
  list->clear();
  for (int i = 0; i < ui.Beaconbox->count(); ++i) list->addItem(ui.Beaconbox->itemText(i));
  const QString beacon = ui.Beaconbox->currentText();
  Mapform->ui.Holdingbeacon->setText(beacon);
  list->setEditText(beacon);
  ShowNormalAsked(Mapform);
  Mapform->raise();
  ActivateWhenInView(Mapform);
  setEnabled(false);
}

}  // namespace tvx
