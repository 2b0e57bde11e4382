#include "preparation/massbalform.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>

#include "platform/designedarea.h"
#include "platform/messages.h"
#include "preparation/rangecheck.h"
#include "preparation/toolfiles.h"

namespace tvx {

bool MassBalInputError = false;
TMassBalForm* MassBalForm = nullptr;

namespace {

const char* kLoadsheetFolder = "C:\\Tarvinex\\tarvinex Sim\\loadsheets";
const QColor kInputGreen(0, 255, 0);
const QColor kTableColor(166, 202, 240);
const QColor kWindowColor(255, 255, 255);

}  // namespace

TMassBalForm::TMassBalForm(QWidget* parent) : ToolWindow(parent) {
  MassBalForm = this;
  ui.setupUi(this);
  designedArea_ = ScrollWhenSmaller(this);
  connect(ui.calculatebit, &QPushButton::clicked, this, &TMassBalForm::CALCULATEClick);
  connect(ui.CALCULATE, &QPushButton::clicked, this, &TMassBalForm::CALCULATEClick);
  connect(ui.loadbit, &QPushButton::clicked, this, &TMassBalForm::LOADClick);
  connect(ui.LOAD, &QPushButton::clicked, this, &TMassBalForm::LOADClick);
  connect(ui.savebit, &QPushButton::clicked, this, &TMassBalForm::SAVEClick);
  connect(ui.SAVE, &QPushButton::clicked, this, &TMassBalForm::SAVEClick);
  connect(ui.printbit, &QPushButton::clicked, this, &TMassBalForm::PrintClick);
  connect(ui.Print, &QPushButton::clicked, this, &TMassBalForm::PrintClick);
  connect(ui.mainmenubit, &QPushButton::clicked, this, &TMassBalForm::MAINMENUClick);
  connect(ui.MAINMENU, &QPushButton::clicked, this, &TMassBalForm::MAINMENUClick);
  for (const LoadsheetBox& box : LoadsheetBoxes()) {
    QLineEdit* edit = Box(box.name);
    if (box.kind == BoxKind::Computed) {
      edit->setReadOnly(true);
      edit->installEventFilter(this);
    } else {
      SetToolColor(edit, QPalette::Base, kInputGreen);
      connect(edit, &QLineEdit::textChanged, this, &TMassBalForm::FBaginputChange);
    }
  }
  FormCreate();
}

TMassBalForm::~TMassBalForm() {
  if (MassBalForm == this) MassBalForm = nullptr;
}

QLineEdit* TMassBalForm::Box(const char* name) const { return findChild<QLineEdit*>(name); }

QList<QWidget*> TMassBalForm::TablePanels() const {
  return {ui.MassBalpanel, ui.Bovenpanel, ui.Linkerpanel, ui.Masspanel, ui.Armpanel, ui.Momentpanel};
}

QList<QLineEdit*> TMassBalForm::AirplaneBoxes() const {
  QList<QLineEdit*> boxes;
  for (const LoadsheetBox& box : LoadsheetBoxes())
    if (box.kind == BoxKind::Airplane) boxes << Box(box.name);
  return boxes;
}

void TMassBalForm::FormCreate() {
  for (QWidget* panel : TablePanels()) SetToolColor(panel, QPalette::Window, kTableColor);
  SetToolColor(ui.Vlgtgpanel, QPalette::Window, kTableColor);
  ui.calculatebit->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  ui.loadbit->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  ui.savebit->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  ui.printbit->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  ui.mainmenubit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  setWindowState(windowState() | Qt::WindowMaximized);
  const Loadsheet defaults = DefaultLoadsheet();
  SetBoxes(defaults, BoxKind::Flight);
  SetBoxes(defaults, BoxKind::Airplane);
  SetBoxes(defaults, BoxKind::Computed);
}

Loadsheet TMassBalForm::Boxes() const {
  Loadsheet sheet;
  for (const LoadsheetBox& box : LoadsheetBoxes()) sheet.*box.text = Box(box.name)->text();
  return sheet;
}

void TMassBalForm::SetBoxes(const Loadsheet& sheet, BoxKind kind) {
  for (const LoadsheetBox& box : LoadsheetBoxes())
    if (box.kind == kind) Box(box.name)->setText(sheet.*box.text);
}

void TMassBalForm::MaakVakkenleeg() {
  Loadsheet sheet = Boxes();
  ClearComputedBoxes(sheet);
  SetBoxes(sheet, BoxKind::Computed);
}

void TMassBalForm::FBaginputChange() { MaakVakkenleeg(); }

void TMassBalForm::FSeatMassClick() { Messages().ShowMessage("REMARK: Only GREEN boxes can be filled in!"); }

bool TMassBalForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) FSeatMassClick();
  return ToolWindow::eventFilter(watched, event);
}

