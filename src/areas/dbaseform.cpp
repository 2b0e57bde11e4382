#include "areas/dbaseform.h"

#include <QButtonGroup>
#include <QFile>
#include <QKeyEvent>

#include "areas/area.h"
#include "areas/areamodel.h"
#include "platform/dataroot.h"
#include "platform/designedarea.h"
#include "platform/messages.h"
#include "simulator/form1.h"

namespace tvx {

Tdbaseform* dbaseform = nullptr;

namespace {

const char* kNavdataFolder = "C:\\Tarvinex\\Tarvinex Sim\\Navdata\\";

// The bytes of a table's file, at most `maxBytes`; nothing when it cannot be opened.
std::optional<QByteArray> ReadTableFile(const QString& name, qsizetype maxBytes) {
  QFile file(MapPath(kNavdataFolder + name));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.read(maxBytes);
}

QButtonGroup* GroupOf(QWidget* owner, std::initializer_list<QAbstractButton*> buttons) {
  auto* group = new QButtonGroup(owner);
  int id = 0;
  for (QAbstractButton* b : buttons) group->addButton(b, id++);
  return group;
}

int IndexOf(const QButtonGroup* group) { return group->checkedId(); }

void SetIndex(QButtonGroup* group, int index) {
  if (QAbstractButton* b = group->button(index)) {
    b->setChecked(true);
    return;
  }
  // No item: an exclusive group cannot uncheck its last button.
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

}  // namespace

Tdbaseform::Tdbaseform(QWidget* parent) : QWidget(parent) {
  dbaseform = this;
  ui.setupUi(this);
  ScrollWhenSmaller(this);
  setWindowState(Qt::WindowMaximized);
  SearchGroup = GroupOf(this, {ui.searchgroup0, ui.searchgroup1, ui.searchgroup2, ui.searchgroup3});
  NavRangeGroup = GroupOf(this, {ui.scangroup0, ui.scangroup1, ui.scangroup2, ui.scangroup3, ui.scangroup4,
                                 ui.scangroup5, ui.scangroup6});
  IlsRangeGroup = GroupOf(this, {ui.ilsscangroup0, ui.ilsscangroup1, ui.ilsscangroup2, ui.ilsscangroup3,
                                 ui.ilsscangroup4, ui.ilsscangroup5, ui.ilsscangroup6});
  SetIndex(SearchGroup, 0);
  SetIndex(IlsRangeGroup, 2);

  connect(ui.searchbit, &QPushButton::clicked, this, &Tdbaseform::searchClick);
  connect(ui.search, &QPushButton::clicked, this, &Tdbaseform::searchClick);
  connect(ui.searchnext, &QPushButton::clicked, this, &Tdbaseform::searchnextClick);
  connect(ui.navsearch, &QLineEdit::textChanged, this, &Tdbaseform::navsearchChange);
  // A click in either range group rescans, also on the item already chosen.
  connect(NavRangeGroup, &QButtonGroup::idClicked, this, &Tdbaseform::scangroupClick);
  connect(IlsRangeGroup, &QButtonGroup::idClicked, this, &Tdbaseform::scangroupClick);
  connect(ui.saveareabit, &QPushButton::clicked, this, &Tdbaseform::saveareaClick);
  connect(ui.savearea, &QPushButton::clicked, this, &Tdbaseform::saveareaClick);
  connect(ui.CloseAreabit, &QPushButton::clicked, this, &Tdbaseform::ClosedbaseClick);
  connect(ui.Closedbase, &QPushButton::clicked, this, &Tdbaseform::ClosedbaseClick);
  ui.navsearch->installEventFilter(this);
  FormCreate();
}

Tdbaseform::~Tdbaseform() {
  if (dbaseform == this) dbaseform = nullptr;
}

void Tdbaseform::FormCreate() {
  // Each table keeps the records read before an error and its defaults after them.
  // A data root that cannot be written was named at the start, which says it all.
  auto notFound = [](const QString& text) {
    if (DataRootWritable()) Messages().ShowMessage(text);
  };
  const auto airports = ReadTableFile("ARPT.dat", qsizetype{kAirportRecords} * kAirportRecordBytes);
  if (!ReadAirportTable(airports.value_or(QByteArray()), Database.Airports) || !airports)
    notFound("ERROR: AIRPORT FILE not found");
  const auto navaids = ReadTableFile("NAV.dat", qsizetype{kNavaidRecords} * kNavaidRecordBytes);
  if (!ReadNavaidTable(navaids.value_or(QByteArray()), Database.Navaids) || !navaids)
    notFound("ERROR: NAV FILE not found");
  const auto ils = ReadTableFile("ILS.dat", qsizetype{kIlsRecords} * kIlsRecordBytes);
  if (!ReadIlsTable(ils.value_or(QByteArray()), Database.Ils) || !ils) notFound("ERROR: ILS FILE not found");
}

int Tdbaseform::NavRangeIndex() const { return IndexOf(NavRangeGroup); }
int Tdbaseform::IlsRangeIndex() const { return IndexOf(IlsRangeGroup); }
void Tdbaseform::SetNavRangeIndex(int index) { SetIndex(NavRangeGroup, index); }
void Tdbaseform::SetIlsRangeIndex(int index) { SetIndex(IlsRangeGroup, index); }

SearchChoice Tdbaseform::SelectedChoice() const {
  const int index = IndexOf(SearchGroup);
  return index >= 0 ? static_cast<SearchChoice>(index) : SearchChoice::AirportIcao;
}

void Tdbaseform::SetSaveEnabled(bool enabled) {
  ui.saveareabit->setEnabled(enabled);
  ui.savearea->setEnabled(enabled);
  ScanBuildable = enabled;
}

void Tdbaseform::navsearchChange() {
  const bool any = !ui.navsearch->text().isEmpty();
  ui.search->setEnabled(any);
  ui.searchbit->setEnabled(any);
}

bool Tdbaseform::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui.navsearch && event->type() == QEvent::KeyRelease)
    navsearchKeyUp(static_cast<QKeyEvent*>(event)->key());
  return QWidget::eventFilter(watched, event);
}

