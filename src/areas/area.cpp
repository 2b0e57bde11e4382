#include "areas/area.h"

#include "areas/dbaseform.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "areas/areamodel.h"
#include "areas/printareaform.h"
#include "platform/anchor.h"
#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "platform/savefile.h"
#include "platform/shell.h"
#include "platform/textutil.h"
#include "platform/windowintent.h"
#include "platform/windowkeeper.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"

namespace tvx {

TArea* Area = nullptr;
const char* const kAreaFolder = "C:\\Tarvinex\\Tarvinex Sim\\Areas";

namespace {

const char* kAreaFilter = "Area (*.dat)|*.dat";
const char* kModifiedQuestion = "AREA HAS BEEN MODIFIED. SAVE CHANGES ? ";

void SetColor(QWidget* w, QPalette::ColorRole role, const QColor& color) {
  QPalette pal = w->palette();
  pal.setColor(role, color);
  w->setPalette(pal);
}

// The globe on the database panel.
QIcon GlobePicture() {
  QImage image(36, 36, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(QColor(0, 90, 200));
  p.drawEllipse(3, 3, 30, 30);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.5));
  p.drawEllipse(11, 3, 14, 30);
  p.drawLine(3, 18, 33, 18);
  p.drawLine(6, 10, 30, 10);
  p.drawLine(6, 26, 30, 26);
  p.end();
  return QIcon(QPixmap::fromImage(image));
}

// Three linked dots on blue: the sharing picture.
QIcon SharePicture() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(59, 89, 152));
  p.drawRoundedRect(0, 0, 32, 32, 5, 5);
  p.setPen(QPen(Qt::white, 2));
  p.drawLine(10, 16, 22, 9);
  p.drawLine(10, 16, 22, 23);
  p.setBrush(Qt::white);
  p.drawEllipse(QPoint(10, 16), 4, 4);
  p.drawEllipse(QPoint(22, 9), 4, 4);
  p.drawEllipse(QPoint(22, 23), 4, 4);
  p.end();
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace

TArea::TArea(QWidget* parent) : QWidget(parent) {
  Area = this;
  ui.setupUi(this);
  // A fixed dialog without title-bar buttons: Close is the way out.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(size());
  CentreOnScreen(this);

  SetColor(ui.Panel1, QPalette::Window, QColor(220, 0, 0));
  SetColor(ui.opendbase, QPalette::ButtonText, Qt::white);
  SetColor(ui.opendbase, QPalette::Button, QColor(220, 0, 0));
  QFont bold = ui.opendbase->font();
  bold.setBold(true);
  ui.opendbase->setFont(bold);
  ui.Image1->setIcon(GlobePicture());
  ui.Image1->setIconSize(QSize(36, 36));
  ui.Fbimage->setIcon(SharePicture());
  ui.Fbimage->setIconSize(QSize(32, 32));

  connect(ui.Areapage, &QTabWidget::currentChanged, this, [this] { AreapageChange(); });
  for (QPushButton* b : {ui.addbit, ui.ADD}) connect(b, &QPushButton::clicked, this, [this] { ADDClick(); });
  for (QPushButton* b : {ui.removebit, ui.remove, ui.Editbit, ui.Editbutton})
    connect(b, &QPushButton::clicked, this, [this, b] { removeClick(b); });
  for (QPushButton* b : {ui.Newbit, ui.Newarea}) connect(b, &QPushButton::clicked, this, [this] { NewareaClick(); });
  for (QPushButton* b : {ui.saveareabit, ui.SaveArea}) connect(b, &QPushButton::clicked, this, &TArea::SaveAreaClick);
  for (QPushButton* b : {ui.loadareabit, ui.Loadarea}) connect(b, &QPushButton::clicked, this, &TArea::LoadareaClick);
  for (QPushButton* b : {ui.printbit, ui.Print}) connect(b, &QPushButton::clicked, this, &TArea::PrintClick);
  for (QPushButton* b : {ui.CloseAreabit, ui.CloseArea})
    connect(b, &QPushButton::clicked, this, &TArea::CloseAreaClick);
  for (QPushButton* b : {ui.opendbase, ui.Image1}) connect(b, &QPushButton::clicked, this, &TArea::opendbaseClick);
  connect(ui.Fbimage, &QPushButton::clicked, this, &TArea::FbimageClick);
  connect(ui.Emailbit, &QPushButton::clicked, this, &TArea::EmailbitClick);
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
  const TabTexts t = TabParametersFor(Tab());
  ui.addbit->setText(t.addCaption);
  ui.removebit->setText(t.deleteCaption);
  ui.Editbit->setText(t.editCaption);
  ui.ADD->setText(t.plainAdd);
  ui.remove->setText(t.plainRemove);
  ui.Editbutton->setText(t.plainEdit);
  ui.Naamlabel->setText(t.nameLabel);
  ui.Naam->setToolTip(t.nameHint);
  Areas.FreqMin = t.freqMin;
  Areas.FreqMax = t.freqMax;
  ui.Freq->setToolTip(t.freqHint);
  ui.ILSbox->setVisible(t.ilsInputs);
}

