// Aircraft types, configuration presets, and the flap and gear levers.
#include <QButtonGroup>
#include <QSignalBlocker>

#include "platform/shapewidget.h"
#include "platform/updownbutton.h"
#include "simulator/aircraftconfig.h"
#include "simulator/aircrafttype.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

constexpr TColor kGearLightColor = clr::Lime;

// Three lit lights while the gear is down, hatched while it is up.
void ShowGearLights(Ui::TForm1& ui, bool down) {
  for (ShapeWidget* light : {ui.Gearlicht1, ui.Gearlicht2, ui.Gearlicht3})
    light->SetBrush(kGearLightColor, down ? BrushStyle::Solid : BrushStyle::DiagCross);
}

// A new list of presets is not a choice of the user: it applies nothing by itself.
void FillConfigbox(QComboBox* box, const QStringList& items, int index) {
  const QSignalBlocker block(box);
  box->clear();
  box->addItems(items);
  box->setCurrentIndex(index);
}

}  // namespace

void TForm1::ConnectTypes() {
  auto* group = new QButtonGroup(this);
  group->addButton(ui.Typegroup0, 0);
  group->addButton(ui.Typegroup1, 1);
  group->addButton(ui.Typegroup2, 2);
  connect(group, &QButtonGroup::idClicked, this, [this](int id) { SetTypegroupIndex(id); });

  // No type is chosen when the window is created: the jet's list stands, so
  // that the first choice of a piston type refills it with the piston presets.
  FillConfigbox(ui.Configbox, JetPresetItems(), kJetFirstPreset);
  Sim.AircraftCategory = "JET";
  connect(ui.Configbox, &QComboBox::activated, this, [this] { ConfigboxChange(); });

  // The flap handle moves only by the flap control's arrows.
  ui.Flaps->setAttribute(Qt::WA_TransparentForMouseEvents);
  ui.Flaps->setFocusPolicy(Qt::NoFocus);
  connect(ui.UpDown1, &UpDownButton::Clicked, this, &TForm1::UpDown1Click);
  connect(ui.Gear, &QSlider::valueChanged, this, [this] { GearChange(); });
  ShowGearLights(ui, Sim.GearDown);
}

void TForm1::SetTypegroupIndex(int index) {
  if (index < -1) index = -1;
  if (index == TypegroupItemIndex) return;
  TypegroupItemIndex = index;
  QButtonGroup* group = ui.Typegroup0->group();
  if (QAbstractButton* button = group->button(index)) {
    button->setChecked(true);
  } else {
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
  }
  if (index >= 0) planetypeChange();
}

void TForm1::planetypeChange() {
  SimState& s = Sim;
  s.AircraftType = TypeForTypegroupIndex(TypegroupItemIndex);
  laadvlgtgparameters();
  Bratti();
  PlaceChartsForType();

  // The category still holds the previous type's until the end of the change.
  if (IsPiston(s.AircraftType)) {
    ui.Altitudeinput->setToolTip("Altitude: 0-9,500 ft");
    ui.MCPpanel->hide();
    if (s.AutopilotEngaged) APpanelClick();  // off, with the panel showing it
    ui.flapgetalpanel->hide();
    ui.Flaps->setMaximum(3);
    ui.speedbrake->hide();
    ui.Label_speedbrake->hide();
    ui.Switchbox->show();
    ui.Failurepanel->hide();
    // The scenarios are the jet's: one chosen for it ends with the jet, so
    // that no alarm goes on where no panel can silence it.
    if (s.FailurePhase != 0) endfailure();
    ui.EFISpanel->hide();
    ui.Loadexpos->hide();
    if (s.AircraftCategory == "JET") {
      FillConfigbox(ui.Configbox, PistonPresetItems(), kPistonFirstPreset);
      s.DisplayedAirspeed = 115;
      ConfigboxChange();
      leesconfiguratie();
    }
  } else {
    ui.Altitudeinput->setToolTip("Altitude: 0-40,000 ft");
    if (s.AutopilotEngaged) APpanelClick();  // off, with the panel showing it
    ui.flapgetalpanel->show();
    ui.Flaps->setMaximum(4);
    ui.speedbrake->show();
    ui.Label_speedbrake->show();
    ui.Failurepanel->show();
    ui.EFISpanel->show();
    ui.Loadexpos->show();
    ui.Switchbox->hide();
    if (s.AircraftCategory == "SEP") {
      FillConfigbox(ui.Configbox, JetPresetItems(), kJetFirstPreset);
      s.DisplayedAirspeed = 210;
      ConfigboxChange();
      leesconfiguratie();
    }
  }

  // Two switches leave the map as it was and put the instruments in the
  // places of that state for the new layout.
  mapschakelaar();
  mapschakelaar();
  ui.Chart1->Repaint();
  ui.Chart2->Repaint();
  DoeUpdate();
  ui.Update->setFocus();
  TkOrvane();
  s.AircraftCategory = CategoryOfType(s.AircraftType);
}

void TForm1::laadvlgtgparameters() {
  LoadCategoryConstants(Sim);
  leesconfiguratie();
}

void TForm1::ConfigboxChange() {
  leesconfiguratie();
  UpdateClick();
  ui.CHRONO->setFocus();
  ui.Chart2->Repaint();
}

void TForm1::leesconfiguratie() {
  SimState& s = Sim;
  const std::optional<PresetOutcome> out = ApplyPreset(s, ui.Configbox->currentIndex());
  if (out) {
    // The preset's own values stand: the levers are put in place without
    // their handlers, which would apply a flap move on top of them.
    {
      const QSignalBlocker blockFlaps(ui.Flaps);
      const QSignalBlocker blockGear(ui.Gear);
      ui.Flaps->setValue(out->flaps);
      ui.Gear->setValue(out->gear);
    }
    s.GearDown = out->gear == 1;
    ShowGearLights(ui, s.GearDown);
    if (out->altitudeSet) ui.Altitudeinput->setText(QString::number(static_cast<int>(s.Altitude)));
  }
  Bratti();
  s.Acceleration = 0;
  TkOrvane();
  if (out && IsJet(s.AircraftType)) doelearn();
}

void TForm1::UpDown1Click(bool up) {
  // The track bar keeps its position within 0..Max.
  ui.Flaps->setValue(ui.Flaps->value() + (up ? -1 : 1));
  doeflaps();
}

void TForm1::doeflaps() {
  // The arrow keys steer the aircraft again, not the lever.
  ui.ChronoOutput->setFocus();
  if (IsJet(Sim.AircraftType)) ApplyJetFlapLever(Sim, ui.Flaps->value(), ui.Gear->value());
}

void TForm1::GearChange() {
  SimState& s = Sim;
  const int position = ui.Gear->value();
  if (position == 0 && s.GearDown) {
    ShowGearLights(ui, false);
    if (IsJet(s.AircraftType)) doeflaps();
    s.GearDown = false;
  } else if (position == 1 && !s.GearDown) {
    ShowGearLights(ui, true);
    if (IsJet(s.AircraftType)) doeflaps();
    s.GearDown = true;
  }
  ui.ChronoOutput->setFocus();
}

}  // namespace tvx