void Tdbaseform::navsearchKeyUp(int key) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
  if (!ui.search->isEnabled()) return;
  ui.search->setFocus();
  searchClick();
}

void Tdbaseform::searchClick() {
  SetSaveEnabled(false);
  ui.searchnext->setEnabled(false);
  ui.scangroup->setEnabled(false);
  ui.ilsscangroup->setEnabled(false);
  SetNavRangeIndex(-1);
  navsearchChange();
  Choice = SelectedChoice();
  Scanned = ScanResult{};

  ui.scanmemo->clear();
  ui.datamemo->clear();
  Search = RunSearch(Database, Choice, ui.navsearch->text());
  ui.navsearch->setText(Search.Text);
  if (Search.TooMany) {
    Messages().ShowMessage(TooManyHitsMessage(KindOf(Choice)));
    return;
  }

  CurrentHit = 0;
  for (const QString& line : SearchSummaryLines(KindOf(Choice), Search)) ui.datamemo->appendPlainText(line);
  if (Search.Count == 0) return;
  ui.scangroup->setEnabled(true);
  ui.ilsscangroup->setEnabled(true);
  if (Search.Count > 1) ui.searchnext->setEnabled(true);
  ShowCurrentRecord();
}

void Tdbaseform::ShowCurrentRecord() {
  if (KindOf(Choice) == SearchKind::Airport)
    schrijfmemoarpt(CurrentHit);
  else
    schrijfmemonav(CurrentHit);
}

namespace {
// Writes the record of hit number `hit` into `memo`; an empty or stray hit writes nothing.
template <typename Record, typename Lines>
void AppendHit(QPlainTextEdit* memo, const SearchResult& search, int hit, const std::vector<Record>& table,
               Lines lines) {
  if (hit < 0 || hit >= kSearchHitSlots) return;
  const int record = search.Hits[static_cast<std::size_t>(hit)];
  if (record < 0 || record >= static_cast<int>(table.size())) return;
  for (const QString& line : lines(table[static_cast<std::size_t>(record)])) memo->appendPlainText(line);
}
}  // namespace

void Tdbaseform::schrijfmemoarpt(int hit) { AppendHit(ui.datamemo, Search, hit, Database.Airports, AirportLines); }

void Tdbaseform::schrijfmemonav(int hit) { AppendHit(ui.datamemo, Search, hit, Database.Navaids, NavaidLines); }

void Tdbaseform::searchnextClick() {
  CurrentHit = NextHit(Search, CurrentHit);
  ui.datamemo->clear();
  ui.datamemo->appendPlainText(QString::number(CurrentHit + 1));
  SetNavRangeIndex(-1);
  ui.scanmemo->clear();
  // The scan belonged to the hit before: it must not be built around this one.
  Scanned = ScanResult{};
  SetSaveEnabled(false);
  ShowCurrentRecord();
}

void Tdbaseform::searchprevClick() {}

void Tdbaseform::scangroupClick() { doescan(); }

void Tdbaseform::doescan() {
  SetSaveEnabled(false);
  Scanned = ScanResult{};
  const int record = CurrentHit >= 0 && CurrentHit < kSearchHitSlots ? Search.Hits[static_cast<std::size_t>(CurrentHit)] : -1;
  if (record < 0) return;
  const bool airport = KindOf(Choice) == SearchKind::Airport;
  if (record >= static_cast<int>(airport ? Database.Airports.size() : Database.Navaids.size())) return;
  const ScanCentre centre = airport ? CentreOf(Database.Airports[static_cast<std::size_t>(record)])
                                    : CentreOf(Database.Navaids[static_cast<std::size_t>(record)]);
  const ScanOutcome outcome = Scan(Database, centre, NavRangeIndex(), IlsRangeIndex());
  ui.scanmemo->clear();
  for (const QString& line : outcome.Lines) ui.scanmemo->appendPlainText(line);
  Scanned = outcome.Result;
  SetSaveEnabled(outcome.SaveEnabled);
  if (outcome.Message) Messages().ShowMessage(*outcome.Message);
}

void Tdbaseform::saveareaClick() {
  if (!ScanBuildable) return;
  // Building empties the lists: edits not saved yet are offered a save first.
  if (Area && !Area->SaveChangesFirst()) return;
  Areas.AreaName = BuildAreaName(Choice, Search.Text);
  BuildAreaLists(Database, Scanned, Areas);
  BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
  if (Area) Area->schrijfareamemo();
  Areas.AreaModified = true;
  BrVORXY(Areas.VorList, Areas.NdbList, Areas.IlsList);
  hide();
  if (Form1) Form1->ui.MAPChart->Repaint();
  if (Area) {
    // The built area is the one in memory now, saved or not: its name goes
    // with it, and a save names it anew.
    Area->setWindowTitle("Area: " + Areas.AreaName);
    if (Form1) Form1->ui.Areanaampanel->setText(Areas.AreaName);
    Area->Areasaven();
  }
  if (Form1) {
    const QString vor1 = Areas.VorList[0].Name;
    Form1->ui.beaconinput->setText(vor1);
    Form1->ui.Beaconbox->setCurrentText(vor1);
    Form1->ui.DMEinput->setText("0");
  }
}

void Tdbaseform::ClosedbaseClick() { hide(); }

}  // namespace tvx
