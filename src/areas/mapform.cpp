#include "areas/mapform.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QSignalBlocker>

#include "areas/areamodel.h"
#include "areas/holding.h"
#include "platform/messages.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

TMapform* Mapform = nullptr;

namespace {

// The simulator comes back to life when this window leaves the front.
void EnableSimulator() {
  if (Form1) Form1->setEnabled(true);
}

void RepaintMap() {
  if (Form1) Form1->RequestMapRepaint();
}

bool AutoHoldingOn(const TForm1& form) {
  const QString mode = form.ui.Autopos->currentText();
  return mode == "ON-LEFT" || mode == "ON-RIGHT";
}

// Automatic holding off: the start panel's fields that it computed are the
// user's again and lose their colour.
void SwitchAutoHoldingOff(TForm1& form) {
  {
    // Set as a value, not as the user's choice, so the start panel is not re-read.
    const QSignalBlocker quiet(form.ui.Autopos);
    form.ui.Autopos->setCurrentIndex(2);  // "OFF"
  }
  for (QWidget* field : {static_cast<QWidget*>(form.ui.HDGinput), static_cast<QWidget*>(form.ui.Radialinput),
                         static_cast<QWidget*>(form.ui.DMEinput), static_cast<QWidget*>(form.ui.Autopos)}) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
  }
}

}  // namespace

TMapform::TMapform(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  Mapform = this;
  ui.setupUi(this);
  connect(ui.Mapkeuze0, &QRadioButton::clicked, this, [this] { MapkeuzeClick(); });
  connect(ui.Mapkeuze1, &QRadioButton::clicked, this, [this] { MapkeuzeClick(); });
  connect(ui.Coursekeuze0, &QRadioButton::clicked, this, [this] { CoursekeuzeClick(); });
  connect(ui.Coursekeuze1, &QRadioButton::clicked, this, [this] { CoursekeuzeClick(); });
  connect(ui.holdingBeaconbox, &QComboBox::activated, this,
          [this](int index) { holdingBeaconboxChange(ui.holdingBeaconbox->itemText(index)); });
  connect(ui.OK, &QPushButton::clicked, this, &TMapform::OKClick);
  connect(ui.Cancel, &QPushButton::clicked, this, &TMapform::CancelClick);
  FormCreate();
}

TMapform::~TMapform() {
  if (Mapform == this) Mapform = nullptr;
}

int TMapform::Mapkeuze() const { return ui.Mapkeuze1->isChecked() ? kDrawHolding : kNoHolding; }

void TMapform::SetMapkeuze(int index) {
  (index == kDrawHolding ? ui.Mapkeuze1 : ui.Mapkeuze0)->setChecked(true);
  HoldingWindow.Mapkeuze = Mapkeuze();
}

int TMapform::Coursekeuze() const { return ui.Coursekeuze0->isChecked() ? kInboundCourseChoice : kRadialChoice; }

void TMapform::SetCoursekeuze(int index) {
  (index == kInboundCourseChoice ? ui.Coursekeuze0 : ui.Coursekeuze1)->setChecked(true);
}

void TMapform::FormCreate() {
  SetMapkeuze(kDrawHolding);
  enableholdingbox();
  ui.Holdingbeacon->setText("VOR1");
  ui.Turndirection->setEditText("RIGHT");
  ui.Holdingcourse->setText("180");
  ui.Holdingradial->setText("360");
  SetCoursekeuze(kRadialChoice);
  ui.holdspdinput->setText("115");
  SetMapkeuze(kNoHolding);
  enableholdingbox();
}

