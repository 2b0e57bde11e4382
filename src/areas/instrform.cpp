#include "areas/instrform.h"

#include <QCloseEvent>
#include <QSignalBlocker>

#include "areas/instroptions.h"
#include "platform/anchor.h"
#include "simulator/form1.h"

namespace tvx {

TInstr* Instr = nullptr;

TInstr::TInstr(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  Instr = this;
  ui.setupUi(this);
  setFixedSize(size());
  for (QRadioButton* item : {ui.ADFRMI0, ui.ADFRMI1, ui.ADFRMI2})
    connect(item, &QRadioButton::toggled, this, [this](bool on) {
      if (on) TakeSettings();
    });
  connect(ui.HSIBool, &QCheckBox::toggled, this, [this] { TakeSettings(); });
  connect(ui.Close, &QPushButton::clicked, this, &TInstr::CloseClick);
  ShowSettings();
  CentreOnScreen(this);
}

TInstr::~TInstr() {
  if (Instr == this) Instr = nullptr;
}

int TInstr::ADFRMIIndex() const {
  const QRadioButton* items[] = {ui.ADFRMI0, ui.ADFRMI1, ui.ADFRMI2};
  for (int i = 0; i < 3; ++i)
    if (items[i]->isChecked()) return i;
  return -1;
}

void TInstr::SetADFRMIIndex(int index) {
  QRadioButton* items[] = {ui.ADFRMI0, ui.ADFRMI1, ui.ADFRMI2};
  if (index >= 0 && index < 3) {
    items[index]->setChecked(true);
    return;
  }
  // Exclusive buttons never let the last checked one go by themselves.
  for (QRadioButton* item : items) item->setAutoExclusive(false);
  for (QRadioButton* item : items) item->setChecked(false);
  for (QRadioButton* item : items) item->setAutoExclusive(true);
  TakeSettings();
}

void TInstr::ShowSettings() {
  const QSignalBlocker quietHsi(ui.HSIBool);
  const QSignalBlocker quiet0(ui.ADFRMI0), quiet1(ui.ADFRMI1), quiet2(ui.ADFRMI2);
  ui.HSIBool->setChecked(InstrSettings.HSIBool);
  SetADFRMIIndex(InstrSettings.ADFRMI);
}

void TInstr::TakeSettings() {
  InstrSettings.HSIBool = ui.HSIBool->isChecked();
  InstrSettings.ADFRMI = ADFRMIIndex();
}

void TInstr::CloseClick() {
  if (Form1) {
    Form1->setEnabled(true);
    Form1->DoeUpdate();
  }
  hide();
}

void TInstr::showEvent(QShowEvent* event) {
  ShowSettings();
  QWidget::showEvent(event);
}

void TInstr::closeEvent(QCloseEvent* event) {
  if (isVisible()) CloseClick();
  event->accept();
}

}  // namespace tvx
