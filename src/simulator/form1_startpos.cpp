// Start positions saved from and loaded into the start panel, and the labels
// of the flap lever kept in airplane files.
#include <QFile>

#include "areas/areamodel.h"
#include "areas/instroptions.h"
#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/savefile.h"
#include "platform/textutil.h"
#include "simulator/form1.h"
#include "simulator/keyrelease.h"
#include "simulator/keys.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

const char* const kStartPositionFolder = "C:\\tarvinex\\tarvinex Sim\\startpositions";
const char* const kJetlinerExerciseFolder = "C:\\tarvinex\\tarvinex Sim\\startpositions\\Jetliner exercises";
const char* const kAirplaneFolder = "C:\\tarvinex\\tarvinex Sim\\airplanes";
const char* const kStartPositionFilter = "Startposition (*.dat)|*.dat";
const char* const kAirplaneFilter = "*.txt|*.txt";

const char* const kCannotSave = "ERROR: Cannot Save File!";
const char* const kCannotOpenStartPosition = "ERROR: Cannot open Startposition File";
const char* const kCannotOpenAirplane = "ERROR: Cannot open File";

// The dialogs of both files. The program asks its own question before it
// replaces a start position; an airplane file is replaced after the dialog's
// own question only.
FileRequest DialogRequest(const QString& title, const char* folder, bool forOpening, bool airplane) {
  FileRequest request;
  request.title = title;
  request.directory = MapPath(folder);
  request.filter = airplane ? kAirplaneFilter : kStartPositionFilter;
  request.defaultSuffix = airplane ? "txt" : "dat";
  request.mustExist = forOpening;
  request.toolkitOverwriteQuestion = airplane;
  return request;
}

// At most `maxBytes` + 1 bytes of the file, so that a reader sees a file that
// is too long; nothing when it cannot be opened or read.
std::optional<QByteArray> ReadAtMost(const QString& path, qint64 maxBytes) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = in.read(maxBytes + 1);
  if (in.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

// The attitude edit's text of a stored attitude: no decimals that are not there.
QString AttitudeText(double attitude) { return attitude == 0 ? QString("0") : QString::number(attitude, 'g', 15); }

int EditInt(const QLineEdit* edit) {
  int value = 0;
  TryParseInt(edit->text(), value);
  return value;
}

}  // namespace

void TForm1::ConnectStartPositions() {
  connect(ui.Loadpos, &QPushButton::clicked, this, [this] { LoadposClick(false); });
  connect(ui.loadposbit, &QPushButton::clicked, this, [this] { LoadposClick(false); });
  connect(ui.Loadexpos, &QPushButton::clicked, this, [this] { LoadposClick(true); });
  connect(ui.Savepos, &QPushButton::clicked, this, [this] { SaveposClick(); });
  connect(ui.saveposbit, &QPushButton::clicked, this, [this] { SaveposClick(); });
  connect(ui.Loadflaps, &QPushButton::clicked, this, [this] { LoadflapsClick(); });
  connect(ui.saveplane, &QPushButton::clicked, this, [this] { saveplaneClick(); });
  connect(ui.loadplane, &QPushButton::clicked, this, [this] { loadplaneClick(); });
  auto* labelKeys = new KeyReleaseFilter(
      this, [this](int key, Qt::KeyboardModifiers modifiers) { Equiflap0KeyUp(key, modifiers); });
  for (QLineEdit* edit : {ui.Equiflap0, ui.Equiflap1, ui.Equiflap2, ui.Equiflap3, ui.Equiflap4}) {
    edit->installEventFilter(labelKeys);
    // Every label typed here fits the airplane file and loads back.
    edit->setMaxLength(kFlapLabelMaxLength);
  }
}