void TMassBalForm::Checkinteger(QLineEdit* box, int low, int high) {
  CheckBox(box, low, high, true, MassBalInputError);
}

void TMassBalForm::Checkreal(QLineEdit* box, double low, double high) {
  CheckBox(box, low, high, false, MassBalInputError);
}

void TMassBalForm::Leesinput() {
  MassBalInputError = false;
  for (const LoadsheetRange& range : LoadsheetInputRanges()) {
    if (range.integer)
      Checkinteger(Box(range.name), static_cast<int>(range.low), static_cast<int>(range.high));
    else
      Checkreal(Box(range.name), range.low, range.high);
  }
}

void TMassBalForm::Doecalculate() {
  Leesinput();
  if (MassBalInputError) return;
  Loadsheet sheet = Boxes();
  const std::optional<LoadsheetFault> caution = CalculateLoadsheet(sheet);
  SetBoxes(sheet, BoxKind::Computed);
  if (caution) {
    MassBalInputError = true;
    Box(caution->box.toLatin1().constData())->setFocus();
    Messages().ShowMessage(caution->message);
  }
}

void TMassBalForm::CALCULATEClick() { Doecalculate(); }

void TMassBalForm::LOADClick() {
  bool failed = false;
  const auto bytes = LoadToolFile("Load Loadsheet", kLoadsheetFolder, kLoadsheetBytes, failed);
  if (!bytes) return;
  Loadsheet sheet = Boxes();
  if (failed || !DecodeLoadsheetFile(*bytes, sheet)) {
    Messages().ShowMessage("ERROR loading file");
    return;
  }
  SetBoxes(sheet, BoxKind::Flight);
  SetBoxes(sheet, BoxKind::Airplane);
  CALCULATEClick();
}

void TMassBalForm::SAVEClick() {
  SaveToolFile("Save Loadsheet", kLoadsheetFolder, "Loadsheet", EncodeLoadsheetFile(Boxes()));
}

void TMassBalForm::SetPrintLook() {
  saved_ = {};
  for (QWidget* w : {static_cast<QWidget*>(ui.Panel1), static_cast<QWidget*>(ui.Panel2),
                     static_cast<QWidget*>(ui.Vlgtgpanel), static_cast<QWidget*>(ui.MassBalmemo)}) {
    saved_.hidden.append({w, w->isHidden()});
    w->hide();
  }
  saved_.tablePos = ui.MassBalpanel->pos();
  ui.MassBalpanel->move(60, 40);
  saved_.colors.append({this, palette().color(QPalette::Window)});
  SetToolColor(this, QPalette::Window, kWindowColor);
  for (QWidget* panel : TablePanels()) {
    saved_.colors.append({panel, panel->palette().color(QPalette::Window)});
    SetToolColor(panel, QPalette::Window, kWindowColor);
  }
  for (QLineEdit* box : AirplaneBoxes()) SetToolColor(box, QPalette::Base, kWindowColor);
}

void TMassBalForm::RestoreLook() {
  for (const auto& [w, hidden] : saved_.hidden) w->setHidden(hidden);
  ui.MassBalpanel->move(saved_.tablePos);
  for (const auto& [w, color] : saved_.colors) SetToolColor(w, QPalette::Window, color);
  for (QLineEdit* box : AirplaneBoxes()) SetToolColor(box, QPalette::Base, kInputGreen);
}

void TMassBalForm::PrintClick() {
  PrintTool(designedArea_, "Loadsheet", [this] { SetPrintLook(); }, [this] { RestoreLook(); });
}

void TMassBalForm::MAINMENUClick() { LeaveForMainMenu(); }

}  // namespace tvx
