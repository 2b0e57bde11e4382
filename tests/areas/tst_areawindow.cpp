// The area window around the lists: new area, closing and the hand-over to
// the simulator, printing, the share actions, and pictures of each tab.
#include <QtTest>

#include <QClipboard>
#include <QPainter>
#include <QUrlQuery>

#include "areas/areaedit.h"
#include "areas/areawindowfixture.h"
#include "areas/printareaform.h"
#include "platform/dataroot.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "platform/shell.h"
#include "preparation/pdfsupport.h"

using namespace tvx;

namespace {

const char* const kModified = "AREA HAS BEEN MODIFIED. SAVE CHANGES ? ";
const char* const kSure = "MAKE A NEW AREA. ARE YOU SURE?";

bool AnyUsed() {
  for (const AreaBeaconList* l : {&Areas.VorList, &Areas.NdbList, &Areas.IlsList})
    for (const AreaBeacon& b : *l)
      if (b.Used()) return true;
  return false;
}

// Counts the pixels of `image` inside `r` whose colour is `c`.
int CountColour(const QImage& image, const QRect& r, const QColor& c) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == c;
  return n;
}

}  // namespace

class tst_AreaWindow : public QObject {
  Q_OBJECT
  QTemporaryDir dir;

 private slots:
  void initTestCase() { test::PrepareAreaWindowTests(); }