namespace {

HoldingTexts TextsOf(const Ui::TMapform& ui) {
  return {ui.Holdingbeacon->text(), ui.Turndirection->currentText(), ui.Holdingcourse->text(),
          ui.Holdingradial->text(), ui.holdspdinput->text()};
}

void ShowTexts(Ui::TMapform& ui, const HoldingTexts& t) {
  ui.Holdingbeacon->setText(t.Holdingbeacon);
  ui.Turndirection->setEditText(t.Turndirection);
  ui.Holdingcourse->setText(t.Holdingcourse);
  ui.Holdingradial->setText(t.Holdingradial);
  ui.holdspdinput->setText(t.holdspdinput);
}

QWidget* FieldWidget(Ui::TMapform& ui, HoldingField field) {
  switch (field) {
    case HoldingField::Beacon: return ui.Holdingbeacon;
    case HoldingField::Turn: return ui.Turndirection;
    case HoldingField::Course: return ui.Holdingcourse;
    case HoldingField::Radial: return ui.Holdingradial;
    case HoldingField::Speed: return ui.holdspdinput;
    case HoldingField::None: break;
  }
  return nullptr;
}

// Reads the inputs into the definition; a rejection focuses its input and
// shows its message.
HoldingReading ReadInputs(TMapform& form) {
  HoldingTexts texts = TextsOf(form.ui);
  const HoldingReading r = ReadHoldingInputs(texts, form.Coursekeuze(), Areas, Sim);
  form.ui.Holdingbeacon->setText(texts.Holdingbeacon);
  form.ui.Turndirection->setEditText(texts.Turndirection);
  HoldingWindow.HoldingInputError = r.error;
  if (r.error) {
    if (QWidget* field = FieldWidget(form.ui, r.field)) field->setFocus();
    Messages().ShowMessage(r.message);
  }
  return r;
}

}  // namespace

void TMapform::leesholdingdata() { ReadInputs(*this); }

void TMapform::OKClick() {
  HoldingWindow.HoldingInputError = false;
  if (Mapkeuze() == kDrawHolding) {
    const HoldingReading r = ReadInputs(*this);
    // The radial follows an inbound course only once that course was taken.
    if (Coursekeuze() == kInboundCourseChoice && r.inboundRead)
      Sim.HoldingRadial = RadialFromInbound(Sim.HoldingInboundCourse);
  }
  // A rejected input keeps the window in front, the simulator behind it still disabled.
  if (HoldingWindow.HoldingInputError) return;
  EnableSimulator();
  if (Form1) Form1->DoeUpdate();
  hide();
  RepaintMap();
}

void TMapform::CancelClick() {
  EnableSimulator();
  const HoldingSnapshot& snapshot = HoldingWindow.Snapshot;
  SetMapkeuze(snapshot.Mapkeuze);
  ShowTexts(ui, snapshot.Texts);
  // What a rejected OK had already stored goes too.
  StoreHoldingDefinition(snapshot.Definition, Sim);
  enableholdingbox();
  hide();
  RepaintMap();
}

void TMapform::FormShow() {
  // Other windows choose whether the holding is drawn while this one is hidden.
  SetMapkeuze(HoldingWindow.Mapkeuze);
  enableholdingbox();
  HoldingWindow.Snapshot = {Mapkeuze(), TextsOf(ui), HoldingDefinitionOf(Sim)};
}

void TMapform::MapkeuzeClick() {
  HoldingWindow.Mapkeuze = Mapkeuze();
  enableholdingbox();
  RepaintMap();
}

void TMapform::CoursekeuzeClick() { enablecoursekeuze(); }

void TMapform::enableholdingbox() {
  const bool on = Mapkeuze() == kDrawHolding;
  for (QWidget* w : std::initializer_list<QWidget*>{ui.Holdingbox, ui.Holdingbeacon, ui.Turndirection,
                                                    ui.Holdingcourse, ui.Holdingradial, ui.Beaconlabel, ui.Turnlabel,
                                                    ui.Coursekeuze, ui.spdLabel, ui.holdspdinput})
    w->setEnabled(on);
  if (on) enablecoursekeuze();
}

void TMapform::enablecoursekeuze() {
  const bool inbound = Coursekeuze() == kInboundCourseChoice;
  ui.Holdingcourse->setEnabled(inbound);
  ui.Holdingradial->setEnabled(!inbound);
}

void TMapform::holdingBeaconboxChange(const QString& picked) {
  if (Form1 && AutoHoldingOn(*Form1)) {
    const QString question = "Caution: AUTO HOLDING is ON. \r\n\r\nDo you want to set AUTO OFF and change Beacon?";
    if (Messages().Ask(question, DlgButtons::YesNo) != DlgAnswer::Yes) {
      ui.holdingBeaconbox->setEditText(Form1->ui.Beaconbox->currentText());
      return;
    }
    SwitchAutoHoldingOff(*Form1);
  }
  ui.Holdingbeacon->setText(picked);
}

void TMapform::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window coming back from the task bar is not shown anew.
  if (!event->spontaneous()) FormShow();
}

void TMapform::closeEvent(QCloseEvent* event) {
  if (isVisible()) CancelClick();
  event->accept();
}

}  // namespace tvx
