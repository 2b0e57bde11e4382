// The navigation database window: loading its files, searching, scanning and
// building the area.
#include <QtTest>

#include "areas/area.h"
#include "areas/areamodel.h"
#include "areas/dbaseform.h"
#include "areas/navdbsamples.h"
#include "areas/navdatabase.h"
#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

void WriteNavdata(const QString& name, const QByteArray& bytes) {
  QDir().mkpath(DataPath("Navdata"));
  const QString path = DataPath("Navdata/" + name);
  QFile::remove(path);
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A small database around 52N 005E: two airports, VORs, NDBs and ILSs.
void WriteSmallDatabase() {
  std::vector<AirportRecord> airports(2);
  airports[0] = test::SampleAirport("NLEHM ", "SMALL FIELD", "EHM ", 52, 0, 5, 0, 12);
  airports[1] = test::SampleAirport("NLEHXX", "SMALL HARBOUR", "EHXX", 52, 20, 5, 20, 3);
  std::vector<NavaidRecord> navaids(5);
  navaids[0] = test::SampleNavaid("VOA", "4", "114.35", 52, 5, 5, 0);
  navaids[1] = test::SampleNavaid("VOB", "1", "115.2", 52, 0, 5, 10);
  navaids[2] = test::SampleNavaid("NA ", "5", "382", 52, 0, 5, 5);
  navaids[3] = test::SampleNavaid("LOC", "5", "400", 51, 58, 5, 0);
  navaids[4] = test::SampleNavaid("FAR", "1", "116.0", 53, 0, 5, 0);
  std::vector<IlsRecord> ils(1);
  ils[0] = test::SampleIls("27", "110.1", 52, 0.5, 5, 1);
  ils[0].AirportIdent = "NLEHM ", ils[0].Course = 270, ils[0].Elevation = IlsRecord::kUnknownElevation;
  ils[0].LocatorName = "LOC ", ils[0].LocatorFreq = "400", ils[0].LocatorDistance = 4.04;
  WriteNavdata("ARPT.dat", EncodeAirportTable(airports));
  WriteNavdata("NAV.dat", EncodeNavaidTable(navaids));
  WriteNavdata("ILS.dat", EncodeIlsTable(ils));
}

QString Memo(const QPlainTextEdit* memo) { return memo->toPlainText(); }

void Search(Tdbaseform& form, int choice, const QString& text) {
  form.findChild<QRadioButton*>("searchgroup" + QString::number(choice))->setChecked(true);
  form.ui.navsearch->setText(text);
  form.ui.searchbit->click();
}

// The database window with the simulator and the area window it builds for,
// over the small database, with scripted file dialogs and message boxes.
struct BuildingWindows {
  struct Prepared {
    Prepared() {
      WriteSmallDatabase();
      ResetSimState();
    }
  } prepared;
  TForm1 form1;
  TArea area;
  Tdbaseform form;
  ScriptedFiles files;
  ScopedRecordingMessages messages;
};

}  // namespace

