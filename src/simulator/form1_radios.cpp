// The radio panel: tuning the three receivers, bearings and DME read-outs,
// the transfer buttons and the standby edits.
#include <QPushButton>

#include "areas/areamodel.h"
#include "simulator/form1.h"
#include "simulator/keyrelease.h"
#include "simulator/keys.h"
#include "simulator/radios.h"
#include "simulator/simstate.h"

namespace tvx {

void TForm1::ConnectRadios() {
  connect(ui.VOR1Transfer, &QPushButton::clicked, this, [this] { VOR1TransferClick(); });
  connect(ui.VOR2Transfer, &QPushButton::clicked, this, [this] { VOR2TransferClick(); });
  connect(ui.ADFTransfer, &QPushButton::clicked, this, [this] { ADFTransferClick(); });
  auto* standby = new KeyReleaseFilter(this, [this](int key, Qt::KeyboardModifiers modifiers) {
    VOR1selectKeyUp(key, modifiers);
  });
  for (QLineEdit* edit : {ui.VOR1select, ui.VOR2select, ui.ADFselect}) edit->installEventFilter(standby);
  InstallKeyPreview();
}

void TForm1::Zoekfreq() {
  TuneReceivers(Sim, Areas, {ui.VOR1active->text(), ui.VOR2active->text(), ui.ADFactive->text()});
  BrRadDme();
}

void TForm1::BrRadDme() {
  const DmeReadouts dme = ComputeBearingsAndDme(Sim);
  // The window's paint handler comes here too: an unchanged read-out must not
  // ask for another paint.
  if (ui.DME1output->text() != dme.Dme1) ui.DME1output->setText(dme.Dme1);
  if (ui.DME2output->text() != dme.Dme2) ui.DME2output->setText(dme.Dme2);
}

namespace {

// The active and standby frequencies of one receiver change places.
void SwapTexts(QLineEdit* active, QLineEdit* standby) {
  const QString was = active->text();
  active->setText(standby->text());
  standby->setText(was);
}

}  // namespace

void TForm1::VOR1TransferClick() {
  SwapTexts(ui.VOR1active, ui.VOR1select);
  Zoekfreq();
  TkOrvane();
  ui.ChronoOutput->setFocus();
}

void TForm1::VOR2TransferClick() {
  SwapTexts(ui.VOR2active, ui.VOR2select);
  Zoekfreq();
  TkOrvane();
  ui.ChronoOutput->setFocus();
}

void TForm1::ADFTransferClick() {
  SwapTexts(ui.ADFactive, ui.ADFselect);
  Zoekfreq();
  TkOrvane();
  ui.ChronoOutput->setFocus();
}

// Enter only leaves the edit: a typed frequency is tuned by the transfer button.
void TForm1::VOR1selectKeyUp(int key, Qt::KeyboardModifiers modifiers) {
  if (IsPlainEnter(key, modifiers)) ui.ChronoOutput->setFocus();
}

}  // namespace tvx