std::optional<StartPosition> TForm1::CurrentStartPosition() {
  // A panel that refuses a value would store a start that cannot be flown.
  leesinput();
  if (Sim.StartInputError) return std::nullopt;
  StartPosition p;
  if (!TryParseReal(ui.Attiinput->text(), p.Attitude)) {
    Messages().ShowMessage(kCannotSave);
    ui.Attiinput->setFocus();
    return std::nullopt;
  }
  const SimState& s = Sim;
  p.Heading = EditInt(ui.HDGinput);
  p.Altitude = EditInt(ui.Altitudeinput);
  p.Beacon = ui.beaconinput->text();
  p.Radial = EditInt(ui.Radialinput);
  TryParseReal(ui.DMEinput->text(), p.Dme);
  p.WindDirection = EditInt(ui.WINDWinput);
  p.WindSpeed = EditInt(ui.WINDVinput);
  p.Vor1Active = ui.VOR1active->text();
  p.Vor1Standby = ui.VOR1select->text();
  p.Vor2Active = ui.VOR2active->text();
  p.Vor2Standby = ui.VOR2select->text();
  p.AdfActive = ui.ADFactive->text();
  p.AdfStandby = ui.ADFselect->text();
  p.Obs1Course = s.Obs1Course;
  p.Obs2Course = s.Obs2Course;
  p.Rpm = static_cast<std::int32_t>(RoundHalfEven(s.EngineRpm));
  p.HsiShown = InstrSettings.HSIBool;
  p.AdfRmiMode = InstrSettings.ADFRMI;
  p.FlapPosition = ui.Flaps->value();
  p.GearPosition = ui.Gear->value();
  p.LandingLight = ui.Ldglight->text();
  p.CarbHeat = ui.CarbHeat->text();
  p.FuelPump = ui.Fuelpump->text();
  p.AircraftType = s.AircraftType;
  p.ConfigName = ConfigNameOfIndex(s.AircraftType, ui.Configbox->currentIndex());
  p.AreaName = Areas.AreaName;
  p.Minimums = s.Minimums;
  // A file that could not be loaded again is not written.
  if (!StartPositionInRange(p)) {
    Messages().ShowMessage(kCannotSave);
    return std::nullopt;
  }
  return p;
}

void TForm1::SaveposClick() {
  FileRequest request = DialogRequest("Save Startposition", kStartPositionFolder, false, false);
  request.fileName = Areas.AreaName + "-";
  const std::optional<StartPosition> position = CurrentStartPosition();
  if (!position) return;
  const QByteArray record = EncodeStartPosition(*position);
  const auto chosen = Files().Save(request);
  if (!chosen || !ConfirmOverwrite("STARTPOSITION", *chosen)) return;
  if (!WriteWholeFile(*chosen, record)) Messages().ShowMessage(kCannotSave);
}

void TForm1::LoadposClick(bool jetlinerExercises) {
  const auto chosen = Files().Open(DialogRequest(
      "Load Startposition", jetlinerExercises ? kJetlinerExerciseFolder : kStartPositionFolder, true, false));
  if (!chosen) return;
  // The whole record is read and checked before anything of it is used.
  const std::optional<QByteArray> bytes = ReadAtMost(*chosen, kStartPositionBytes);
  const std::optional<StartPosition> position = bytes ? DecodeStartPosition(*bytes) : std::nullopt;
  if (!position || !StartPositionInRange(*position)) {
    Messages().ShowMessage(kCannotOpenStartPosition);
    return;
  }
  ApplyStartPosition(*position);
}

