// The conversion window: groups, units, both directions and the range check.
#include <QtTest>

#include "platform/messages.h"
#include "preparation/convform.h"
#include "preparation/massbalform.h"
#include "preparation/toolwindowcheck.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_Convform : public QObject {
  Q_OBJECT
  int ended = 0;

 private slots:
  void initTestCase() {
    test::UseTemporaryDataRoot();
    ToolWindow::EndProgram = [this] { ++ended; };
  }

  void windowAfterCreation() {
    TConvform c;
    QCOMPARE(Convform, &c);
    QCOMPARE(c.windowTitle(), QString("Tarvinex - Conversions"));
    QCOMPARE(c.ui.Grootheid->count(), 10);
    QCOMPARE(c.ui.Grootheid->currentItem()->text(), QString("Length"));
    QCOMPARE(c.ui.Unit1->count(), 7);
    QCOMPARE(c.ui.Unit2->count(), 7);
    QCOMPARE(c.ui.Unit1->currentItem()->text(), QString("Nautical Mile"));
    QCOMPARE(c.ui.Unit2->currentItem()->text(), QString("Meter"));
    QCOMPARE(c.ui.Unit1label->text(), QString("Nautical Mile"));
    QCOMPARE(c.ui.Unit2label->text(), QString("Meter"));
    QCOMPARE(c.ui.Input1->text(), QString("1"));
    QCOMPARE(c.ui.Input2->text(), QString("1"));
    QCOMPARE(c.ui.Bereken2->text(), QString("    1852.000000"));
    QCOMPARE(c.ui.Bereken1->text(), QString("       0.000540"));
    QVERIFY(c.ui.Bereken1->isReadOnly() && c.ui.Bereken2->isReadOnly());
    QCOMPARE(c.ui.Input1->palette().color(QPalette::Base), QColor(0, 255, 0));
    QCOMPARE(c.ui.ToRightLabel->text(), QString("--->"));
    QCOMPARE(c.ui.ToLeftLabel->text(), QString("<---"));
    QCOMPARE(c.ui.GroupTitle->text(), QString("GROUP"));
    QVERIFY(c.ui.Convmemo->toPlainText().startsWith("1. Select a group.\n2. Select two units.\n"
                                                    "3. Fill in the quantity in the green box.\n"
                                                    "4. Click CALCULATE.\n\n"));
  }

  void groupChoiceSelectsTheSecondAndTheFirstUnit() {
    TConvform c;
    c.ui.Grootheid->setCurrentRow(6);  // Moment of force
    QCOMPARE(c.ui.Unit1->count(), 2);
    QCOMPARE(c.ui.Unit1label->text(), QString("Pound foot"));
    QCOMPARE(c.ui.Unit2label->text(), QString("Newton Meter"));
    QCOMPARE(c.ui.Bereken2->text(), QString("       1.355820"));
    QCOMPARE(c.ConversionFactors[2], 0.0);

    c.ui.Grootheid->setCurrentRow(3);  // Velocity
    c.ui.Unit1->setCurrentRow(4);      // Knot
    c.ui.Input1->setText("100");
    c.ui.calculatebit->click();
    QCOMPARE(c.ui.Unit1label->text(), QString("Knot"));
    QCOMPARE(c.ui.Unit2label->text(), QString("km/hr"));
    QCOMPARE(c.ui.Bereken2->text(), QString("     185.200000"));
    QCOMPARE(c.ui.Bereken1->text(), QString("       0.539957"));
  }

  void typingEmptiesItsResult() {
    TConvform c;
    c.ui.Input1->setText("2");
    QCOMPARE(c.ui.Bereken2->text(), QString());
    QCOMPARE(c.ui.Bereken1->text(), QString("       0.000540"));
    c.ui.Input2->setText("3");
    QCOMPARE(c.ui.Bereken1->text(), QString());
  }

  void calculateChecksTheRangeButAUnitClickDoesNot() {
    TConvform c;
    ScopedRecordingMessages messages;
    c.ui.Input1->setText("-5");
    c.ui.CALCULATE->click();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT BETWEEN 0 AND 1000000"});
    QVERIFY(MassBalInputError);
    QCOMPARE(c.ui.Bereken2->text(), QString());

    messages.Clear();
    c.ui.Input1->setText("1");
    c.ui.Input2->setText("abc");
    c.CalculateClick();
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT CORRECT "});
    QCOMPARE(c.ui.Bereken2->text(), QString());

    // A unit click converts whatever is typed: no number counts as 0.
    messages.Clear();
    c.ui.Input1->setText("-5");
    c.ui.Unit2->setCurrentRow(4);  // Foot
    QVERIFY(messages.entries.isEmpty());
    QCOMPARE(c.ui.Unit2label->text(), QString("Foot"));
    QCOMPARE(c.ui.Bereken2->text(), QString("  -30380.577428"));
    QCOMPARE(c.ui.Bereken1->text(), QString("       0.000000"));
  }

  void aClickOnTheSelectedItemActsToo() {
    TConvform c;
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    auto click = [](QListWidget* list, int row) {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    // A unit list: typing empties the result, a click on the unit already
    // chosen converts again.
    c.ui.Input1->setText("2");
    QCOMPARE(c.ui.Bereken2->text(), QString());
    click(c.ui.Unit1, c.ui.Unit1->currentRow());
    QCOMPARE(c.ui.Bereken2->text(), QString("    3704.000000"));
    c.ui.Input2->setText("1852");
    click(c.ui.Unit2, c.ui.Unit2->currentRow());
    QCOMPARE(c.ui.Bereken1->text(), QString("       1.000000"));
    // The group list: other units chosen, a click on the group already
    // chosen selects its second and first unit again and converts.
    click(c.ui.Unit1, 4);  // Foot
    click(c.ui.Unit2, 6);  // Kilometer
    QCOMPARE(c.ui.Unit1label->text(), QString("Foot"));
    c.ui.Input1->setText("1");
    click(c.ui.Grootheid, c.ui.Grootheid->currentRow());
    QCOMPARE(c.ui.Unit1->currentRow(), 1);
    QCOMPARE(c.ui.Unit2->currentRow(), 0);
    QCOMPARE(c.ui.Unit1label->text(), QString("Nautical Mile"));
    QCOMPARE(c.ui.Unit2label->text(), QString("Meter"));
    QCOMPARE(c.ui.Bereken2->text(), QString("    1852.000000"));
  }

  void failingBoxTakesTheFocus() {
    TConvform c;
    c.show();
    QVERIFY(QTest::qWaitForWindowActive(&c));
    ScopedRecordingMessages messages;
    c.ui.Input2->setText("2000000");
    c.CalculateClick();
    QCOMPARE(QApplication::focusWidget(), c.ui.Input2);
    QCOMPARE(messages.Texts(), QStringList{"ERROR: INPUT IS NOT BETWEEN 0 AND 1000000"});
  }

  void exitPutsTheWindowAwayAndCloseEndsTheProgram() { test::CheckExitAndClose<TConvform>(ended); }

  void pictureOfTheWindow() {
    TConvform c;
    c.ui.Grootheid->setCurrentRow(7);
    const QImage image = test::Grab(&c);
    test::SavePng(image, "conversions_window");
    const QPoint green = c.ui.Input1->mapTo(&c, QPoint(4, 4));
    QCOMPARE(image.pixelColor(green), QColor(0, 255, 0));
  }
};

QTEST_MAIN(tst_Convform)
#include "tst_convform.moc"
