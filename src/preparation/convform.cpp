#include "preparation/convform.h"

#include <QSignalBlocker>
#include <QStyle>

#include "platform/designedarea.h"
#include "platform/textutil.h"
#include "preparation/massbalform.h"

namespace tvx {

TConvform* Convform = nullptr;

TConvform::TConvform(QWidget* parent) : ToolWindow(parent) {
  Convform = this;
  ui.setupUi(this);
  ScrollWhenSmaller(this);
  for (QLineEdit* input : {ui.Input1, ui.Input2}) SetToolColor(input, QPalette::Base, QColor(0, 255, 0));
  ui.calculatebit->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  ui.mainmenubit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  // A list acts on every click, also on the item already selected (which
  // changes no row), and on a change of row by the keyboard. A click that
  // changes the row runs the handler twice, to the same result.
  connect(ui.Grootheid, &QListWidget::currentRowChanged, this, &TConvform::GrootheidClick);
  connect(ui.Grootheid, &QListWidget::itemClicked, this, &TConvform::GrootheidClick);
  for (QListWidget* list : {ui.Unit1, ui.Unit2}) {
    connect(list, &QListWidget::currentRowChanged, this, &TConvform::Unit1Click);
    connect(list, &QListWidget::itemClicked, this, &TConvform::Unit1Click);
  }
  connect(ui.CALCULATE, &QPushButton::clicked, this, &TConvform::CalculateClick);
  connect(ui.calculatebit, &QPushButton::clicked, this, &TConvform::CalculateClick);
  connect(ui.Input1, &QLineEdit::textChanged, this, &TConvform::Input1Change);
  connect(ui.Input2, &QLineEdit::textChanged, this, &TConvform::Input2Change);
  connect(ui.MAINMENU, &QPushButton::clicked, this, &TConvform::MAINMENUClick);
  connect(ui.mainmenubit, &QPushButton::clicked, this, &TConvform::MAINMENUClick);
  FormCreate();
}

TConvform::~TConvform() {
  if (Convform == this) Convform = nullptr;
}

void TConvform::FormCreate() {
  {
    const QSignalBlocker blockGroups(ui.Grootheid);
    ui.Grootheid->clear();
    for (const ConversionGroup& group : ConversionGroups()) ui.Grootheid->addItem(group.name);
    ui.Grootheid->setCurrentRow(0);
  }
  DoeGrootheidClick();
  SelectUnits(1, 0);
  Schrijfeenheid();
  Doecalculate();
}

void TConvform::SelectUnits(int unit1, int unit2) {
  const QSignalBlocker block1(ui.Unit1);
  const QSignalBlocker block2(ui.Unit2);
  ui.Unit1->setCurrentRow(unit1);
  ui.Unit2->setCurrentRow(unit2);
  Unit1Index = ui.Unit1->currentRow();
  Unit2Index = ui.Unit2->currentRow();
}

void TConvform::DoeGrootheidClick() {
  {
    const QSignalBlocker block1(ui.Unit1);
    const QSignalBlocker block2(ui.Unit2);
    ui.Unit1->clear();
    ui.Unit2->clear();
    const int group = ui.Grootheid->currentRow();
    ConversionFactors = ConversionFactorsOf(group);
    if (group >= 0 && group < static_cast<int>(ConversionGroups().size())) {
      for (const ConversionUnit& unit : ConversionGroups()[group].units) ui.Unit1->addItem(unit.name);
      for (const ConversionUnit& unit : ConversionGroups()[group].units) ui.Unit2->addItem(unit.name);
    }
  }
  SelectUnits(1, 0);
  Schrijfeenheid();
  Doecalculate();
}

void TConvform::GrootheidClick() { DoeGrootheidClick(); }

void TConvform::Unit1Click() {
  Unit1Index = ui.Unit1->currentRow();
  Unit2Index = ui.Unit2->currentRow();
  Schrijfeenheid();
  Doecalculate();
}

void TConvform::Schrijfeenheid() {
  const QListWidgetItem* unit1 = ui.Unit1->item(Unit1Index);
  const QListWidgetItem* unit2 = ui.Unit2->item(Unit2Index);
  ui.Unit1label->setText(unit1 ? unit1->text() : ".....");
  ui.Unit2label->setText(unit2 ? unit2->text() : ".....");
}

void TConvform::Doecalculate() {
  auto factor = [this](int index) { return index >= 0 && index < kConversionSlots ? ConversionFactors[index] : 0.0; };
  ui.Bereken2->setText(ConvertQuantity(ValOrZero(ui.Input1->text()), factor(Unit1Index), factor(Unit2Index)));
  ui.Bereken1->setText(ConvertQuantity(ValOrZero(ui.Input2->text()), factor(Unit2Index), factor(Unit1Index)));
}

void TConvform::CalculateClick() {
  MassBalInputError = false;
  TMassBalForm::Checkreal(ui.Input1, 0, 1000000);
  TMassBalForm::Checkreal(ui.Input2, 0, 1000000);
  if (!MassBalInputError) Doecalculate();
}

void TConvform::Input1Change() { ui.Bereken2->clear(); }

void TConvform::Input2Change() { ui.Bereken1->clear(); }

void TConvform::MAINMENUClick() { LeaveForMainMenu(); }

}  // namespace tvx