void TArea::AreapageChange() {
  schrijfareamemo();
  Tabparameters();
}

void TArea::schrijfareamemo() {
  Areas.EditList = ListOfTab(Areas, Tab());
  QPlainTextEdit* memo = Tab() == kNdbTab ? ui.NDBmemo : Tab() == kIlsTab ? ui.ILSmemo : ui.VORmemo;
  memo->setPlainText(AreaListText(Areas.EditList, Tab() == kIlsTab).join('\n'));
}

AreaInputs TArea::Inputs() const {
  AreaInputs in;
  in.Naam = ui.Naam->text();
  in.Freq = ui.Freq->text();
  in.NS = ui.NS->currentText();
  in.Latdeg = ui.Latdeg->text();
  in.Latmin = ui.Latmin->text();
  in.EW = ui.EW->currentText();
  in.Longdeg = ui.Longdeg->text();
  in.Longmin = ui.Longmin->text();
  in.Vardeg = ui.Vardeg->text();
  in.VarEW = ui.VarEW->currentText();
  in.course = ui.course->text();
  in.Elev = ui.Elev->text();
  in.lctrnaam = ui.lctrnaam->text();
  in.lctrfreq = ui.lctrfreq->text();
  in.lctrdist = ui.lctrdist->text();
  return in;
}

void TArea::ShowInputs(const AreaInputs& in, bool ils) {
  ui.Naam->setText(in.Naam);
  ui.Freq->setText(in.Freq);
  ui.NS->setEditText(in.NS);
  ui.EW->setEditText(in.EW);
  ui.Latdeg->setText(in.Latdeg);
  ui.Longdeg->setText(in.Longdeg);
  ui.Latmin->setText(in.Latmin);
  ui.Longmin->setText(in.Longmin);
  ui.Vardeg->setText(in.Vardeg);
  ui.VarEW->setEditText(in.VarEW);
  if (!ils) return;
  ui.course->setText(in.course);
  ui.Elev->setText(in.Elev);
  ui.lctrnaam->setText(in.lctrnaam);
  ui.lctrfreq->setText(in.lctrfreq);
  ui.lctrdist->setText(in.lctrdist);
}

QWidget* TArea::InputWidget(AreaInput input) const {
  switch (input) {
    case AreaInput::None: return nullptr;
    case AreaInput::Naam: return ui.Naam;
    case AreaInput::Freq: return ui.Freq;
    case AreaInput::NS: return ui.NS;
    case AreaInput::Latdeg: return ui.Latdeg;
    case AreaInput::Latmin: return ui.Latmin;
    case AreaInput::EW: return ui.EW;
    case AreaInput::Longdeg: return ui.Longdeg;
    case AreaInput::Longmin: return ui.Longmin;
    case AreaInput::Vardeg: return ui.Vardeg;
    case AreaInput::VarEW: return ui.VarEW;
    case AreaInput::course: return ui.course;
    case AreaInput::Elev: return ui.Elev;
    case AreaInput::lctrnaam: return ui.lctrnaam;
    case AreaInput::lctrfreq: return ui.lctrfreq;
    case AreaInput::lctrdist: return ui.lctrdist;
    case AreaInput::removeinput: return ui.removeinput;
  }
  return nullptr;
}

void TArea::RefreshSimulator(bool afterAdd) {
  if (!Form1) return;
  Form1->setEnabled(true);
  Form1->Zoekfreq();
  if (afterAdd) Form1->TkOrvane();
  else Form1->DoeUpdate();
  ShowAsItStands(this);
  raise();
  ActivateWhenInView(this);
  Form1->setEnabled(false);
}

