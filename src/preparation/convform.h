#pragma once
// The conversion window: a quantity converted between two units of one
// physical group, both ways at once.
#include "preparation/conversions.h"
#include "preparation/toolwindow.h"
#include "ui_convform.h"

namespace tvx {

class TConvform : public ToolWindow {
  Q_OBJECT
 public:
  explicit TConvform(QWidget* parent = nullptr);
  ~TConvform() override;

  Ui::TConvform ui;

  ConversionFactorTable ConversionFactors{};
  int Unit1Index = 1;
  int Unit2Index = 0;

  void FormCreate();
  void GrootheidClick();
  void DoeGrootheidClick();
  void Unit1Click();
  void CalculateClick();
  void Input1Change();
  void Input2Change();
  void MAINMENUClick();
  // Shows the selected unit names.
  void Schrijfeenheid();
  void Doecalculate();

 private:
  // Selects a unit in each list without counting as the user's click.
  void SelectUnits(int unit1, int unit2);
};

extern TConvform* Convform;

}  // namespace tvx