class tst_Dbaseform : public QObject {
  Q_OBJECT
  QTemporaryDir dir;

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }

  void loadingReportsEachUnreadableFileAndKeepsWhatWasRead() {
    std::vector<AirportRecord> two(2);
    two[1] = test::SampleAirport("NLEHM ", "SMALL FIELD", "EHM ", 52, 0, 5, 0, 12);
    WriteNavdata("ARPT.dat", EncodeAirportTable(two).left(2 * kAirportRecordBytes + 30));
    QFile::remove(DataPath("Navdata/NAV.dat"));
    WriteNavdata("ILS.dat", EncodeIlsTable({}));
    ScopedRecordingMessages messages;
    Tdbaseform form;
    QCOMPARE(messages.Texts(), (QStringList{"ERROR: AIRPORT FILE not found", "ERROR: NAV FILE not found"}));
    QCOMPARE(form.Database.Airports[1].Name, QString("SMALL FIELD"));
    QCOMPARE(form.Database.Airports[2].Ident, QString("0000000"));
    QCOMPARE(int(form.Database.Navaids.size()), kNavaidRecords);
    QCOMPARE(form.windowTitle(), QString("Tarvinex Database"));
    QVERIFY(form.windowState() & Qt::WindowMaximized);
  }

  // The area window's red DATABASE panel opens the database, ready to type.
  void areaWindowOpensTheDatabase() {
    WriteSmallDatabase();
    ResetSimState();
    TForm1 simulator;
    TArea area;
    Tdbaseform form;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QVERIFY(!form.isVisible());
    area.ui.opendbase->click();
    QVERIFY(form.isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.ui.navsearch));
  }

  void searchShowsTheHitAndPadsTheCode() {
    WriteSmallDatabase();
    ScopedRecordingMessages messages;
    Tdbaseform form;
    QVERIFY(messages.entries.isEmpty());
    QVERIFY(!form.ui.searchbit->isEnabled());  // nothing typed yet
    QVERIFY(!form.ui.scangroup->isEnabled());
    Search(form, 0, "ehm");
    QCOMPARE(form.ui.navsearch->text(), QString("EHM "));
    QCOMPARE(Memo(form.ui.datamemo), QString("EHM \nSMALL FIELD\nCountry: NL\nN52  0.0\nE5  0.0"));
    QVERIFY(form.ui.scangroup->isEnabled());
    QVERIFY(form.ui.ilsscangroup->isEnabled());
    QVERIFY(!form.ui.searchnext->isEnabled());  // one hit only

    Search(form, 2, "xyz");
    QCOMPARE(Memo(form.ui.datamemo), QString("Navaid not found."));
    QVERIFY(!form.ui.scangroup->isEnabled());
  }

  void severalHitsAreSteppedThroughAndWrapAround() {
    WriteSmallDatabase();
    Tdbaseform form;
    Search(form, 1, "small");
    QCOMPARE(Memo(form.ui.datamemo),
             QString("2 airports (SMALL) found.\nClick > to select.\n----------------------------\n1\n"
                     "EHM \nSMALL FIELD\nCountry: NL\nN52  0.0\nE5  0.0"));
    QVERIFY(form.ui.searchnext->isEnabled());
    form.ui.searchnext->click();
    QCOMPARE(Memo(form.ui.datamemo), QString("2\nEHXX\nSMALL HARBOUR\nCountry: NL\nN52 20.0\nE5 20.0"));
    form.ui.searchnext->click();
    QVERIFY(Memo(form.ui.datamemo).startsWith("1\nEHM \n"));
  }

  void tooManyHitsShowNothing() {
    std::vector<NavaidRecord> navaids(30);
    for (int i = 0; i < 30; ++i) navaids[static_cast<std::size_t>(i)] = test::SampleNavaid("N" + QString::number(i), "5", "300", 52, 0, 5, 0);
    WriteSmallDatabase();
    WriteNavdata("NAV.dat", EncodeNavaidTable(navaids));
    ScopedRecordingMessages messages;
    Tdbaseform form;
    Search(form, 3, "beacon");
    QCOMPARE(messages.Texts(), QStringList{"Too many navaids found. Please specify."});
    QCOMPARE(Memo(form.ui.datamemo), QString());
    QVERIFY(!form.ui.searchnext->isEnabled());
    QVERIFY(!form.ui.scangroup->isEnabled());
  }

  void enterSearchesOnlyWithText() {
    WriteSmallDatabase();
    Tdbaseform form;
    form.findChild<QRadioButton*>("searchgroup2")->setChecked(true);
    QTest::keyClick(form.ui.navsearch, Qt::Key_Return);
    QCOMPARE(Memo(form.ui.datamemo), QString());
    QTest::keyClicks(form.ui.navsearch, "vob");
    QVERIFY(form.ui.searchbit->isEnabled());
    QTest::keyClick(form.ui.navsearch, Qt::Key_Return);
    QCOMPARE(form.ui.navsearch->text(), QString("VOB"));
    QVERIFY(Memo(form.ui.datamemo).startsWith("VOB\nBEACON VOB\nCountry: NL\nVOR\nFrequency: 115.2\n"));
    form.ui.navsearch->clear();
    QVERIFY(!form.ui.searchbit->isEnabled());
    QVERIFY(!form.ui.search->isEnabled());
  }

  void rangeClickScansAndAnotherHitNeedsANewScan() {
    WriteSmallDatabase();
    ScopedRecordingMessages messages;
    Tdbaseform form;
    QCOMPARE(form.IlsRangeIndex(), 2);
    Search(form, 1, "small");
    QCOMPARE(form.NavRangeIndex(), -1);
    form.ui.scangroup1->click();  // 20 NM
    QCOMPARE(Memo(form.ui.scanmemo), QString("VOA VOR 114.35\nVOB VOR 115.2\nNA  NDB 382\nLOC NDB 400\n27 ILS 110.1\n"
                                             "--------------\n2 VORs found.\n2 NDBs found.\n1 ILSs found."));
    QVERIFY(form.ui.saveareabit->isEnabled());
    QVERIFY(messages.entries.isEmpty());

    form.ui.searchnext->click();
    QCOMPARE(form.NavRangeIndex(), -1);
    QCOMPARE(Memo(form.ui.scanmemo), QString());
    QVERIFY(!form.ui.saveareabit->isEnabled());

    // Around the harbour at 15 NM: no VOR, and the range is not the widest.
    form.ui.scangroup0->click();
    QCOMPARE(messages.Texts().last(), QString("0 VORs found within the selected NAV RANGE.\r\n\r\n"
                                              "An AREA must contain at least 1 VOR.\r\nPlease choose a larger NAV RANGE"));
    QVERIFY(!form.ui.saveareabit->isEnabled());

    // A new search clears the scan but keeps the ILS range.
    form.ui.ilsscangroup4->click();
    Search(form, 0, "EHM");
    QCOMPARE(Memo(form.ui.scanmemo), QString());
    QCOMPARE(form.IlsRangeIndex(), 4);
    QCOMPARE(form.NavRangeIndex(), -1);
    QVERIFY(!form.ui.saveareabit->isEnabled());
  }

  void selectAndSaveBuildsTheAreaAndSetsTheStartPanel() {
    BuildingWindows w;
    w.form.show();
    Search(w.form, 0, "ehm");
    w.form.ui.scangroup1->click();
    QVERIFY(w.form.ui.saveareabit->isEnabled());
    const int mapRepaints = w.form1.ui.MAPChart->RepaintRequests;
    const QString path = dir.filePath("EHM.dat");
    w.files.answers << path;
    w.form.ui.saveareabit->click();

    QCOMPARE(w.files.requests.size(), 1);
    QCOMPARE(w.files.requests.first().fileName, QString("EHM"));
    QCOMPARE(QFileInfo(path).size(), qint64(kAreaFileBytes));
    QVERIFY(!w.form.isVisible());
    QVERIFY(w.form1.ui.MAPChart->RepaintRequests > mapRepaints);
    QCOMPARE(Areas.AreaName, QString("EHM"));
    QVERIFY(!Areas.AreaModified);
    QCOMPARE(w.area.windowTitle(), QString("Area: EHM"));

    QCOMPARE(Areas.VorList[0].Name, QString("VOA"));
    QCOMPARE(Areas.VorList[1].Name, QString("VOB"));
    QVERIFY(!Areas.VorList[2].Used());
    QCOMPARE(Areas.NdbList[0].Name, QString("NA "));  // LOC is the ILS's locator
    QVERIFY(!Areas.NdbList[1].Used());
    QCOMPARE(Areas.IlsList[0].Name, QString("27"));
    QCOMPARE(Areas.IlsList[0].Elevation, 12);  // from its airport
    QCOMPARE(Areas.IlsList[0].LocatorDistance, 4.0);
    QCOMPARE(Areas.VorList[0].X, 0.0);
    QCOMPARE(Areas.VorList[1].Y, 5.0);  // projected: 5 NM south of VOR 1

    QCOMPARE(w.form1.ui.beaconinput->text(), QString("VOA"));
    QCOMPARE(w.form1.ui.Beaconbox->currentText(), QString("VOA"));
    QCOMPARE(w.form1.ui.DMEinput->text(), QString("0"));

    // The saved file reads back as the same area.
    AreaLists read;
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(DecodeAreaFile(f.readAll(), read));
    QCOMPARE(read.Vor[1].Name, QString("VOB"));
    QCOMPARE(read.Ils[0].LocatorName, QString("LOC "));
  }

  // Building over edits not yet saved asks first, as Load and New do; a
  // Cancel, or a save that does not happen, keeps the edited area whole.
  void selectAndSaveOverAModifiedAreaAsksFirst() {
    const QString kModified = "AREA HAS BEEN MODIFIED. SAVE CHANGES ? ";
    BuildingWindows w;
    auto editArea = [&] {
      Areas.VorList[0].Name = "EDIT";
      Areas.AreaName = "Mine";
      Areas.AreaModified = true;
      w.area.setWindowTitle("Area: Mine");
    };
    auto expectEditedAreaKept = [&] {
      QCOMPARE(Areas.VorList[0].Name, QString("EDIT"));
      QCOMPARE(Areas.NdbList[0].Name, QString("MMM"));
      QVERIFY(Areas.AreaModified);
      QCOMPARE(Areas.AreaName, QString("Mine"));
      QCOMPARE(w.area.windowTitle(), QString("Area: Mine"));
      QVERIFY(w.form.isVisible());
    };
    w.form.show();
    Search(w.form, 0, "ehm");
    w.form.ui.scangroup1->click();
    QVERIFY(w.form.ui.saveareabit->isEnabled());

    editArea();
    w.messages.answers << DlgAnswer::Cancel;
    w.form.ui.saveareabit->click();
    QCOMPARE(w.messages.Texts(), QStringList{kModified});
    QCOMPARE(w.messages.entries.first().buttons, DlgButtons::YesNoCancel);
    QVERIFY(w.files.requests.isEmpty());
    expectEditedAreaKept();

    // Yes, and the save dialog cancelled: nothing is built.
    w.messages.Clear();
    w.messages.answers << DlgAnswer::Yes;
    w.files.answers << "";
    w.form.ui.saveareabit->click();
    QCOMPARE(w.messages.Texts(), QStringList{kModified});
    QCOMPARE(w.files.requests.size(), 1);
    QCOMPARE(w.files.requests.first().fileName, QString("Mine"));
    expectEditedAreaKept();

    // Yes, and the save fails: nothing is built either.
    w.messages.Clear();
    w.files.requests.clear();
    w.messages.answers << DlgAnswer::Yes;
    w.files.answers << dir.filePath("no/such/folder/Mine.dat");
    w.form.ui.saveareabit->click();
    QCOMPARE(w.messages.Texts(), (QStringList{kModified, "ERROR: FILE CAN NOT BE SAVED"}));
    QCOMPARE(w.files.requests.size(), 1);
    expectEditedAreaKept();

    // Yes with a save: the edited area is in its file, then the new one is built.
    w.messages.Clear();
    w.files.requests.clear();
    const QString mine = dir.filePath("Mine.dat");
    const QString built = dir.filePath("EHM.dat");
    w.messages.answers << DlgAnswer::Yes;
    w.files.answers << mine << built;
    w.form.ui.saveareabit->click();
    QCOMPARE(w.files.requests.size(), 2);
    AreaLists read;
    QFile f(mine);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(DecodeAreaFile(f.readAll(), read));
    QCOMPARE(read.Vor[0].Name, QString("EDIT"));
    QCOMPARE(Areas.VorList[0].Name, QString("VOA"));
    QCOMPARE(Areas.AreaName, QString("EHM"));
    QCOMPARE(w.area.windowTitle(), QString("Area: EHM"));
    QVERIFY(QFileInfo::exists(built));
  }

  // The save dialog of the built area cancelled: the area is built but not
  // saved, and the caption names it as AreaName does.
  void cancelledSaveOfTheBuiltAreaKeepsCaptionAndNameTogether() {
    BuildingWindows w;
    Areas.AreaModified = false;
    w.form.show();
    Search(w.form, 0, "ehm");
    w.form.ui.scangroup1->click();
    w.files.answers << "";
    w.form.ui.saveareabit->click();
    QVERIFY(w.messages.entries.isEmpty());
    QCOMPARE(w.files.requests.size(), 1);
    QCOMPARE(Areas.VorList[0].Name, QString("VOA"));
    QVERIFY(Areas.AreaModified);
    QCOMPARE(Areas.AreaName, QString("EHM"));
    QCOMPARE(w.area.windowTitle(), "Area: " + Areas.AreaName);
    QCOMPARE(w.form1.ui.Areanaampanel->text(), Areas.AreaName);
  }

  void cancelHidesAndChangesNothing() {
    WriteSmallDatabase();
    ResetAreaState();
    FillDefaultArea(Areas);
    Tdbaseform form;
    form.show();
    Search(form, 0, "ehm");
    form.ui.scangroup1->click();
    form.ui.CloseAreabit->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(Areas.VorList[0].Name, QString("AAA"));
  }

  void windowAfterASearchInTheShippedDatabase() {
    for (const char* name : {"ARPT.dat", "NAV.dat", "ILS.dat"}) {
      QFile source(ShippedDataDir() + "/Navdata/" + name);
      QVERIFY(source.open(QIODevice::ReadOnly));
      WriteNavdata(name, source.readAll());
    }
    ScopedRecordingMessages messages;
    Tdbaseform form;
    form.setWindowState(Qt::WindowNoState);
    form.resize(780, 480);
    QVERIFY(messages.entries.isEmpty());
    Search(form, 0, "eham");
    QCOMPARE(Memo(form.ui.datamemo), QString("EHAM\nAMSTERDAM SCHIPHOL\nCountry: NL\nN52 18.5\nE4 45.8"));
    form.ui.scangroup2->click();  // 30 NM
    QVERIFY(form.ui.saveareabit->isEnabled());
    const QStringList lines = Memo(form.ui.scanmemo).split('\n');
    QVERIFY(lines.contains("18R ILS 110.1"));
    QVERIFY(lines.contains("SPL VOR 108.4"));
    const QImage image = test::Grab(&form);
    test::SavePng(image, "dbaseform_eham");
    // The memos show their colours: blue for the hit, red for the beacons.
    const QPoint inData = form.ui.datamemo->mapTo(&form, QPoint(12, form.ui.datamemo->height() - 12));
    const QPoint inScan = form.ui.scanmemo->mapTo(&form, QPoint(12, form.ui.scanmemo->height() - 12));
    const qreal dpr = image.devicePixelRatio();
    QCOMPARE(image.pixelColor(inData * dpr), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(inScan * dpr), QColor(255, 0, 0));
  }
};

QTEST_MAIN(tst_Dbaseform)
#include "tst_dbaseform.moc"
