#include "preparation/windtriangle.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

#include "platform/designedarea.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "platform/textutil.h"
#include "preparation/navlogfile.h"
#include "preparation/rangecheck.h"
#include "preparation/toolfiles.h"

namespace tvx {

TWindtriangle* Windtriangle = nullptr;

namespace {

const char* kNavlogFolder = "C:\\Tarvinex\\Tarvinex Sim\\navlogs";
const QColor kNavy(0, 0, 128);
const QColor kBtnFace(240, 240, 240);
const QColor kWindowColor(255, 255, 255);

}  // namespace

TWindtriangle::TWindtriangle(QWidget* parent) : ToolWindow(parent) {
  Windtriangle = this;
  ui.setupUi(this);
  designedArea_ = ScrollWhenSmaller(this);
  connect(ui.Insert, &QPushButton::clicked, this, &TWindtriangle::InsertClick);
  connect(ui.insertbit, &QPushButton::clicked, this, &TWindtriangle::InsertClick);
  connect(ui.CALCULATE, &QPushButton::clicked, this, &TWindtriangle::CALCULATEClick);
  connect(ui.calculatebit, &QPushButton::clicked, this, &TWindtriangle::CALCULATEClick);
  connect(ui.LOAD, &QPushButton::clicked, this, &TWindtriangle::LOADClick);
  connect(ui.loadbit, &QPushButton::clicked, this, &TWindtriangle::LOADClick);
  connect(ui.SAVE, &QPushButton::clicked, this, &TWindtriangle::SAVEClick);
  connect(ui.savebit, &QPushButton::clicked, this, &TWindtriangle::SAVEClick);
  connect(ui.Print, &QPushButton::clicked, this, &TWindtriangle::PrintClick);
  connect(ui.printbit, &QPushButton::clicked, this, &TWindtriangle::PrintClick);
  connect(ui.MAINMENU, &QPushButton::clicked, this, &TWindtriangle::MAINMENUClick);
  connect(ui.mainmenubit, &QPushButton::clicked, this, &TWindtriangle::MAINMENUClick);
  connect(ui.Grid, &QTableWidget::cellClicked, this, [this] { GridClick(); });
  for (QWidget* box : {static_cast<QWidget*>(ui.WINDWinput), static_cast<QWidget*>(ui.WINDVinput),
                       static_cast<QWidget*>(ui.TASinput), static_cast<QWidget*>(ui.Varideg),
                       static_cast<QWidget*>(ui.VariEW), static_cast<QWidget*>(ui.VariEW->lineEdit()),
                       static_cast<QWidget*>(ui.Fuelinput)})
    box->installEventFilter(this);
  FormCreate();
}

TWindtriangle::~TWindtriangle() {
  if (Windtriangle == this) Windtriangle = nullptr;
}

void TWindtriangle::FormCreate() {
  SetToolColor(ui.Panel1, QPalette::Window, kNavy);
  for (QLabel* label : ui.Panel1->findChildren<QLabel*>()) SetToolColor(label, QPalette::WindowText, Qt::white);
  ui.insertbit->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  ui.calculatebit->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  ui.loadbit->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  ui.savebit->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  ui.printbit->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  ui.mainmenubit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

  QTableWidget* g = ui.Grid;
  g->setColumnCount(kNavlogColumnCount);
  g->setRowCount(kNavlogRowCount);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setProperty("gridLineWidth", 1);
  for (int row = 0; row < kNavlogRowCount; ++row)
    for (int col = 0; col < kNavlogColumnCount; ++col) g->setItem(row, col, new QTableWidgetItem);
  NavlogGrid cells;
  SetNavlogHeaders(cells);
  SetGridCells(cells);
  FixedColor = kBtnFace;
  SetFixedRows(kNavlogHeaderRows);

  defaultColumnWidth_ = fontMetrics().horizontalAdvance("Tr Track ");
  const int rowHeight = fontMetrics().height() + 6;
  g->horizontalHeader()->setMinimumSectionSize(8);
  g->verticalHeader()->setMinimumSectionSize(8);
  g->verticalHeader()->setDefaultSectionSize(rowHeight);
  for (int row = 0; row < kNavlogRowCount; ++row) g->setRowHeight(row, rowHeight);
  SetColumnWidth(defaultColumnWidth_);
  g->setGeometry(5, ui.Panel1->geometry().bottom() + 8 + rowHeight, GridWidth(defaultColumnWidth_),
                 16 * (rowHeight + 1));
  ui.Panel2->move(5, g->geometry().bottom() + rowHeight + 16);
  ui.Windmemo->move(ui.Panel2->geometry().right() + 12, ui.Panel2->y());

  ui.WINDWinput->setText("160");
  ui.WINDVinput->setText("23");
  ui.TASinput->setText("100");
  ui.VariEW->setCurrentText("W");
  ui.Varideg->setText("0");
  ui.Fuelinput->setText("8.5");
  Leesinput();
  if (!PanelInputError) Vultabel();
  setWindowState(windowState() | Qt::WindowMaximized);
  Maakkolommenleeg();
  FormPaint();
}

int TWindtriangle::GridWidth(int columnWidth) { return kNavlogColumnCount * columnWidth + 20; }

void TWindtriangle::SetColumnWidth(int width) {
  ui.Grid->horizontalHeader()->setDefaultSectionSize(width);
  for (int col = 0; col < kNavlogColumnCount; ++col) ui.Grid->setColumnWidth(col, width);
}

void TWindtriangle::FormPaint() {
  const QTableWidget* g = ui.Grid;
  const int cellsLeft = g->x() + g->contentsRect().left();
  const auto& c = NavlogColumns;
  const int height = g->rowHeight(0);
  // Each box ends where its column ends and is at least as wide as its text
  // needs, so that narrow columns never cut a total.
  auto place = [&](QWidget* w, int col, int y, const QString& widest) {
    const int right = cellsLeft + g->horizontalHeader()->sectionPosition(col) + g->columnWidth(col);
    const int width = std::max(g->columnWidth(col), w->fontMetrics().horizontalAdvance(widest) + 10);
    w->setGeometry(right - width, y, width, height);
  };
  place(ui.TrackPanel, c.Track, g->y() - height - 2, ui.TrackPanel->text());
  place(ui.DistPanel, c.Dist, g->y() - height - 2, ui.DistPanel->text());
  const int below = g->geometry().bottom() + 3;
  place(ui.Total, c.Var, below, ui.Total->text());
  place(ui.Somdist, c.Dist, below, "0000.0");
  place(ui.somtime, c.Eet, below, "00:00.0");
  place(ui.somfuel, c.Fuel, below, "0000.0");
}

void TWindtriangle::SetFixedRows(int rows) {
  fixedRows_ = rows;
  for (int row = 0; row < kNavlogRowCount; ++row) {
    const bool fixed = row < rows;
    for (int col = 0; col < kNavlogColumnCount; ++col) {
      QTableWidgetItem* item = ui.Grid->item(row, col);
      item->setBackground(fixed ? QBrush(FixedColor) : QBrush());
      item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
  }
}

NavlogGrid TWindtriangle::GridCells() const {
  NavlogGrid cells;
  for (int col = 0; col < kNavlogColumnCount; ++col)
    for (int row = 0; row < kNavlogRowCount; ++row) cells.At(col, row) = ui.Grid->item(row, col)->text();
  return cells;
}

void TWindtriangle::SetGridCells(const NavlogGrid& cells) {
  for (int col = 0; col < kNavlogColumnCount; ++col)
    for (int row = 0; row < kNavlogRowCount; ++row) ui.Grid->item(row, col)->setText(cells.At(col, row));
}

void TWindtriangle::Maakkolommenleeg() {
  NavlogGrid cells = GridCells();
  ClearComputedColumns(cells);
  SetGridCells(cells);
  ui.Somdist->setText("...");
  ui.somtime->setText("...");
  ui.somfuel->setText("...");
}

void TWindtriangle::Leesinput() {
  PanelInputError = false;
  CheckBox(ui.WINDWinput, 0, 360, true, PanelInputError);
  CheckBox(ui.WINDVinput, 0, 100, true, PanelInputError);
  CheckBox(ui.TASinput, 40, 300, true, PanelInputError);
  CheckBox(ui.Varideg, 0, 180, true, PanelInputError);
  CheckBox(ui.Fuelinput, 0, 200, false, PanelInputError);
  if (PanelInputError) return;
  const QString side = ui.VariEW->currentText();
  if (side != "E" && side != "W") {
    PanelInputError = true;
    ui.VariEW->setFocus();
    Messages().ShowMessage("ERROR: VARIATION EAST or WEST letter IS NOT CORRECT ");
    return;
  }
  int degrees = 0;
  TryParseInt(ui.Varideg->text(), degrees);
  SignedVariation = side == "W" ? degrees : -degrees;
}

void TWindtriangle::Vultabel() {
  NavlogGrid cells = GridCells();
  FillLegRows(cells, ui.WINDWinput->text(), ui.WINDVinput->text(), ui.TASinput->text(), SignedVariation);
  SetGridCells(cells);
}

void TWindtriangle::Leestabel() {
  PanelInputError = false;
  TableInputError = false;
  CheckBox(ui.Fuelinput, 0, 200, false, TableInputError);
  const QList<CellFault> faults = CheckNavlogTable(GridCells());
  for (const CellFault& fault : faults) Messages().ShowMessage(fault.message);
  if (faults.isEmpty()) return;
  TableInputError = true;
  ui.Grid->setCurrentCell(faults.first().row, faults.first().col);
  ui.Grid->setFocus();
}

void TWindtriangle::Doecalculate() {
  Leestabel();
  if (TableInputError) return;
  NavlogGrid cells = GridCells();
  const NavlogTotals totals = CalculateNavlog(cells, ValOrZero(ui.Fuelinput->text()));
  SetGridCells(cells);
  ui.Somdist->setText(totals.Dist);
  ui.somtime->setText(totals.Time);
  ui.somfuel->setText(totals.Fuel);
  for (const QString& fault : totals.LegFaults) Messages().ShowMessage(fault);
}

void TWindtriangle::InsertClick() {
  Maakkolommenleeg();
  Leesinput();
  if (!PanelInputError) Vultabel();
}

void TWindtriangle::CALCULATEClick() { Doecalculate(); }

void TWindtriangle::WINDWinputClick() { Maakkolommenleeg(); }

void TWindtriangle::GridClick() { Maakkolommenleeg(); }

bool TWindtriangle::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) WINDWinputClick();
  return ToolWindow::eventFilter(watched, event);
}

