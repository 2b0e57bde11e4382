// The simulator's way into the area window, and the start panel's beacon
// list, which the area window refills when it closes.
#include "areas/area.h"
#include "areas/holding.h"
#include "areas/mapform.h"
#include "platform/windowintent.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

void SetBaseColor(QWidget* w, const QColor& color) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Base, color);
  pal.setColor(QPalette::Button, color);
  w->setPalette(pal);
}

}  // namespace

void TForm1::ConnectAreaMenu() {
  connect(ui.Areamenu, &QAction::triggered, this, [this] { AreamenuClick(); });
  connect(ui.Areapanel, &QPushButton::clicked, this, [this] { AreamenuClick(); });
}

void TForm1::AreamenuClick() {
  if (Area) {
    ShowNormalAsked(Area);
    Area->schrijfareamemo();
    Area->raise();
    ActivateWhenInView(Area);
  }
  setEnabled(false);
}

void TForm1::BeaconboxChange() {
  ui.beaconinput->setText(ui.Beaconbox->currentText());
  DoeUpdate();
  startkleur();
  ui.Update->setFocus();
}

void TForm1::AutoposChange() {
  DoeUpdate();
  startkleur();
  ui.Update->setFocus();
}

void TForm1::startkleur() {
  for (QWidget* w : {static_cast<QWidget*>(ui.HDGinput), static_cast<QWidget*>(ui.Radialinput),
                     static_cast<QWidget*>(ui.DMEinput), static_cast<QWidget*>(ui.Autopos)})
    SetBaseColor(w, Qt::white);
  const int mode = ui.Autopos->currentIndex();
  if (mode != 0 && mode != 1) return;
  // The holding window shows the choice too, when it exists.
  if (Mapform) Mapform->SetMapkeuze(kDrawHolding);
  else HoldingWindow.Mapkeuze = kDrawHolding;
  const QColor magenta(255, 0, 255);
  for (QWidget* w : {static_cast<QWidget*>(ui.Autopos), static_cast<QWidget*>(ui.HDGinput),
                     static_cast<QWidget*>(ui.DMEinput)})
    SetBaseColor(w, magenta);
  if (Sim.StartBeaconKind == "ILS") SetBaseColor(ui.Radialinput, magenta);
}

}  // namespace tvx