void TArea::ADDClick() {
  const int tab = Tab();
  Areas.EditList = ListOfTab(Areas, tab);
  const AddResult r = AddBeacon(Areas.EditList, tab, Areas.FreqMin, Areas.FreqMax, Inputs());
  if (r.variationSet) {
    ui.Vardeg->setText("0");
    ui.VarEW->setEditText("W");
  }
  if (r.nameChecked) ui.Naam->setText(r.nameText);
  Areas.AreaInputError = !r.added;
  for (const InputMessage& m : r.messages) {
    if (QWidget* w = InputWidget(m.input)) w->setFocus();
    Messages().ShowMessage(m.text);
  }
  if (!r.added) return;

  ListOfTab(Areas, tab) = Areas.EditList;
  schrijfareamemo();
  for (QLineEdit* e : {ui.Naam, ui.Freq, ui.Latmin, ui.Longmin, ui.course, ui.Elev, ui.lctrdist, ui.lctrnaam,
                       ui.lctrfreq})
    e->clear();
  Areas.AreaModified = true;
  BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
  RefreshSimulator(true);
}

void TArea::removeClick(QObject* sender) {
  const bool edit = sender == ui.Editbit || sender == ui.Editbutton;
  const QString word = edit ? "Edit " : "Delete ";
  const int tab = Tab();
  const bool ils = tab == kIlsTab;
  Areas.EditList = ListOfTab(Areas, tab);
  Areas.AreaInputError = false;

  const BeaconNumber n = CheckBeaconNumber(Areas.EditList, ui.removeinput->text(), word);
  if (!n.message.isEmpty()) {
    Areas.AreaInputError = n.inputError;
    ui.removeinput->setFocus();
    Messages().ShowMessage(n.message);
    return;
  }
  if (Messages().Ask(RemoveQuestion(word, Areas.EditList[n.index]), DlgButtons::OkCancel) != DlgAnswer::Ok) return;
  if (edit) ShowInputs(InputsForEdit(Areas.EditList[n.index], ils), ils);
  RemoveSlot(Areas.EditList, n.index, ils);

  ListOfTab(Areas, tab) = Areas.EditList;
  schrijfareamemo();
  ui.removeinput->clear();
  Areas.AreaModified = true;
  BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
  RefreshSimulator(false);
  if (edit)
    Messages().ShowMessage("Caution: Beacon has been removed from the list.\r\n"
                           "Edit the beacon and ADD it again to the list!");
}

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
  if (!ConfirmOverwrite("AREA", file)) return false;
  if (!WriteWholeFile(file, EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList))) {
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

bool TArea::SaveChangesFirst() {
  if (!Areas.AreaModified) return true;
  const DlgAnswer answer = Messages().Ask(kModifiedQuestion, DlgButtons::YesNoCancel);
  if (answer == DlgAnswer::Cancel) return false;
  // Replacing edits that were meant to be kept, after a save that did not
  // happen, would lose them.
  return answer != DlgAnswer::Yes || Areasaven();
}

void TArea::LoadareaClick() {
  if (!SaveChangesFirst()) return;
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
  // A navigation log or a loadsheet is saved as "*.dat" too: only a file of
  // exactly 45 records, each holding what the editor accepts, is an area.
  std::optional<AreaLists> read;
  if (in.open(QIODevice::ReadOnly)) read = ReadAreaFile(in.read(kAreaFileBytes + 1));
  if (!read) {
    Messages().ShowMessage("ERROR: FILE CAN NOT BE OPENED");
    return;
  }
  Areas.VorList = read->Vor;
  Areas.NdbList = read->Ndb;
  Areas.IlsList = read->Ils;

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
    ShowAsItStands(this);
    raise();
    Form1->setEnabled(false);
  }
}

void TArea::NewareaClick() { doeNewareaClick(); }

void TArea::doeNewareaClick() {
  if (Messages().Ask("MAKE A NEW AREA. ARE YOU SURE?", DlgButtons::OkCancel) != DlgAnswer::Ok) return;
  if (SaveChangesFirst()) {
    EmptyList(Areas.VorList, false);
    EmptyList(Areas.NdbList, false);
    EmptyList(Areas.IlsList, true);
    Areas.AreaModified = false;
    setWindowTitle("AREA: New");
  }
  schrijfareamemo();
}