void TForm1::ApplyStartPosition(const StartPosition& p) {
  SimState& s = Sim;
  ui.Autopos->setCurrentIndex(2);  // "OFF": the file holds the start itself
  startkleur();
  ui.Configbox->setCurrentIndex(-1);
  SetTypegroupIndex(-1);

  ui.HDGinput->setText(QString::number(p.Heading));
  ui.Altitudeinput->setText(QString::number(p.Altitude));
  ui.beaconinput->setText(p.Beacon);
  ui.Beaconbox->setEditText(p.Beacon);
  ui.Radialinput->setText(QString::number(p.Radial));
  ui.DMEinput->setText(FormatFixed(p.Dme, 0, 1));
  ui.WINDWinput->setText(QString::number(p.WindDirection));
  ui.WINDVinput->setText(QString::number(p.WindSpeed));
  ui.VOR1active->setText(p.Vor1Active);
  ui.VOR1select->setText(p.Vor1Standby);
  ui.VOR2active->setText(p.Vor2Active);
  ui.VOR2select->setText(p.Vor2Standby);
  ui.ADFactive->setText(p.AdfActive);
  ui.ADFselect->setText(p.AdfStandby);
  s.Obs1Course = p.Obs1Course;
  s.Obs2Course = p.Obs2Course;
  s.EngineRpm = p.Rpm;
  ui.RPMinput->setText(QString::number(p.Rpm));
  InstrSettings.HSIBool = p.HsiShown;
  InstrSettings.ADFRMI = p.AdfRmiMode;
  // The levers keep their positions within their ranges.
  ui.Flaps->setValue(p.FlapPosition);
  ui.Gear->setValue(p.GearPosition);
  ui.Ldglight->setText(p.LandingLight);
  ui.CarbHeat->setText(p.CarbHeat);
  ui.Fuelpump->setText(p.FuelPump);
  ui.Attiinput->setText(AttitudeText(p.Attitude));
  s.Altitude = p.Altitude;

  s.AircraftType = p.AircraftType;
  SetTypegroupIndex(TypegroupIndexOfType(p.AircraftType));
  ui.Configbox->setCurrentIndex(ConfigIndexOfName(s.AircraftType, p.ConfigName));
  ConfigboxChange();
  s.Minimums = p.Minimums;
  // The altimeter is set for the new start; the panel sets STD again above
  // 18000 ft.
  s.BaroStd = false;

  Zoekfreq();
  DoeUpdate();
}

void TForm1::LoadflapsClick() {
  ui.flaplabel0->setText(ui.Equiflap0->text());
  ui.flaplabel1->setText(ui.Equiflap1->text());
  ui.flaplabel2->setText(ui.Equiflap2->text());
  ui.flaplabel3->setText(ui.Equiflap3->text());
  ui.flaplabel4->setText(ui.Equiflap4->text());
  ui.Chart2->Repaint();
}

void TForm1::Equiflap0KeyUp(int key, Qt::KeyboardModifiers modifiers) {
  if (!IsPlainEnter(key, modifiers)) return;
  ui.ChronoOutput->setFocus();
  LoadflapsClick();
}

void TForm1::saveplaneClick() {
  const FlapLabels labels{ui.Equiflap0->text(), ui.Equiflap1->text(), ui.Equiflap2->text(), ui.Equiflap3->text(),
                          ui.Equiflap4->text()};
  const auto chosen = Files().Save(DialogRequest("Save Airplane", kAirplaneFolder, false, true));
  if (!chosen) return;
  if (!WriteWholeFile(*chosen, EncodeFlapLabels(labels))) Messages().ShowMessage(kCannotSave);
}

void TForm1::loadplaneClick() {
  const auto chosen = Files().Open(DialogRequest("Load Airplane", kAirplaneFolder, true, true));
  if (!chosen) return;
  const std::optional<QByteArray> bytes = ReadAtMost(*chosen, kFlapLabelFileMaxBytes);
  const std::optional<FlapLabels> labels = bytes ? DecodeFlapLabels(*bytes) : std::nullopt;
  if (!labels) {
    Messages().ShowMessage(kCannotOpenAirplane);
    return;
  }
  QLineEdit* const edits[] = {ui.Equiflap0, ui.Equiflap1, ui.Equiflap2, ui.Equiflap3, ui.Equiflap4};
  for (int i = 0; i < kFlapLabelCount; ++i) edits[i]->setText((*labels)[static_cast<std::size_t>(i)]);
  LoadflapsClick();
}

}  // namespace tvx
