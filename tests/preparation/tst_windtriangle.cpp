// The navigation-log window: panel, grid, CALCULATE, file and printout.
#include <QtTest>

#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "preparation/navlogfile.h"
#include "preparation/pdfsupport.h"
#include "preparation/windtriangle.h"
#include "preparation/toolwindowcheck.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

const auto& C = NavlogColumns;

QString Cell(const TWindtriangle& w, int col, int row) { return w.ui.Grid->item(row, col)->text(); }
void SetCell(TWindtriangle& w, int col, int row, const QString& text) { w.ui.Grid->item(row, col)->setText(text); }

// Leg n (1..13) lives in grid row n + 1.
void SetLeg(TWindtriangle& w, int leg, const QString& track, const QString& dist) {
  SetCell(w, C.Track, leg + 1, track);
  SetCell(w, C.Dist, leg + 1, dist);
}

}  // namespace

class tst_Windtriangle : public QObject {
  Q_OBJECT
  QTemporaryDir dir;
  int ended = 0;

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    ToolWindow::EndProgram = [this] { ++ended; };
  }

  void windowAfterCreation() {
    TWindtriangle w;
    QCOMPARE(Windtriangle, &w);
    QCOMPARE(w.windowTitle(), QString("Tarvinex - Navigation Log"));
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    const auto& ui = w.ui;
    QCOMPARE(ui.Grid->columnCount(), 17);
    QCOMPARE(ui.Grid->rowCount(), 15);
    QCOMPARE(ui.WINDWinput->text(), QString("160"));
    QCOMPARE(ui.WINDVinput->text(), QString("23"));
    QCOMPARE(ui.TASinput->text(), QString("100"));
    QCOMPARE(ui.Varideg->text(), QString("0"));
    QCOMPARE(ui.VariEW->currentText(), QString("W"));
    QCOMPARE(ui.VariEW->itemText(0), QString("E"));
    QCOMPARE(ui.Fuelinput->text(), QString("8.5"));
    QCOMPARE(ui.Varideg->toolTip(), QString("0 - 180 degrees"));
    QCOMPARE(ui.VariEW->toolTip(), QString("East - West"));
    QCOMPARE(ui.TrackPanel->text(), QString("TRACK"));
    QCOMPARE(ui.DistPanel->text(), QString("DIST."));
    QCOMPARE(ui.Total->text(), QString("TOTAL:"));
    QCOMPARE(ui.Insert->text(), QString("INSERT"));
    QCOMPARE(ui.CALCULATE->text(), QString("CALCULATE"));
    QCOMPARE(ui.MAINMENU->text(), QString("EXIT"));
    QVERIFY(ui.Windmemo->isReadOnly());
    QVERIFY(ui.Windmemo->toPlainText().startsWith("1. Fill in the boxes in the blue panel.\n2. Click INSERT.\n"
                                                  "3. Fill in the Columns 'TRACK' and 'DIST.' in the Navigation "
                                                  "Log.\n4. Click CALCULATE.\n\n"));
    QCOMPARE(ui.Panel1->palette().color(QPalette::Window), QColor(0, 0, 128));
    // Headers, INSERT's copy into every leg and cleared computed cells.
    QCOMPARE(Cell(w, C.Waypoint, 0), QString("Way-"));
    QCOMPARE(Cell(w, C.Fuel, 1), QString("Fuel"));
    for (int row = 2; row < 15; ++row) {
      QCOMPARE(Cell(w, C.WindDir, row), QString("160"));
      QCOMPARE(Cell(w, C.WindVel, row), QString("23"));
      QCOMPARE(Cell(w, C.Tas, row), QString("100"));
      QCOMPARE(Cell(w, C.Var, row), QString("0"));
      QCOMPARE(Cell(w, C.Gs, row), QString("....."));
      QVERIFY(ui.Grid->item(row, C.Track)->flags() & Qt::ItemIsEditable);
    }
    QVERIFY(!(ui.Grid->item(1, C.Track)->flags() & Qt::ItemIsEditable));
    QCOMPARE(ui.somtime->text(), QString("..."));
    // Grid size: 17 columns of "Tr Track " plus 20 pixels, 16 rows high.
    const int col = w.fontMetrics().horizontalAdvance("Tr Track ");
    QCOMPARE(ui.Grid->columnWidth(0), col);
    QCOMPARE(ui.Grid->width(), 17 * col + 20);
    QCOMPARE(ui.Grid->height(), 16 * (ui.Grid->rowHeight(0) + 1));
    QCOMPARE(ui.Grid->x(), 5);
  }

  void labelsSitOverAndUnderTheirColumns() {
    TWindtriangle w;
    const auto& ui = w.ui;
    // Measured on the shown window, where the grid's cells are laid out.
    w.setWindowState(Qt::WindowNoState);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int cellsLeft = ui.Grid->x() + ui.Grid->viewport()->x();
    auto columnRight = [&](int col) {
      return cellsLeft + ui.Grid->columnViewportPosition(col) + ui.Grid->columnWidth(col) - 1;
    };
    QCOMPARE(ui.TrackPanel->geometry().right(), columnRight(C.Track));
    QCOMPARE(ui.DistPanel->geometry().right(), columnRight(C.Dist));
    QVERIFY(ui.TrackPanel->geometry().bottom() < ui.Grid->y());
    QCOMPARE(ui.Somdist->geometry().right(), columnRight(C.Dist));
    QCOMPARE(ui.somtime->geometry().right(), columnRight(C.Eet));
    QCOMPARE(ui.somfuel->geometry().right(), columnRight(C.Fuel));
    QCOMPARE(ui.Total->geometry().right(), columnRight(C.Var));
    // A total is never narrower than its text.
    QVERIFY(ui.somtime->width() >= ui.somtime->fontMetrics().horizontalAdvance("10:00.0"));
    QVERIFY(ui.Somdist->y() > ui.Grid->geometry().bottom());
    QVERIFY(ui.Panel2->y() > ui.Somdist->geometry().bottom());
  }

  void insertChecksThePanelAndFillsTheLegs() {
    TWindtriangle w;
    auto& ui = w.ui;
    ScopedRecordingMessages messages;
    // East variation is negative; the cells take the panel's texts as typed.
    ui.WINDWinput->setText("270");
    ui.WINDVinput->setText("15");
    ui.TASinput->setText("120");
    ui.Varideg->setText("4");
    ui.VariEW->setCurrentText("E");
    SetLeg(w, 1, "090", "20");
    ui.insertbit->click();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(w.SignedVariation, -4);
    QCOMPARE(Cell(w, C.WindDir, 2), QString("270"));
    QCOMPARE(Cell(w, C.Var, 14), QString("-4"));
    QCOMPARE(Cell(w, C.Tas, 14), QString("120"));
    QCOMPARE(Cell(w, C.Track, 2), QString("090"));  // tracks and distances stay
    QCOMPARE(Cell(w, C.Dist, 2), QString("20"));

    // Only the first failing box is reported, and the grid is left alone.
    ui.WINDVinput->setText("150");
    ui.TASinput->setText("x");
    ui.Insert->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT BETWEEN 0 AND 100"});
    QVERIFY(w.PanelInputError);
    QCOMPARE(Cell(w, C.WindVel, 2), QString("15"));

    messages.Clear();
    ui.WINDVinput->setText("15");
    ui.Insert->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT CORRECT "});

    messages.Clear();
    ui.TASinput->setText("300");
    ui.Fuelinput->setText("200.5");
    ui.Insert->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT BETWEEN 0 AND 200"});

    messages.Clear();
    ui.Fuelinput->setText("9");
    ui.VariEW->setCurrentText("X");
    ui.Insert->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: VARIATION EAST or WEST letter IS NOT CORRECT "});
    QVERIFY(w.PanelInputError);
    QCOMPARE(Cell(w, C.Tas, 2), QString("120"));
  }

  void failingBoxTakesTheFocus() {
    TWindtriangle w;
    w.setWindowState(Qt::WindowNoState);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ScopedRecordingMessages messages;
    w.ui.TASinput->setText("30");
    w.InsertClick();
    QCOMPARE(QApplication::focusWidget(), w.ui.TASinput);
    SetCell(w, C.Track, 6, "abc");
    w.ui.TASinput->setText("100");
    w.CALCULATEClick();
    QCOMPARE(QApplication::focusWidget(), w.ui.Grid);
    QCOMPARE(w.ui.Grid->currentRow(), 6);
    QCOMPARE(w.ui.Grid->currentColumn(), C.Track);
  }

  void calculateFillsTheLegsAndTotals() {
    TWindtriangle w;
    auto& ui = w.ui;
    ScopedRecordingMessages messages;
    ui.WINDWinput->setText("270");
    ui.WINDVinput->setText("20");
    ui.Varideg->setText("10");
    ui.Insert->click();
    SetLeg(w, 1, "090", "100");  // tailwind, GS 120: 50.0 min
    SetLeg(w, 2, "000", "30.6");  // wind from the left of 360
    SetLeg(w, 3, "090", "");
    ui.calculatebit->click();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join('|')));
    QCOMPARE(Cell(w, C.Gs, 2), QString("120"));
    QCOMPARE(Cell(w, C.Wca, 2), QString("  0"));
    QCOMPARE(Cell(w, C.TrueHdg, 2), QString("090"));
    QCOMPARE(Cell(w, C.MagnHdg, 2), QString("100"));
    QCOMPARE(Cell(w, C.Eet, 2), QString("  50.0"));
    QCOMPARE(Cell(w, C.Fuel, 2), QString("   7.1"));
    QCOMPARE(Cell(w, C.TrueHdg, 3), QString("348"));
    QCOMPARE(Cell(w, C.MagnHdg, 3), QString("358"));
    QCOMPARE(Cell(w, C.Gs, 3), QString(" 98"));
    QCOMPARE(Cell(w, C.Eet, 3), QString("  18.7"));
    QCOMPARE(Cell(w, C.Eet, 4), QString("....."));
    QCOMPARE(Cell(w, C.Gs, 5), QString("....."));
    QCOMPARE(ui.Somdist->text(), QString("130.6"));
    QCOMPARE(ui.somtime->text(), QString(" 1:08.7"));
    QCOMPARE(ui.somfuel->text(), QString("  9.7"));
  }

  void clicksOnThePanelOrTheGridClearTheResults() {
    TWindtriangle w;
    ScopedRecordingMessages messages;
    SetLeg(w, 1, "090", "100");
    w.CALCULATEClick();
    QVERIFY(Cell(w, C.Gs, 2) != ".....");
    QTest::mouseClick(w.ui.Fuelinput, Qt::LeftButton);
    QCOMPARE(Cell(w, C.Gs, 2), QString("....."));
    QCOMPARE(w.ui.somtime->text(), QString("..."));
    w.CALCULATEClick();
    QVERIFY(Cell(w, C.Gs, 2) != ".....");
    emit w.ui.Grid->cellClicked(2, C.Track);
    QCOMPARE(Cell(w, C.Gs, 2), QString("....."));
    QCOMPARE(Cell(w, C.Track, 2), QString("090"));
  }

  void tableCheckReportsEveryBadCellAndComputesNothing() {
    TWindtriangle w;
    ScopedRecordingMessages messages;
    SetLeg(w, 1, "090", "10");
    SetCell(w, C.Tas, 4, "1000");
    SetLeg(w, 6, "x", "10");
    SetCell(w, C.Var, 11, "-200");
    w.ui.Fuelinput->setText("-1");
    w.CALCULATEClick();
    QCOMPARE(messages.Texts(), (QStringList{"ERROR: INPUT IS NOT BETWEEN 0 AND 200",
                                            "ERROR: INPUT \"1000\" IS NOT BETWEEN 40 AND 999",
                                            "ERROR: INPUT \"x\" IN NAVIGATION LOG IS NOT CORRECT ",
                                            "ERROR: INPUT \"-200\" IS NOT BETWEEN -180 AND 180"}));
    QVERIFY(w.TableInputError);
    QCOMPARE(Cell(w, C.Gs, 2), QString("....."));
    QCOMPARE(w.ui.Somdist->text(), QString("..."));

    // The fuel flow alone also stops the calculation.
    messages.Clear();
    SetCell(w, C.Tas, 4, "100");
    SetLeg(w, 6, "", "");
    SetCell(w, C.Var, 11, "0");
    w.CALCULATEClick();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT BETWEEN 0 AND 200"});
    QCOMPARE(Cell(w, C.Gs, 2), QString("....."));
  }

  void legWithoutWindTriangleGetsOneMessage() {
    TWindtriangle w;
    ScopedRecordingMessages messages;
    w.ui.WINDWinput->setText("090");
    w.ui.WINDVinput->setText("60");
    w.ui.TASinput->setText("50");
    w.InsertClick();
    SetLeg(w, 1, "360", "10");
    SetLeg(w, 2, "270", "10");  // tailwind: fine
    w.CALCULATEClick();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: LEG 1: THE CROSSWIND IS STRONGER THAN THE TAS "});
    QCOMPARE(Cell(w, C.Gs, 2), QString("XXX"));
    QCOMPARE(Cell(w, C.Gs, 3), QString("110"));
    QCOMPARE(w.ui.Somdist->text(), QString("10.0"));
  }

  void saveAndLoadTheLog() {
    TWindtriangle w;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    SetCell(w, C.Waypoint, 2, "EHRD");
    SetLeg(w, 1, "090", "100");
    const QString path = dir.filePath("Trip.dat");
    files.answers << path;
    w.ui.savebit->click();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(QFileInfo(path).size(), qint64(5355));
    const FileRequest& save = files.requests.first();
    QCOMPARE(save.directory, MapPath("C:\\Tarvinex\\Tarvinex Sim\\navlogs"));
    QCOMPARE(save.filter, QString("Datafiles (*.dat)|*.dat"));
    QCOMPARE(save.defaultSuffix, QString("dat"));
    QVERIFY(!save.toolkitOverwriteQuestion);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.mid(NavlogCellOffset(C.Waypoint, 2), 5), QByteArray("\x04" "EHRD"));
    QCOMPARE(bytes.mid(NavlogCellOffset(C.Gs, 2), 6), QByteArray("\x05....."));

    // Loading brings every cell back, header rows included, and calculates.
    SetCell(w, C.Waypoint, 2, "other");
    SetCell(w, C.Track, 1, "changed");
    SetLeg(w, 1, "", "");
    files.answers << path;
    w.ui.loadbit->click();
    QVERIFY(messages.entries.isEmpty());
    QVERIFY(files.requests.last().mustExist);
    QCOMPARE(Cell(w, C.Waypoint, 2), QString("EHRD"));
    QCOMPARE(Cell(w, C.Track, 1), QString("Track"));
    QCOMPARE(Cell(w, C.Track, 2), QString("090"));
    QCOMPARE(Cell(w, C.Gs, 2), QString(" 90"));  // 160/23 across 090 at 100 kt
    QCOMPARE(w.ui.Somdist->text(), QString("100.0"));
  }

  void overwriteIsAskedAndNoKeepsTheFile() {
    TWindtriangle w;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    const QString path = dir.filePath("Old log.dat");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    files.answers << path << path;
    messages.answers << DlgAnswer::No << DlgAnswer::Yes;
    w.SAVEClick();
    QCOMPARE(messages.Texts(), QStringList{"Navigation Log \"Old log\" already exists. Overwrite? "});
    QCOMPARE(messages.entries.first().buttons, DlgButtons::YesNo);
    QCOMPARE(QFileInfo(path).size(), qint64(3));
    w.SAVEClick();
    QCOMPARE(QFileInfo(path).size(), qint64(5355));
  }

  void failedFilesLeaveTheGrid() {
    TWindtriangle w;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    const QString shortFile = dir.filePath("Short.dat");
    QFile f(shortFile);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(EncodeNavlogFile(NavlogGrid{}).left(5354));
    f.close();
    SetLeg(w, 1, "090", "100");
    const NavlogGrid before = w.GridCells();
    files.answers << shortFile << dir.filePath("missing.dat") << dir.filePath("no/such/folder/X.dat");
    w.LOADClick();
    w.LOADClick();
    w.SAVEClick();
    QCOMPARE(messages.Texts(), (QStringList{"ERROR: FILE CAN NOT BE OPENED", "ERROR: FILE CAN NOT BE OPENED",
                                            "ERROR: Cannot Save File!"}));
    QVERIFY(w.GridCells() == before);
    // A cancelled dialog does nothing.
    messages.Clear();
    w.LOADClick();
    w.SAVEClick();
    QVERIFY(messages.entries.isEmpty());
  }

  void printsTheLogWithItsValues() {
    TWindtriangle w;
    ScopedRecordingMessages messages;
    const QString pdf = dir.filePath("navlog.pdf");
    PdfPrinting printing(pdf);
    w.ui.WINDWinput->setText("270");
    w.ui.WINDVinput->setText("20");
    w.InsertClick();
    SetCell(w, C.Waypoint, 2, "EHRD");
    SetLeg(w, 1, "090", "100");
    SetLeg(w, 2, "000", "30.6");
    w.CALCULATEClick();
    const QPoint gridPos = w.ui.Grid->pos();
    const int gridWidth = w.ui.Grid->width();
    const int colWidth = w.ui.Grid->columnWidth(0);
    w.ui.printbit->click();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(printing.documents, QStringList{"Navigation Log"});
    QVERIFY(QFileInfo(pdf).size() > 0);
    // Everything is put back after the page.
    QCOMPARE(w.ui.Grid->pos(), gridPos);
    QCOMPARE(w.ui.Grid->width(), gridWidth);
    QCOMPARE(w.ui.Grid->columnWidth(0), colWidth);
    QCOMPARE(w.FixedRows(), 2);
    QCOMPARE(w.ui.Grid->property("gridLineWidth").toInt(), 1);
    QVERIFY(!w.ui.Panel1->isHidden() && !w.ui.Panel2->isHidden() && !w.ui.TrackPanel->isHidden() &&
            !w.ui.DistPanel->isHidden() && !w.ui.Windmemo->isHidden());
    QCOMPARE(w.ui.Grid->item(0, 0)->background().color(), QColor(240, 240, 240));
    QVERIFY(!(w.ui.Grid->item(0, 0)->flags() & Qt::ItemIsEditable));
    QCOMPARE(w.ui.Total->y(), w.ui.Grid->geometry().bottom() + 3);
    test::SavePdfPicture(pdf, "navlog_print");

    if (!test::HavePdfToText()) QSKIP("pdftotext is not installed");
    const QString text = test::PdfText(pdf);
    for (const char* value : {"Way-", "point", "EHRD", "Cruise", "090", "120", "50.0", "348", "18.7", "130.6",
                              "1:08.7", "TOTAL:"})
      QVERIFY2(text.contains(value), qPrintable(QString("%1 missing in\n%2").arg(value, text)));
    // The panels are not on the page.
    QVERIFY(!text.contains("INSERT"));
    QVERIFY(!text.contains("Click CALCULATE"));
    QVERIFY(!text.contains("TRACK"));
  }

  void everyPrintedColumnHoldsItsWidestText() {
    TWindtriangle w;
    ScopedRecordingMessages messages;
    SetCell(w, C.Waypoint, 2, "LEKKO");
    SetCell(w, C.Freq, 2, "113.45");
    SetCell(w, C.Alt, 2, "FL120");
    SetCell(w, C.Eta, 2, "12:45");
    SetLeg(w, 1, "090", "100");
    w.CALCULATEClick();
    w.SetPrintLook();
    // The page draws each cell's text inside its column, less the insets,
    // in the print font: every text must fit whole.
    const QTableWidget* g = w.ui.Grid;
    const int inset = PrintCellInset(g->property("gridLineWidth").toInt());
    int columns = 20;
    for (int col = 0; col < kNavlogColumnCount; ++col) {
      columns += g->columnWidth(col);
      for (int row = 0; row < kNavlogRowCount; ++row) {
        const QTableWidgetItem* item = g->item(row, col);
        const double text = QFontMetricsF(PrintFont(item->font())).horizontalAdvance(item->text());
        QVERIFY2(g->columnWidth(col) - 2 * inset >= text,
                 qPrintable(QString("\"%1\" in column %2: %3 of %4 pixels")
                                .arg(item->text())
                                .arg(col)
                                .arg(g->columnWidth(col) - 2 * inset)
                                .arg(text)));
      }
    }
    // Columns with nothing wider keep the width of "TTrack ".
    QCOMPARE(g->columnWidth(C.Ata), w.fontMetrics().horizontalAdvance("TTrack "));
    QCOMPARE(g->width(), columns);
    w.RestoreLook();
    QCOMPARE(g->columnWidth(C.Freq), g->columnWidth(C.Ata));
  }

  void cancelledPrintChangesNothing() {
    TWindtriangle w;
    const QString pdf = dir.filePath("cancelled.pdf");
    PdfPrinting printing(pdf);
    printing.cancel = true;
    w.PrintClick();
    QCOMPARE(printing.documents.size(), 1);
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(!w.ui.Panel1->isHidden());
  }

  void exitPutsTheWindowAwayAndCloseEndsTheProgram() { test::CheckExitAndClose<TWindtriangle>(ended); }

  void pictureOfTheWindow() {
    TWindtriangle w;
    ScopedRecordingMessages messages;
    w.resize(1000, 760);
    SetCell(w, C.Waypoint, 2, "EHRD");
    SetLeg(w, 1, "090", "100");
    SetLeg(w, 2, "000", "30.6");
    w.CALCULATEClick();
    const QImage image = test::Grab(&w);
    test::SavePng(image, "navlog_window");
    // The navy panel and the grey header rows are drawn where they are placed.
    QCOMPARE(image.pixelColor(w.ui.Panel1->geometry().center().x(), w.ui.Panel1->y() + 4), QColor(0, 0, 128));
    const QPoint header = w.ui.Grid->mapTo(&w, w.ui.Grid->visualItemRect(w.ui.Grid->item(0, C.Alt)).center()) +
                          w.ui.Grid->viewport()->pos();
    QCOMPARE(image.pixelColor(header), QColor(240, 240, 240));
  }
};

QTEST_MAIN(tst_Windtriangle)
#include "tst_windtriangle.moc"
