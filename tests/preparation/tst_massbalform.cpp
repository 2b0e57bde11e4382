// The mass-and-balance window: boxes, CALCULATE, remarks, files and printout.
#include <QtTest>

#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "platform/record.h"
#include "preparation/massbalform.h"
#include "preparation/pdfsupport.h"
#include "preparation/toolwindowcheck.h"
#include "support/testsupport.h"

using namespace tvx;

namespace {

QString Text(const TMassBalForm& f, const char* box) { return f.Box(box)->text(); }

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

class tst_MassBalForm : public QObject {
  Q_OBJECT
  QTemporaryDir dir;
  int ended = 0;

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    ToolWindow::EndProgram = [this] { ++ended; };
  }

  void windowAfterCreation() {
    TMassBalForm f;
    QCOMPARE(MassBalForm, &f);
    QCOMPARE(f.windowTitle(), QString("Tarvinex - Mass and Balance"));
    QVERIFY(f.windowState() & Qt::WindowMaximized);
    for (const LoadsheetBox& box : LoadsheetBoxes()) {
      QLineEdit* edit = f.Box(box.name);
      QVERIFY2(edit, box.name);
      const bool green = edit->palette().color(QPalette::Base) == QColor(0, 255, 0);
      QCOMPARE(green, box.kind != BoxKind::Computed);
      QCOMPARE(edit->isReadOnly(), box.kind == BoxKind::Computed);
      if (box.kind == BoxKind::Computed) QCOMPARE(edit->text(), QString("0"));
    }
    QCOMPARE(Text(f, "EmptyMass"), QString("1505"));
    QCOMPARE(Text(f, "EmptyArm"), QString("85.9"));
    QCOMPARE(Text(f, "FLseatinput"), QString("170"));
    QCOMPARE(Text(f, "CSeatArm"), QString("118.1"));
    QCOMPARE(Text(f, "WFuelinput"), QString("267"));
    QCOMPARE(Text(f, "TaxiArm"), QString("95.0"));
    QCOMPARE(f.ui.EmptyLabel->text(), QString("Basic Empty Mass"));
    QCOMPARE(f.ui.TaxiLabel->text(), QString("- Taxi Fuel"));
    QCOMPARE(f.ui.LandingLabel->text(), QString("Landing Mass"));
    QVERIFY(f.ui.CALCULATE->isHidden() && f.ui.LOAD->isHidden() && f.ui.SAVE->isHidden() && f.ui.Print->isHidden());
    QVERIFY(f.ui.MassBalmemo->toPlainText().startsWith(
        "1. Only green boxes can be filled in.\n2. Table AIRPLANE is valid for one airplane only: \n"
        "    Change the green numbers in this table for a new airplane.\n3. Table FLIGHT may change every flight: \n"
        "    Change the numbers in this table for a new flight.\n4. Click CALCULATE.\n\n"));
  }

  void calculateWithTheDefaults() {
    TMassBalForm f;
    ScopedRecordingMessages messages;
    f.ui.calculatebit->click();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(Text(f, "FSeatMass"), QString("170"));
    QCOMPARE(Text(f, "RampMass"), QString("   1992.0"));
    QCOMPARE(Text(f, "RampArm"), QString("     88.1"));
    QCOMPARE(Text(f, "TOMass"), QString("   1992.0"));
    QCOMPARE(Text(f, "LandingMass"), QString("   1992.0"));
    QCOMPARE(Text(f, "LandingArm"), QString("     88.1"));

    f.Box("Taxiinput")->setText("10");
    QCOMPARE(Text(f, "RampMass"), QString("0"));  // a changed input clears the results
    f.CALCULATEClick();
    QCOMPARE(Text(f, "TaxiMass"), QString("-10.0"));
    QCOMPARE(Text(f, "TOMass"), QString("   1982.0"));
  }

  void changeClearsTheComputedBoxesButTheSeats() {
    TMassBalForm f;
    ScopedRecordingMessages messages;
    f.CALCULATEClick();
    f.Box("EmptyArm")->setText("86.0");
    QCOMPARE(Text(f, "FSeatMass"), QString("170"));
    QCOMPARE(Text(f, "WFuelMass"), QString("0"));
    QCOMPARE(Text(f, "EmptyMoment"), QString("0"));
    QCOMPARE(Text(f, "RampArm"), QString("0"));
  }

