// Saving and loading area files through the area window.
#include <QtTest>

#include "areas/area.h"
#include "areas/areamodel.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "preparation/navlogfile.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_AreaFile : public QObject {
  Q_OBJECT
  QTemporaryDir dir;

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    TForm1::ClientSizeOverride = QSize(1600, 900);
    TForm1::ScreenSizeOverride = QSize(1600, 900);
  }

  void saveThenLoadGivesTheSameArea() {
    ResetSimState();
    TForm1 form;
    TArea area;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    const QString path = dir.filePath("Mine.dat");
    files.answers << path;
    QVERIFY(area.Areasaven());
    QCOMPARE(QFileInfo(path).size(), qint64(4680));
    QCOMPARE(Areas.AreaName, QString("Mine"));
    QCOMPARE(area.windowTitle(), QString("Area: Mine"));
    QCOMPARE(form.ui.Areanaampanel->text(), QString("Mine"));
    QCOMPARE(files.requests.first().fileName, QString("Area1"));

    const QByteArray saved = EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList);
    Areas.VorList[0].Name = "ZZZ";
    Areas.AreaFileName = path;
    area.laadarea();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList), saved);
    QCOMPARE(form.ui.beaconinput->text(), QString("AAA"));
    QCOMPARE(form.ui.VOR1select->text(), QString("114.6"));
    QCOMPARE(form.ui.ADFactive->text(), QString("565"));
    QVERIFY(!form.isEnabled());  // the area window stays in front
  }

  void overwriteIsAskedAndNoKeepsTheFile() {
    ResetSimState();
    TForm1 form;
    TArea area;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    const QString path = dir.filePath("Keep.dat");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    files.answers << path;
    messages.answers << DlgAnswer::No;
    QVERIFY(!area.Areasaven());
    QCOMPARE(messages.Texts(), QStringList{"AREA \"Keep\" already exists. Overwrite? "});
    QCOMPARE(QFileInfo(path).size(), qint64(3));
  }

  void shortOrMissingFileKeepsTheCurrentArea() {
    ResetSimState();
    TForm1 form;
    TArea area;
    ScopedRecordingMessages messages;
    const QByteArray before = EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList);
    const QString path = dir.filePath("Short.dat");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(before.left(44 * 104));
    f.close();
    for (const QString& name : {path, dir.filePath("missing.dat")}) {
      Areas.AreaFileName = name;
      area.laadarea();
    }
    QCOMPARE(messages.Texts(), (QStringList{"ERROR: FILE CAN NOT BE OPENED", "ERROR: FILE CAN NOT BE OPENED"}));
    QCOMPARE(EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList), before);
    QCOMPARE(Areas.AreaName, QString("Area1"));
  }

  // A navigation log is saved as "*.dat" too, and an area file may be
  // damaged: neither becomes the area, and the current one stays with its
  // name and caption.
  void fileOfAnotherKindOrWithValuesOutOfRangeKeepsTheCurrentArea() {
    ResetSimState();
    TForm1 form;
    TArea area;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    area.setWindowTitle("Area: Area1");
    const QByteArray before = EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList);
    const QString beaconBefore = form.ui.beaconinput->text();

    NavlogGrid grid;
    SetNavlogHeaders(grid);
    grid.At(0, 2) = "EHAM";
    grid.At(1, 2) = "090";
    const QString navlog = dir.filePath("Navlog.dat");
    AreaLists far;
    far.Vor = Areas.VorList;
    far.Ndb = Areas.NdbList;
    far.Ils = Areas.IlsList;
    far.Ndb[1].LatDeg = 1000000000;
    far.Ils[0].LocatorDistance = 1e300;
    const QString damaged = dir.filePath("Damaged.dat");
    for (const auto& [path, bytes] : {std::pair{navlog, EncodeNavlogFile(grid)},
                                      std::pair{damaged, EncodeAreaFile(far.Vor, far.Ndb, far.Ils)}}) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(bytes);
    }
    QCOMPARE(QFileInfo(navlog).size(), qint64(5355));

    files.answers << navlog << damaged;
    area.LoadareaClick();
    area.LoadareaClick();
    QCOMPARE(files.requests.size(), 2);
    QCOMPARE(messages.Texts(), (QStringList{"ERROR: FILE CAN NOT BE OPENED", "ERROR: FILE CAN NOT BE OPENED"}));
    QCOMPARE(EncodeAreaFile(Areas.VorList, Areas.NdbList, Areas.IlsList), before);
    QCOMPARE(Areas.AreaName, QString("Area1"));
    QCOMPARE(area.windowTitle(), QString("Area: Area1"));
    QCOMPARE(form.ui.beaconinput->text(), beaconBefore);
    QVERIFY(!Areas.AreaModified);
  }

  void failedSaveReportsAndKeepsTheName() {
    ResetSimState();
    TForm1 form;
    TArea area;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    files.answers << dir.filePath("no/such/folder/X.dat");
    QVERIFY(!area.Areasaven());
    QCOMPARE(messages.Texts(), QStringList{"ERROR: FILE CAN NOT BE SAVED"});
    QCOMPARE(Areas.AreaName, QString("Area1"));
  }

  void cancelledSaveBeforeLoadStopsTheLoad() {
    ResetSimState();
    TForm1 form;
    TArea area;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    Areas.AreaModified = true;
    Areas.VorList[0].Name = "EDIT";
    messages.answers << DlgAnswer::Yes;
    files.answers << "";  // the save dialog is cancelled
    files.answers << dir.filePath("Mine.dat");
    area.LoadareaClick();
    QCOMPARE(files.requests.size(), 1);
    QCOMPARE(Areas.VorList[0].Name, QString("EDIT"));
    QVERIFY(Areas.AreaModified);
  }
};

QTEST_MAIN(tst_AreaFile)
#include "tst_areafile.moc"