void TArea::CloseAreaClick() {
  if (Form1) Form1->setEnabled(true);
  if (Areas.IlsList[0].Used()) Sim.AirportElevation = Areas.IlsList[0].Elevation;
  if (!Areas.VorList[0].Used()) {
    FillDefaultVor(Areas.VorList[0]);
    Areas.AreaModified = true;
    Messages().ShowMessage("WARNING: THERE IS NO VOR IN THIS AREA. VOR1 IS ADDED. ");
    schrijfareamemo();
  }
  QString beacon;
  if (Areas.AreaModified) {
    beacon = Areas.VorList[0].Name;
    const DlgAnswer answer = Messages().Ask(kModifiedQuestion, DlgButtons::YesNoCancel);
    if (answer == DlgAnswer::Cancel) {
      // The window stays in front, so the simulator waits behind it again.
      if (Form1) Form1->setEnabled(false);
      return;
    }
    if (answer == DlgAnswer::Yes) {
      Areasaven();
    } else {
      Areas.AreaName.clear();
      setWindowTitle("Area: ?");
      if (Form1) Form1->ui.Areanaampanel->setText("Area: ?");
      Areas.AreaModified = false;
    }
    hide();
    BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
    if (Form1) {
      Form1->Zoekfreq();
      Form1->DoeUpdate();
    }
  } else {
    hide();
    if (Form1) beacon = Form1->ui.Beaconbox->currentText();
  }
  if (!Form1) return;

  auto& f = Form1->ui;
  f.Beaconbox->clear();
  f.Beaconbox->setEditText(beacon);
  SetColor(f.Radialinput, QPalette::Base, Qt::white);
  f.Beaconmemo->clear();
  f.Beaconmemo->appendPlainText("Freq: " + Areas.VorList[0].Frequency);
  Form1->BeaconboxChange();
  {
    // Filling the list must not choose its first entry in place of the beacon.
    const QSignalBlocker quiet(f.Beaconbox);
    f.Beaconbox->addItems(SimulatorBeaconNames(Areas.VorList, Areas.NdbList, Areas.IlsList));
    f.Beaconbox->setEditText(beacon);
  }
  if (Form1->ProfileShown()) {
    Form1->vertmapschakelaar();
    Form1->vertmapschakelaar();
  }
}

TPrintareaform* TArea::PrintAreaForm() {
  if (Printareaform) return Printareaform;
  if (!ownPrintForm_) ownPrintForm_ = std::make_unique<TPrintareaform>();
  return ownPrintForm_.get();
}

void TArea::schrijfprintareamemo() {
  PrintAreaForm()->ui.printareamemo->setPlainText(
      PrintAreaText(windowTitle(), Areas.VorList, Areas.NdbList, Areas.IlsList).join('\n'));
}

void TArea::PrintClick() {
  // The lists are printed without switching tabs, so the tab shown, its
  // memo and its frequency limits stay together.
  schrijfprintareamemo();
  TPrintareaform* form = PrintAreaForm();
  ShowMaximisedAsked(form);
  const PrintResult result = PrintForm(
      form, windowTitle(), [form] { form->FitMemoToText(); }, [form] { form->RestoreSize(); });
  form->hide();
  if (result == PrintResult::Failed) Messages().ShowMessage("ERROR: Cannot Print!");
}

namespace {

// The folder of the area files, written where the user can paste it.
QString CopyAreaFolder() {
  const QString folder = QDir::toNativeSeparators(MapPath(kAreaFolder));
  QDir().mkpath(folder);
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(folder);
  return folder;
}

}  // namespace

void TArea::opendbaseClick() {
  if (!dbaseform) return;
  ShowMaximisedOnScreen(dbaseform);
  dbaseform->raise();
  ActivateWhenInView(dbaseform);
  dbaseform->ui.navsearch->setFocus();
}

void TArea::FbimageClick() {
  OpenPathOrSay(CopyAreaFolder());
  OpenWebPageOrSay(kCommunityPage);
}

void TArea::EmailbitClick() {
  const QString folder = CopyAreaFolder();
  OpenPathOrSay(folder);
  OpenMailOrSay("Tarvinex Sim area",
           "Hello,\r\n\r\nI would like to share an area of Tarvinex Sim with you. The area file is attached.\r\n"
           "Save it in your area folder (mine is " + folder + ") and load it with Load in the area window.\r\n");
}

void TArea::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseAreaClick();
}

}  // namespace tvx