  void inputErrorStopsAndFocusesTheBox() {
    TMassBalForm f;
    f.setWindowState(Qt::WindowNoState);
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    ScopedRecordingMessages messages;
    f.Box("RBaginput")->setText("1200");
    f.Box("TripArm")->setText("x");
    f.CALCULATEClick();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT BETWEEN 0 AND 1000"});
    QVERIFY(MassBalInputError);
    QCOMPARE(QApplication::focusWidget(), f.Box("RBaginput"));
    QCOMPARE(Text(f, "RampMass"), QString("0"));

    // The arm caution names the first such station and the rest is computed.
    messages.Clear();
    f.Box("RBaginput")->setText("50");
    f.Box("TripArm")->setText("0");
    f.Box("Other1input")->setText("20");
    f.CALCULATEClick();
    QCOMPARE(messages.Texts(), QStringList{"CAUTION: ARM IS 0"});
    QCOMPARE(QApplication::focusWidget(), f.Box("Other1Arm"));
    QCOMPARE(Text(f, "RampMass"), QString("   2012.0"));
  }

  void clickOnAComputedBoxGivesTheRemark() {
    TMassBalForm f;
    ScopedRecordingMessages messages;
    QTest::mouseClick(f.Box("RampMoment"), Qt::LeftButton);
    QTest::mouseClick(f.Box("FSeatMass"), Qt::LeftButton);
    QTest::mouseClick(f.Box("FSeatArm"), Qt::LeftButton);  // green: no remark
    QCOMPARE(messages.Texts(), (QStringList{"REMARK: Only GREEN boxes can be filled in!",
                                            "REMARK: Only GREEN boxes can be filled in!"}));
  }