void TWindtriangle::LOADClick() {
  bool failed = false;
  const auto bytes = LoadToolFile("Load Navigation Log", kNavlogFolder, kNavlogFileBytes, failed);
  if (!bytes) return;
  NavlogGrid cells;
  if (failed || !DecodeNavlogFile(*bytes, cells)) {
    Messages().ShowMessage("ERROR: FILE CAN NOT BE OPENED");
    return;
  }
  SetGridCells(cells);
  ui.Somdist->setText("...");
  ui.somtime->setText("...");
  ui.somfuel->setText("...");
  CALCULATEClick();
}

void TWindtriangle::SAVEClick() {
  SaveToolFile("Save Navigation Log", kNavlogFolder, "Navigation Log", EncodeNavlogFile(GridCells()));
}

void TWindtriangle::SetPrintLook() {
  saved_.hidden.clear();
  for (QWidget* w : {static_cast<QWidget*>(ui.Panel1), static_cast<QWidget*>(ui.Panel2),
                     static_cast<QWidget*>(ui.TrackPanel), static_cast<QWidget*>(ui.DistPanel),
                     static_cast<QWidget*>(ui.Windmemo)}) {
    saved_.hidden.append({w, w->isHidden()});
    w->hide();
  }
  saved_.gridPos = ui.Grid->pos();
  saved_.windowColor = palette().color(QPalette::Window);
  saved_.fixedColor = FixedColor;
  saved_.columnWidth = ui.Grid->columnWidth(0);
  ui.Grid->move(60, 40);
  SetToolColor(this, QPalette::Window, kWindowColor);
  FixedColor = kWindowColor;
  SetFixedRows(0);
  ui.Grid->setProperty("gridLineWidth", 2);
  // Each column as wide as "TTrack " and wider where a text needs it: a
  // clipped number ("113.4" of "113.45") would read as a valid one.
  const int printColumn = fontMetrics().horizontalAdvance("TTrack ");
  int gridWidth = 20;
  for (int col = 0; col < kNavlogColumnCount; ++col) {
    const int width = PrintedColumnWidth(ui.Grid, col, printColumn);
    ui.Grid->setColumnWidth(col, width);
    gridWidth += width;
  }
  ui.Grid->resize(gridWidth, ui.Grid->height());
  FormPaint();
}

void TWindtriangle::RestoreLook() {
  for (const auto& [w, hidden] : saved_.hidden) w->setHidden(hidden);
  ui.Grid->move(saved_.gridPos);
  SetToolColor(this, QPalette::Window, saved_.windowColor);
  FixedColor = saved_.fixedColor;
  SetFixedRows(kNavlogHeaderRows);
  ui.Grid->setProperty("gridLineWidth", 1);
  SetColumnWidth(saved_.columnWidth);
  ui.Grid->resize(GridWidth(saved_.columnWidth), ui.Grid->height());
  FormPaint();
}

void TWindtriangle::PrintClick() {
  PrintTool(designedArea_, "Navigation Log", [this] { SetPrintLook(); }, [this] { RestoreLook(); });
}

void TWindtriangle::MAINMENUClick() { LeaveForMainMenu(); }

}  // namespace tvx
