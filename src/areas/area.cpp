#include "areas/area.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "areas/areamodel.h"
#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/textutil.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

TArea* Area = nullptr;

namespace {
const char* kAreaFolder = "C:\\Tarvinex\\Tarvinex Sim\\Areas";
const char* kAreaFilter = "Area (*.dat)|*.dat";
}  // namespace

TArea::TArea(QWidget* parent) : QWidget(parent) {
  Area = this;
  ui.setupUi(this);
  connect(ui.saveareabit, &QPushButton::clicked, this, &TArea::SaveAreaClick);
  connect(ui.SaveArea, &QPushButton::clicked, this, &TArea::SaveAreaClick);
  connect(ui.loadareabit, &QPushButton::clicked, this, &TArea::LoadareaClick);
  connect(ui.Loadarea, &QPushButton::clicked, this, &TArea::LoadareaClick);
  FormCreate();
}

TArea::~TArea() {
  if (Area == this) Area = nullptr;
}

void TArea::FormCreate() {
  Tabparameters();
  ui.VORmemo->clear();
  ui.NDBmemo->clear();
  ui.ILSmemo->clear();
  Areas.AreaModified = false;
  schrijfareamemo();
}

void TArea::Tabparameters() {
  switch (ui.Areapage->currentIndex()) {
    case 1: Areas.FreqMin = 190, Areas.FreqMax = 1750; break;
    case 2: Areas.FreqMin = 108, Areas.FreqMax = 112; break;
    default: Areas.FreqMin = 108, Areas.FreqMax = 118; break;
  }
}

void TArea::schrijfareamemo() {}

bool TArea::Areasaven() {
  FileRequest request;
  request.title = "Save Area";
  request.directory = MapPath(kAreaFolder);
  request.fileName = Areas.AreaName;
  request.filter = kAreaFilter;
  request.defaultSuffix = "dat";
  BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
  const auto chosen = Files().Save(request);
  if (!chosen) return false;
  const QString file = *chosen;
  if (QFileInfo::exists(file)) {
    const QString question = "AREA \"" + BareFileName(file) + "\" already exists. Overwrite? ";
    if (Messages().Ask(question, DlgButtons::YesNo) != DlgAnswer::Yes) return false;
  }
  QSaveFile out(file);
  const QByteArray bytes = EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    Messages().ShowMessage("ERROR: FILE CAN NOT BE SAVED");
    return false;
  }
  Areas.AreaName = BareFileName(file);
  setWindowTitle("Area: " + Areas.AreaName);
  if (Form1) {
    Form1->ui.Areanaampanel->setText(Areas.AreaName);
    Form1->ui.MAPChart->Repaint();
  }
  Areas.AreaModified = false;
  return true;
}

void TArea::SaveAreaClick() { Areasaven(); }

void TArea::LoadareaClick() {
  if (Areas.AreaModified) {
    const DlgAnswer answer = Messages().Ask("AREA HAS BEEN MODIFIED. SAVE CHANGES ? ", DlgButtons::YesNoCancel);
    if (answer == DlgAnswer::Cancel) return;
    // Loading over edits that were meant to be kept would lose them.
    if (answer == DlgAnswer::Yes && !Areasaven()) return;
  }
  FileRequest request;
  request.title = "Load Area";
  request.directory = MapPath(kAreaFolder);
  request.filter = kAreaFilter;
  request.defaultSuffix = "dat";
  request.mustExist = true;
  const auto chosen = Files().Open(request);
  if (!chosen) return;
  Areas.AreaFileName = *chosen;
  laadarea();
}

void TArea::laadarea() {
  QFile in(Areas.AreaFileName);
  AreaLists read;
  if (!in.open(QIODevice::ReadOnly) || !DecodeAreaFile(in.read(kAreaFileBytes), read)) {
    Messages().ShowMessage("ERROR: FILE CAN NOT BE OPENED");
    return;
  }
  Areas.VorList = read.Vor;
  Areas.NdbList = read.Ndb;
  Areas.IlsList = read.Ils;

  schrijfareamemo();
  BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
  if (Form1) {
    Form1->setEnabled(true);
    auto& f = Form1->ui;
    const AreaBeacon& vor1 = Areas.VorList[0];
    f.beaconinput->setText(vor1.Name);
    f.Beaconbox->setCurrentText(vor1.Name);
    f.VOR1active->setText(vor1.Frequency);
    f.VOR2active->setText(vor1.Frequency);
    const QString vorSelect = Areas.VorList[1].Used() ? Areas.VorList[1].Frequency : vor1.Frequency;
    f.VOR1select->setText(vorSelect);
    f.VOR2select->setText(vorSelect);
    if (Areas.NdbList[0].Used()) {
      f.ADFactive->setText(Areas.NdbList[0].Frequency);
      f.ADFselect->setText(Areas.NdbList[1].Used() ? Areas.NdbList[1].Frequency : Areas.NdbList[0].Frequency);
    }
  }
  if (Areas.IlsList[0].Used()) Sim.AirportElevation = Areas.IlsList[0].Elevation;
  Areas.AreaModified = false;
  Areas.AreaName = BareFileName(Areas.AreaFileName);
  setWindowTitle("Area: " + Areas.AreaName);
  if (Form1) {
    Form1->ui.Areanaampanel->setText(Areas.AreaName);
    Form1->Zoekfreq();
    Form1->DoeUpdate();
    show();
    raise();
    Form1->setEnabled(false);
  }
}

}  // namespace tvx