  void newAreaEmptiesTheListsAfterOk() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    w.ui().Areapage->setCurrentIndex(kIlsTab);
    w.ui().Newbit->click();
    QCOMPARE(messages.Texts(), QStringList{kSure});
    QCOMPARE(messages.entries[0].buttons, DlgButtons::OkCancel);
    QVERIFY(!AnyUsed());
    QCOMPARE(w.area->windowTitle(), QString("AREA: New"));
    QCOMPARE(Areas.AreaName, QString("Area1"));  // kept for the save dialog
    QVERIFY(!Areas.AreaModified);
    QCOMPARE(test::MemoLines(w.ui().ILSmemo)[0], QString("1"));
    // Emptying keeps the other fields of the slots, the locator frequency aside.
    QCOMPARE(Areas.IlsList[0].LocatorName, QString("LCA"));
    QCOMPARE(Areas.IlsList[0].LocatorFreq, QString(""));
    QCOMPARE(Areas.VorList[1].LatMin, 56.0);
  }

  void newAreaQuestionsThatKeepTheArea() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    messages.answers << DlgAnswer::Cancel;
    w.ui().Newbit->click();
    QVERIFY(Areas.VorList[0].Used());
    QCOMPARE(w.area->windowTitle(), QString("Area: Area1"));

    // Modified, and the save question cancelled: the area and its caption stay.
    Areas.AreaModified = true;
    messages.Clear();
    messages.answers << DlgAnswer::Ok << DlgAnswer::Cancel;
    w.ui().Newbit->click();
    QCOMPARE(messages.Texts(), (QStringList{kSure, kModified}));
    QVERIFY(Areas.VorList[0].Used());
    QVERIFY(Areas.AreaModified);
    QCOMPARE(w.area->windowTitle(), QString("Area: Area1"));

    // Yes, but the save dialog cancelled: the edits are not thrown away.
    ScriptedFiles files;
    messages.answers << DlgAnswer::Ok << DlgAnswer::Yes;
    w.ui().Newbit->click();
    QCOMPARE(files.requests.size(), 1);
    QVERIFY(Areas.VorList[0].Used());
    QVERIFY(Areas.AreaModified);
  }

  void newAreaSavesOrDropsTheModifiedArea() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    const QString path = dir.filePath("BeforeNew.dat");
    files.answers << path;
    Areas.AreaModified = true;
    messages.answers << DlgAnswer::Ok << DlgAnswer::Yes;
    w.ui().Newbit->click();
    QCOMPARE(QFileInfo(path).size(), qint64(kAreaFileBytes));
    QVERIFY(!AnyUsed());
    QCOMPARE(w.area->windowTitle(), QString("AREA: New"));

    Areas.VorList[0].Name = "X";
    Areas.AreaModified = true;
    messages.answers << DlgAnswer::Ok << DlgAnswer::No;
    w.ui().Newbit->click();
    QVERIFY(!AnyUsed());
    QVERIFY(!Areas.AreaModified);
  }

  void closingAnAreaWithoutVorAddsOneAndAsks() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    w.ui().Newbit->click();
    messages.Clear();
    messages.answers << DlgAnswer::No;
    w.ui().CloseAreabit->click();
    QCOMPARE(messages.Texts().mid(0, 2),
             (QStringList{"WARNING: THERE IS NO VOR IN THIS AREA. VOR1 IS ADDED. ", kModified}));
    const AreaBeacon& v = Areas.VorList[0];
    QCOMPARE(AreaListLine(v, 1, false), QString("1  VOR1 114.0   N40 00    W020 00        "));
    // No: the area stays in memory without a name.
    QCOMPARE(Areas.AreaName, QString(""));
    QCOMPARE(w.area->windowTitle(), QString("Area: ?"));
    QCOMPARE(w.form->ui.Areanaampanel->text(), QString("Area: ?"));
    QVERIFY(!Areas.AreaModified);
    QVERIFY(w.area->isHidden());
    QVERIFY(w.form->isEnabled());
    // The start panel offers the new area and starts from VOR1.
    QCOMPARE(test::ComboItems(w.form->ui.Beaconbox), QStringList{"VOR1"});
    QCOMPARE(w.form->ui.Beaconbox->currentText(), QString("VOR1"));
    QCOMPARE(w.form->ui.beaconinput->text(), QString("VOR1"));
    QVERIFY(Sim.Vor1Received);
    QCOMPARE(Sim.Vor1Ident, QString("VOR1"));
  }

  void cancelledCloseKeepsTheWindowInFront() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    Areas.AreaModified = true;
    messages.answers << DlgAnswer::Cancel;
    w.ui().CloseAreabit->click();
    QCOMPARE(messages.Texts(), QStringList{kModified});
    QVERIFY(w.area->isVisible());
    QVERIFY(!w.form->isEnabled());
    QVERIFY(Areas.AreaModified);
  }

  void closingASavedAreaNamesIt() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    ScriptedFiles files;
    files.answers << dir.filePath("Closing.dat");
    Areas.AreaModified = true;
    messages.answers << DlgAnswer::Yes;
    w.area->CloseAreaClick();
    QCOMPARE(Areas.AreaName, QString("Closing"));
    QCOMPARE(w.form->ui.Areanaampanel->text(), QString("Closing"));
    QVERIFY(w.area->isHidden());
    QCOMPARE(w.form->ui.beaconinput->text(), QString("AAA"));  // VOR 1 of the saved area
  }

  void closingAnUnchangedAreaRefillsTheBeaconList() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    auto& f = w.form->ui;
    f.Beaconbox->setEditText("BBB");
    // A runway without locator distance offers no locator; an emptied runway
    // slot offers nothing, though it keeps its old locator.
    Areas.IlsList[0].LocatorDistance = 0;
    Areas.IlsList[1] = Areas.IlsList[0];
    Areas.IlsList[1].Name = "";
    Areas.IlsList[1].LocatorDistance = 3;
    Areas.IlsList[0].Elevation = 555;
    QPalette red = f.Radialinput->palette();
    red.setColor(QPalette::Base, Qt::red);
    f.Radialinput->setPalette(red);
    w.area->close();  // the window manager's close is the Close button
    QVERIFY(messages.entries.isEmpty());
    QVERIFY(w.area->isHidden());
    QVERIFY(w.form->isEnabled());
    QCOMPARE(test::ComboItems(f.Beaconbox), (QStringList{"AAA", "BBB", "CCC", "MMM", "NNN", "PPP", "ILA"}));
    QCOMPARE(f.Beaconbox->currentText(), QString("BBB"));
    QCOMPARE(f.beaconinput->text(), QString("BBB"));
    QCOMPARE(f.Beaconmemo->toPlainText(), QString("VOR: \nFreq: 114.6"));
    QCOMPARE(f.Radialinput->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(Sim.AirportElevation, 555);
  }

  void closingKeepsTheProfileShown() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    w.form->vertmapschakelaar();
    QVERIFY(w.form->ProfileShown());
    w.ui().CloseAreabit->click();
    QVERIFY(w.form->ProfileShown());
  }

  void printingListsUsedSlotsAndKeepsTheTab() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    TPrintareaform printForm;
    const QString pdf = dir.filePath("area.pdf");
    PdfPrinting printing(pdf);
    w.ui().Areapage->setCurrentIndex(kNdbTab);
    // 2 VORs, no NDB, 1 ILS.
    Areas.VorList[2].Name.clear();
    EmptyList(Areas.NdbList, false);
    w.ui().printbit->click();

    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(printing.documents, QStringList{"Area: Area1"});
    const QStringList lines = printForm.ui.printareamemo->toPlainText().split('\n');
    QCOMPARE(lines, (QStringList{"Area: Area1", "VOR     Freq    Latitude  Long. ",
                                 "1  AAA  114.0   N40 00    W020 00         ",
                                 "2  BBB  114.6   N39 56    W020 08         ", "",
                                 "NDB     Freq    Latitude  Long. ", "",
                                 "ILS     Freq    Latitude  Long.           Crs Elev  Dist  Lctr  Freq",
                                 "1  ILA  108.6   N40 00    W019 58         270 120   4     LCA   370"}));
    QVERIFY(printForm.isHidden());
    QCOMPARE(w.ui().Areapage->currentIndex(), int(kNdbTab));
    QCOMPARE(Areas.FreqMin, 190);
    QVERIFY(QFileInfo(pdf).size() > 0);
    test::SavePdfPicture(pdf, "area_print_pdf");
    if (test::HavePdfToText()) {
      // The reader's layout does not keep the count of blanks.
      const QString text = test::PdfText(pdf).simplified();
      QVERIFY2(text.contains("Area: Area1 VOR Freq Latitude Long. 1 AAA 114.0 N40 00 W020 00 2 BBB 114.6 N39 56 "
                             "W020 08 NDB Freq"),
               qPrintable(text));
      QVERIFY(text.contains("Lctr Freq 1 ILA 108.6 N40 00 W019 58 270 120 4 LCA 370"));
    }
  }

  void printFormHoldsEveryLineOnItsImage() {
    test::AreaWindows w;
    TPrintareaform printForm;
    printForm.resize(500, 300);  // smaller than a full area
    for (int i = 0; i < kAreaSlots; ++i) {
      for (AreaBeaconList* l : {&Areas.VorList, &Areas.NdbList, &Areas.IlsList}) {
        (*l)[i] = Areas.IlsList[0];
        (*l)[i].Name = QString("B%1").arg(i + 1);
      }
    }
    w.area->schrijfprintareamemo();
    printForm.FitMemoToText();
    const QRect used = UsedFormArea(&printForm);
    QImage image(used.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    PaintForm(p, &printForm, used);
    p.end();
    test::SavePng(image, "area_print_form");
    // 50 lines: the caption, three heads, two blank lines, 45 beacons.
    QCOMPARE(printForm.ui.printareamemo->toPlainText().split('\n').size(), 51);
    const int spacing = QFontMetrics(printForm.ui.printareamemo->font()).lineSpacing();
    QVERIFY(used.height() >= 51 * spacing);
    // Ink on the last line, none of the frame a bordered memo would draw.
    const QRect lastLine(0, used.height() - spacing - 8, used.width(), spacing);
    QVERIFY(CountColour(image, lastLine, Qt::white) < lastLine.width() * lastLine.height());
    QCOMPARE(CountColour(image, QRect(0, 0, used.width(), 1), Qt::white), used.width());
    printForm.RestoreSize();
    QCOMPARE(printForm.size(), QSize(500, 300));
  }

  void cancelledPrintPrintsNothing() {
    test::AreaWindows w;
    ScopedRecordingMessages messages;
    const QString pdf = dir.filePath("cancelled.pdf");
    PdfPrinting printing(pdf);
    printing.cancel = true;
    w.ui().printbit->click();
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(messages.entries.isEmpty());
    QVERIFY(w.area->PrintAreaForm()->isHidden());
  }

  void shareActionsOpenTheFolderAndThePageOrMail() {
    test::AreaWindows w;
    ScopedRecordingShell shell;
    const QString folder = QDir::toNativeSeparators(MapPath(kAreaFolder));
    w.ui().Fbimage->click();
    QCOMPARE(shell.opened.size(), 2);
    QCOMPARE(shell.opened[0], QUrl::fromLocalFile(folder));
    QCOMPARE(shell.opened[1], QUrl(kCommunityPage));
    QCOMPARE(QGuiApplication::clipboard()->text(), folder);
    QVERIFY(QFileInfo(folder).isDir());

    shell.opened.clear();
    QGuiApplication::clipboard()->clear();
    w.ui().Emailbit->click();
    QCOMPARE(shell.opened.size(), 2);
    QCOMPARE(shell.opened[0], QUrl::fromLocalFile(folder));
    const QUrl mail = shell.opened[1];
    QCOMPARE(mail.scheme(), QString("mailto"));
    const QUrlQuery query(mail);
    QVERIFY(!query.queryItemValue("subject", QUrl::FullyDecoded).isEmpty());
    QVERIFY(query.queryItemValue("body", QUrl::FullyDecoded).contains(folder));
    QCOMPARE(QGuiApplication::clipboard()->text(), folder);
  }

  // Nothing on the desktop opens the folder, the page or the mail: each is
  // named in a message.
  void shareActionsSayWhatCouldNotBeOpened() {
    test::AreaWindows w;
    ScopedRecordingShell shell;
    shell.result = false;
    ScopedRecordingMessages messages;
    const QString folder = QDir::toNativeSeparators(MapPath(kAreaFolder));
    const QString none = ": no program on this computer opens it.";
    w.ui().Fbimage->click();
    w.ui().Emailbit->click();
    QCOMPARE(shell.opened.size(), 4);
    QCOMPARE(messages.Texts(), (QStringList{"ERROR: Cannot open " + folder + none,
                                            "ERROR: Cannot open https://www.tarvinex.com/community" + none,
                                            "ERROR: Cannot open " + folder + none,
                                            "ERROR: Cannot open a new mail (mailto:)" + none}));
    QCOMPARE(QGuiApplication::clipboard()->text(), folder);
  }

  void picturesOfEachTab() {
    test::AreaWindows w;
    auto& ui = w.ui();
    const char* names[] = {"area_tab_vor", "area_tab_ndb", "area_tab_ils"};
    for (int tab : {kVorTab, kNdbTab, kIlsTab}) {
      ui.Areapage->setCurrentIndex(tab);
      QCoreApplication::processEvents();
      const QImage image = test::Grab(w.area.get());
      test::SavePng(image, names[tab]);
      // The red database panel; the runway inputs only on the ILS tab.
      const QPoint panel = ui.Panel1->geometry().center() + QPoint(0, ui.Panel1->height() / 2 - 2);
      QCOMPARE(image.pixelColor(panel), QColor(220, 0, 0));
      const QRect course(ui.course->mapTo(w.area.get(), QPoint(4, 4)), QSize(8, 8));
      const int white = CountColour(image, course, Qt::white);
      if (tab == kIlsTab) QCOMPARE(white, 64);
      else QCOMPARE(white, 0);
    }
  }
};

QTEST_MAIN(tst_AreaWindow)
#include "tst_areawindow.moc"