  void saveBeforeCalculateKeepsTheTypedLoads() {
    TMassBalForm f;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    f.Box("FBaginput")->setText("25");
    f.Box("FBagArm")->setText("60");
    f.Box("Taxiinput")->setText("8");
    const QString path = dir.filePath("Sheet.dat");
    files.answers << path;
    f.ui.savebit->click();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join('|')));
    const FileRequest& request = files.requests.first();
    QCOMPARE(request.directory, MapPath("C:\\Tarvinex\\Tarvinex Sim\\loadsheets"));
    QCOMPARE(request.filter, QString("Datafiles (*.dat)|*.dat"));
    QVERIFY(!request.toolkitOverwriteQuestion);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 328);
    const RecordReader r(bytes);
    QCOMPARE(r.ShortString(88, 11), QString("25"));
    QCOMPARE(r.ShortString(124, 11), QString("267"));
    QCOMPARE(r.ShortString(160, 11), QString("8"));
    QCOMPARE(r.ShortString(232, 11), QString("60"));

    // Loading puts the loads back into the FLIGHT boxes and calculates.
    f.Box("FBaginput")->setText("0");
    f.Box("EmptyMass")->setText("1600");
    files.answers << path;
    f.ui.loadbit->click();
    QVERIFY2(messages.entries.isEmpty(), qPrintable(messages.Texts().join('|')));
    QVERIFY(files.requests.last().mustExist);
    QCOMPARE(Text(f, "FBaginput"), QString("25"));
    QCOMPARE(Text(f, "EmptyMass"), QString("1505"));
    QCOMPARE(Text(f, "FBagMass"), QString("25"));
    QCOMPARE(Text(f, "TaxiMass"), QString(" -8.0"));
    QCOMPARE(Text(f, "RampMass"), QString("   2017.0"));
  }

  void olderFileLoadsWithSeatsInKilograms() {
    TMassBalForm f;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    RecordWriter w(268);
    w.PutInt32(0, 1);
    for (int i = 0; i < 6; ++i) w.PutShortString(4 + 2 * i, 1, i == 0 ? "P" : ".");
    w.PutShortString(16, 11, "700");
    for (int i = 0; i < 8; ++i) w.PutShortString(28 + 12 * i, 11, "0");
    for (int i = 0; i < 12; ++i) w.PutShortString(124 + 12 * i, 11, "2.5");
    const QString path = dir.filePath("Old.dat");
    WriteFile(path, w.Bytes());
    files.answers << path;
    f.LOADClick();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(Text(f, "FLseatinput"), QString("75"));
    QCOMPARE(Text(f, "FRseatinput"), QString("0"));
    QCOMPARE(Text(f, "RampMass"), QString("    775.0"));
    QCOMPARE(Text(f, "RampArm"), QString("      2.5"));
  }

  void failedFilesLeaveTheBoxes() {
    TMassBalForm f;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    const QString shortFile = dir.filePath("Short.dat");
    WriteFile(shortFile, QByteArray(267, '\0'));
    f.Box("EmptyMass")->setText("1234");
    files.answers << shortFile << dir.filePath("missing.dat") << dir.filePath("no/such/folder/X.dat");
    f.LOADClick();
    f.LOADClick();
    f.SAVEClick();
    QCOMPARE(messages.Texts(),
             (QStringList{"ERROR loading file", "ERROR loading file", "ERROR: Cannot Save File!"}));
    QCOMPARE(Text(f, "EmptyMass"), QString("1234"));
  }

  // A file that is no loadsheet is named as such, and neither fills a box nor calculates.
  void filesThatAreNoLoadsheetLeaveEveryBox() {
    TMassBalForm f;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    f.Box("FBaginput")->setText("25");
    f.Box("FBagArm")->setText("60");
    f.ui.calculatebit->click();
    const Loadsheet before = f.Boxes();
    QCOMPARE(before.FBagMoment, QString("   1500.0"));

    QRandomGenerator random(36);
    for (int size : {268, 328, 2000}) {
      QByteArray garbage(size, '\0');
      for (char& b : garbage) b = static_cast<char>(random.generate());
      const QString path = dir.filePath(QString("garbage-%1.dat").arg(size));
      WriteFile(path, garbage);
      files.answers << path;
    }
    // An older record in all but its unit.
    RecordWriter w(268);
    w.PutInt32(0, 2000);
    for (int i = 0; i < 6; ++i) w.PutShortString(4 + 2 * i, 1, "P");
    for (int i = 0; i < 21; ++i) w.PutShortString(16 + 12 * i, 11, "1");
    const QString unknownUnit = dir.filePath("Unknown unit.dat");
    WriteFile(unknownUnit, w.Bytes());
    files.answers << unknownUnit;

    for (int i = 0; i < 4; ++i) f.ui.loadbit->click();
    QCOMPARE(messages.Texts(), QStringList(4, "ERROR loading file"));
    QVERIFY(f.Boxes() == before);
  }

  void overwriteIsAsked() {
    TMassBalForm f;
    ScriptedFiles files;
    ScopedRecordingMessages messages;
    const QString path = dir.filePath("My sheet.dat");
    WriteFile(path, "old");
    files.answers << path;
    messages.answers << DlgAnswer::No;
    f.SAVEClick();
    QCOMPARE(messages.Texts(), QStringList{"Loadsheet \"My sheet\" already exists. Overwrite? "});
    QCOMPARE(QFileInfo(path).size(), qint64(3));
  }

  void printsTheLoadsheetWithItsValues() {
    TMassBalForm f;
    ScopedRecordingMessages messages;
    const QString pdf = dir.filePath("loadsheet.pdf");
    PdfPrinting printing(pdf);
    f.Box("Taxiinput")->setText("10");
    f.CALCULATEClick();
    const QPoint tablePos = f.ui.MassBalpanel->pos();
    const QColor panelColor = f.ui.Masspanel->palette().color(QPalette::Window);
    f.ui.printbit->click();
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(printing.documents, QStringList{"Loadsheet"});
    QCOMPARE(f.ui.MassBalpanel->pos(), tablePos);
    QCOMPARE(f.ui.Masspanel->palette().color(QPalette::Window), panelColor);
    QVERIFY(panelColor != QColor(Qt::white));
    QCOMPARE(f.Box("EmptyArm")->palette().color(QPalette::Base), QColor(0, 255, 0));
    QVERIFY(!f.ui.Vlgtgpanel->isHidden() && !f.ui.Panel1->isHidden() && !f.ui.MassBalmemo->isHidden());
    QVERIFY(f.ui.CALCULATE->isHidden());
    test::SavePdfPicture(pdf, "loadsheet_print");

    if (!test::HavePdfToText()) QSKIP("pdftotext is not installed");
    const QString text = test::PdfText(pdf);
    for (const char* value : {"Basic Empty Mass", "AIRPLANE", "1505", "85.9", "129279.5", "1992.0", "88.1",
                              "-10.0", "-950.0", "1982.0", "174519.5", "Take-Off Mass", "Landing Mass"})
      QVERIFY2(text.contains(value), qPrintable(QString("%1 missing in\n%2").arg(value, text)));
    QVERIFY(!text.contains("FLIGHT"));
    QVERIFY(!text.contains("Only green boxes"));
  }

  void exitPutsTheWindowAwayAndCloseEndsTheProgram() { test::CheckExitAndClose<TMassBalForm>(ended); }

  void pictureOfTheWindow() {
    TMassBalForm f;
    ScopedRecordingMessages messages;
    f.resize(1000, 720);
    f.Box("Taxiinput")->setText("10");
    f.CALCULATEClick();
    const QImage image = test::Grab(&f);
    test::SavePng(image, "loadsheet_window");
    const QPoint green = f.Box("EmptyArm")->mapTo(&f, QPoint(4, 4));
    QCOMPARE(image.pixelColor(green), QColor(0, 255, 0));
    const QPoint computed = f.Box("RampArm")->mapTo(&f, QPoint(4, 4));
    QCOMPARE(image.pixelColor(computed), QColor(Qt::white));
  }
};

QTEST_MAIN(tst_MassBalForm)
#include "tst_massbalform.moc"
