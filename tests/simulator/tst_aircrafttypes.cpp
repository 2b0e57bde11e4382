// The type selector, the configuration list and the flap and gear levers of
// the simulator window.
#include <QButtonGroup>
#include <QToolButton>
#include <QtTest>

#include "platform/messages.h"
#include "platform/shapewidget.h"
#include "platform/updownbutton.h"
#include "simulator/aircraftconfig.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

bool LightsLit(const TForm1& form) {
  const auto& ui = form.ui;
  bool all = true, none = true;
  for (const ShapeWidget* light : {ui.Gearlicht1, ui.Gearlicht2, ui.Gearlicht3}) {
    const bool lit = light->Style() == BrushStyle::Solid;
    all = all && lit;
    none = none && !lit;
    if (light->BrushColor() != clr::Lime) qWarning("gear light not green");
  }
  if (!all && !none) qWarning("gear lights disagree");
  return all;
}

}  // namespace

class tst_AircraftTypes : public QObject {
  Q_OBJECT
  // No box may block a test; a type change applies the start panel.
  ScopedRecordingMessages messages_;

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }
  void init() { ResetSimState(); }
  void cleanup() { QVERIFY2(messages_.entries.isEmpty(), qPrintable(messages_.Texts().join(" | "))); }

  void noTypeChosenAtCreation() {
    TForm1 form;
    QCOMPARE(form.TypegroupIndex(), -1);
    for (QAbstractButton* b : form.ui.Typegroup0->group()->buttons()) QVERIFY(!b->isChecked());
    QCOMPARE(test::ComboItems(form.ui.Configbox), JetPresetItems());
    QCOMPARE(form.ui.Configbox->currentText(), QString("VMD - 210 kts"));
    QCOMPARE(Sim.AircraftCategory, QString("JET"));
    // The jet's parameters are loaded while no type is chosen.
    QCOMPARE(Sim.Weight, 590000.0);
    QCOMPARE(form.ui.Typegroup->title(), QString("Type: "));
    QCOMPARE(form.ui.Typegroup0->text(), QString("PA-28 Classic"));
    QCOMPARE(form.ui.Typegroup1->text(), QString("PA-28 EFIS"));
    QCOMPARE(form.ui.Typegroup2->text(), QString("737"));
  }

  void firstPistonChoiceRefillsTheList() {
    TForm1 form;
    form.SetTypegroupIndex(0);
    QCOMPARE(Sim.AircraftType, QString("SEP"));
    QCOMPARE(Sim.AircraftCategory, QString("SEP"));
    QCOMPARE(test::ComboItems(form.ui.Configbox), PistonPresetItems());
    QCOMPARE(form.ui.Configbox->currentIndex(), 0);
    QVERIFY(qAbs(Sim.DisplayedAirspeed - 115.0) < 1.0);
    QCOMPARE(Sim.Weight, 9810.0);
    QCOMPARE(Sim.PresetPower, 2450.0);
    const auto& ui = form.ui;
    QCOMPARE(ui.Altitudeinput->toolTip(), QString("Altitude: 0-9,500 ft"));
    QVERIFY(!ui.MCPpanel->isVisibleTo(&form));
    QVERIFY(!ui.flapgetalpanel->isVisibleTo(&form));
    QCOMPARE(ui.Flaps->maximum(), 3);
    QVERIFY(!ui.speedbrake->isVisibleTo(&form));
    QVERIFY(!ui.Label_speedbrake->isVisibleTo(&form));
    QVERIFY(ui.Switchbox->isVisibleTo(&form));
    QVERIFY(!ui.EFISpanel->isVisibleTo(&form));
  }

  void pistonToGlassPistonKeepsThePreset() {
    TForm1 form;
    form.SetTypegroupIndex(0);
    test::ChooseConfig(form, 2);
    QCOMPARE(Sim.PresetPower, 1775.0);
    form.SetTypegroupIndex(1);
    QCOMPARE(Sim.AircraftType, QString("SEP EFIS"));
    QCOMPARE(test::ComboItems(form.ui.Configbox), PistonPresetItems());
    QCOMPARE(form.ui.Configbox->currentText(), QString("Ldg config - 90 kts"));
    // The kept preset is applied again to the new type.
    QCOMPARE(Sim.PresetPower, 1775.0);
    QCOMPARE(form.ui.Flaps->value(), 3);
    QCOMPARE(form.ui.Gear->value(), 1);
  }

  void glassPistonToJetSelectsVmd() {
    TForm1 form;
    form.SetTypegroupIndex(1);
    test::ChooseConfig(form, 1);
    form.SetTypegroupIndex(2);
    QCOMPARE(Sim.AircraftType, QString("737"));
    QCOMPARE(Sim.AircraftCategory, QString("JET"));
    QCOMPARE(test::ComboItems(form.ui.Configbox), JetPresetItems());
    QCOMPARE(form.ui.Configbox->currentText(), QString("VMD - 210 kts"));
    QVERIFY(qAbs(Sim.DisplayedAirspeed - 210.0) < 1.0);
    QCOMPARE(Sim.PresetPower, 58.0);
    const auto& ui = form.ui;
    const int U = Sim.CellSize;
    QCOMPARE(ui.Altitudeinput->toolTip(), QString("Altitude: 0-40,000 ft"));
    QCOMPARE(ui.MCPpanel->pos(), QPoint(5 * U, 5 * U));
    QVERIFY(ui.flapgetalpanel->isVisibleTo(&form));
    QCOMPARE(ui.Flaps->maximum(), 4);
    QVERIFY(ui.speedbrake->isVisibleTo(&form));
    QVERIFY(ui.EFISpanel->isVisibleTo(&form));
    QVERIFY(!ui.Switchbox->isVisibleTo(&form));
  }

  void jetWithinItsCategoryKeepsThePreset() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, 4);
    form.SetTypegroupIndex(3);
    QCOMPARE(Sim.AircraftType, QString("320"));
    QCOMPARE(Sim.AircraftCategory, QString("JET"));
    QCOMPARE(form.ui.Configbox->currentIndex(), 4);
    for (QAbstractButton* b : form.ui.Typegroup0->group()->buttons()) QVERIFY(!b->isChecked());
  }

  void pistonBanksAfterTheJetTakeoffPreset() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, kJetTakeoffPreset);
    QVERIFY(Sim.OnGround);
    form.SetTypegroupIndex(0);
    QVERIFY(!Sim.OnGround);
    form.draailinks();
    QCOMPARE(Sim.BankAngle, -1.0);
    form.draairechts();
    form.draairechts();
    QCOMPARE(Sim.BankAngle, 1.0);
  }

  void autopilotIsDisengagedByATypeChange() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    Sim.AutopilotEngaged = true;
    form.SetTypegroupIndex(3);
    QVERIFY(!Sim.AutopilotEngaged);
    Sim.AutopilotEngaged = true;
    form.SetTypegroupIndex(0);
    QVERIFY(!Sim.AutopilotEngaged);
  }

  void aTypeChangeKeepsTheMapState() {
    TForm1 form;
    for (const bool shown : {true, false}) {
      Sim.MapVisible = shown;
      form.SetTypegroupIndex(0);
      QCOMPARE(Sim.MapVisible, shown);
      form.SetTypegroupIndex(2);
      QCOMPARE(Sim.MapVisible, shown);
    }
  }

  void clickingAnItemChangesTheType() {
    TForm1 form;
    form.show();
    QTest::mouseClick(form.ui.Typegroup1, Qt::LeftButton, {}, QPoint(8, form.ui.Typegroup1->height() / 2));
    QCOMPARE(form.TypegroupIndex(), 1);
    QCOMPARE(Sim.AircraftType, QString("SEP EFIS"));
  }

  void reselectingTheSameItemRunsNothingUnlessDeselectedFirst() {
    TForm1 form;
    form.SetTypegroupIndex(0);
    Sim.AircraftType = "changed";
    form.SetTypegroupIndex(0);
    QCOMPARE(Sim.AircraftType, QString("changed"));
    // The main menu's way of forcing the change: no item, then the item.
    form.SetTypegroupIndex(-1);
    QCOMPARE(Sim.AircraftType, QString("changed"));
    form.SetTypegroupIndex(0);
    QCOMPARE(Sim.AircraftType, QString("SEP"));
  }

  void airbornePresetOnTheRunwayShows3000() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    Sim.AirportElevation = 120;
    Sim.Altitude = 120;
    test::ChooseConfig(form, 3);
    QCOMPARE(form.ui.Altitudeinput->text(), QString("3000"));
  }

  void takeoffPresetPutsTheLeversAndTheRunwayElevation() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    Sim.AirportElevation = 20;
    test::ChooseConfig(form, 7);
    QCOMPARE(form.ui.Altitudeinput->text(), QString("20"));
    QCOMPARE(form.ui.Flaps->value(), 2);
    QCOMPARE(form.ui.Gear->value(), 1);
    QVERIFY(Sim.GearDown);
    QVERIFY(LightsLit(form));
    QCOMPARE(Sim.FlapIndex, 2);
    QCOMPARE(Sim.FlapSetting, 5);
  }

  void presetLeversDoNotApplyAFlapMove() {
    // Lever handlers would add a flap move on top of the preset's own values.
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, 3);  // F1, gear up
    Sim.TakeoffState = "TOarmed";
    test::ChooseConfig(form, 6);  // F40, gear down
    QCOMPARE(Sim.TakeoffState, QString("TOarmed"));
    QCOMPARE(Sim.ParasiteDrag, 0.388);
    QCOMPARE(form.ui.Flaps->value(), 4);
    QVERIFY(LightsLit(form));
    test::ChooseConfig(form, 0);  // clean, gear up
    QCOMPARE(form.ui.Gear->value(), 0);
    QVERIFY(!Sim.GearDown);
    QVERIFY(!LightsLit(form));
  }

  void flapControlAtTheTopStillAppliesTheLever() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, 2);
    QCOMPARE(form.ui.Flaps->value(), 0);
    Sim.TakeoffState = "TOarmed";
    form.ui.UpDown1->UpArrow()->click();
    QCOMPARE(form.ui.Flaps->value(), 0);
    QCOMPARE(Sim.TakeoffState, QString("OFF"));  // position 0 was applied
  }

  void flapControlStepsOnePositionAndStopsAtTheBottom() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, 2);
    for (int expected : {1, 2, 3, 4, 4}) {
      form.ui.UpDown1->DownArrow()->click();
      QCOMPARE(form.ui.Flaps->value(), expected);
      QCOMPARE(Sim.FlapIndex, expected);
    }
    QCOMPARE(Sim.FlapSetting, 40);
    QCOMPARE(Sim.ParasiteDrag, 0.338);
    form.ui.UpDown1->UpArrow()->click();
    QCOMPARE(Sim.FlapSetting, 15);
  }

  void flapsTwoToOneWithAnEngineOutEntersGoAround() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, 4);  // F5, lever at 2
    Sim.OneEngineOut = true;
    Sim.TakeoffState = "GAarmed";
    const double fpa = Sim.FlightPathAngle;
    form.ui.UpDown1->UpArrow()->click();
    QCOMPARE(form.ui.Flaps->value(), 1);
    QCOMPARE(Sim.TakeoffState, QString("GA"));
    QVERIFY(qAbs(Sim.FlightPathAngle - (fpa - 0.8)) < 1e-9);
  }

  void pistonFlapsChangeNothingInTheFlightModel() {
    TForm1 form;
    form.SetTypegroupIndex(0);
    const double cl = Sim.LiftCoefficient, cd0 = Sim.ParasiteDrag, aoa = Sim.AngleOfAttack;
    form.ui.UpDown1->DownArrow()->click();
    form.ui.UpDown1->DownArrow()->click();
    form.ui.UpDown1->DownArrow()->click();
    form.ui.UpDown1->DownArrow()->click();
    QCOMPARE(form.ui.Flaps->value(), 3);
    QCOMPARE(Sim.LiftCoefficient, cl);
    QCOMPARE(Sim.ParasiteDrag, cd0);
    QCOMPARE(Sim.AngleOfAttack, aoa);
    QCOMPARE(Sim.FlapIndex, 0);
  }

  void gearLeverSwitchesTheLightsAndTheJetDrag() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, 2);
    QVERIFY(!LightsLit(form));
    form.ui.Gear->setValue(1);
    QVERIFY(Sim.GearDown);
    QVERIFY(LightsLit(form));
    QCOMPARE(Sim.ParasiteDrag, 0.1286);
    form.ui.Gear->setValue(0);
    QVERIFY(!Sim.GearDown);
    QVERIFY(!LightsLit(form));
    QCOMPARE(Sim.ParasiteDrag, 0.0786);
  }

  void gearLeverOnThePistonOnlySwitchesTheLights() {
    TForm1 form;
    form.SetTypegroupIndex(1);
    const double cd0 = Sim.ParasiteDrag;
    form.ui.Gear->setValue(1);
    QVERIFY(LightsLit(form));
    QCOMPARE(Sim.ParasiteDrag, cd0);
  }

  void flapHandleIgnoresTheMouse() {
    TForm1 form;
    QVERIFY(form.ui.Flaps->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(form.ui.Flaps->toolTip(), QString("Flap handle"));
    QCOMPARE(form.ui.UpDown1->toolTip(), QString("Flap Control"));
    QCOMPARE(form.ui.Gear->toolTip(), QString("Gear Lever"));
    QCOMPARE(form.ui.speedbrake->toolTip(), QString("Speedbrake lever"));
    QCOMPARE(form.ui.speedbrake->maximum(), 100);
    const QStringList labels{"UP", "1", "5", "15", "40"};
    const QLabel* flapLabels[] = {form.ui.flaplabel0, form.ui.flaplabel1, form.ui.flaplabel2, form.ui.flaplabel3,
                                  form.ui.flaplabel4};
    const QLineEdit* edits[] = {form.ui.Equiflap0, form.ui.Equiflap1, form.ui.Equiflap2, form.ui.Equiflap3,
                                form.ui.Equiflap4};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(flapLabels[i]->text(), labels[i]);
      QCOMPARE(edits[i]->text(), labels[i]);
    }
    QCOMPARE(form.ui.Flapsettingbox->title(), QString(" Airplane -  Flap Setting "));
  }

  void gaugesReadTheWindowsInputs() {
    TForm1 form;
    GaugeInputs in = form.CurrentGaugeInputs();
    QCOMPARE(in.Client, QSize(1600, 900));
    QVERIFY(in.Stopped);
    QVERIFY(!in.JoystickThrust);
    QCOMPARE(in.FlapLabels[0], QString("UP"));
    QCOMPARE(in.FlapLabels[3], QString("15"));
    form.ui.Equiflap1->setText("F1");
    form.ui.START->setText("STOP");
    form.ui.joystickthrust->setChecked(true);
    in = form.CurrentGaugeInputs();
    QCOMPARE(in.FlapLabels[1], QString("F1"));
    QVERIFY(!in.Stopped);
    QVERIFY(in.JoystickThrust);
    // The right-hand chart's width, which the jet widens to five cells.
    QCOMPARE(in.Chart3Width, 4 * 149);
    form.SetTypegroupIndex(2);
    QCOMPARE(form.CurrentGaugeInputs().Chart3Width, 5 * 149);
  }

  void leverPanelPicture() {
    TForm1 form;
    form.SetTypegroupIndex(2);
    test::ChooseConfig(form, 5);
    form.resize(1600, 900);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    test::SavePng(test::Grab(form.ui.SYSTEEMPanel), "types-jet-systems-panel");
  }
};

QTEST_MAIN(tst_AircraftTypes)
#include "tst_aircrafttypes.moc"
