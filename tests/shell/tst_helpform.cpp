// The keyboard-help window: brought up by the simulator's help entries over
// the disabled simulator, every line readable, and every way of closing it
// giving the simulator back.
#include <QtTest>

#include <QFontInfo>
#include <QScrollBar>
#include <QTextBlock>

#include "shell/helpform.h"
#include "simulator/simwindowfixture.h"
#include "support/testsupport.h"

using namespace tvx;

class tst_HelpForm : public QObject {
  Q_OBJECT
  TForm1* form_ = nullptr;
  THelpform* help_ = nullptr;

  // The simulator's Help entry, as the pilot uses it.
  void OpenFromTheSimulator() {
    form_->ui.Help->trigger();
    QVERIFY(help_->isVisible());
    QVERIFY(!form_->isEnabled());
  }

 private slots:
  void initTestCase() { test::PrepareSimWindowTests(); }

  void init() {
    form_ = test::NewActiveSimWindow();
    QVERIFY(form_);
    help_ = new THelpform;
  }

  void cleanup() {
    delete help_;
    delete form_;
    help_ = nullptr;
    form_ = nullptr;
  }

  void theWindowAsItIsMade() {
    QCOMPARE(Helpform, help_);
    QVERIFY(TForm1::ShowKeyboardHelp);
    QCOMPARE(help_->windowTitle(), QString("Keyboard functions"));
    QCOMPARE(help_->ui.Close->text(), QString("&CLOSE"));
    QVERIFY(help_->ui.Memo1->isReadOnly());
    QCOMPARE(help_->ui.Memo1->toPlainText().split('\n'), KeyboardHelpLines());
    QVERIFY(QFontInfo(help_->ui.Memo1->font()).fixedPitch());
    QVERIFY(!help_->isVisible());
    // Gone with the window: no help entry leads to a window that is no more.
    delete help_;
    help_ = nullptr;
    QVERIFY(!Helpform);
    QVERIFY(!TForm1::ShowKeyboardHelp);
  }

  void everyLineFitsWithoutScrolling() {
    OpenFromTheSimulator();
    QVERIFY(QTest::qWaitForWindowExposed(help_));
    QPlainTextEdit* memo = help_->ui.Memo1;
    const QRect view = memo->viewport()->rect();
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
      QTextCursor end(block);
      end.movePosition(QTextCursor::EndOfBlock);
      const QRect at = memo->cursorRect(end);
      QVERIFY2(view.contains(at), qPrintable(block.text()));
    }
    QCOMPARE(memo->verticalScrollBar()->value(), 0);
    QCOMPARE(memo->horizontalScrollBar()->value(), 0);
    // The dialog stands in the middle of the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(help_->frameGeometry().center().x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(help_->frameGeometry().center().y() - screen.center().y()) <= 2);
  }

  void closeGivesTheSimulatorBack() {
    OpenFromTheSimulator();
    QCOMPARE(help_->focusWidget(), static_cast<QWidget*>(help_->ui.Close));
    QTest::mouseClick(help_->ui.Close, Qt::LeftButton);
    QVERIFY(form_->isEnabled());
    QVERIFY(!help_->isVisible());

    // Enter, on the focused button, is the same.
    OpenFromTheSimulator();
    QVERIFY(QTest::qWaitForWindowActive(help_));
    QTest::keyClick(help_->focusWidget(), Qt::Key_Return);
    QVERIFY(form_->isEnabled());
    QVERIFY(!help_->isVisible());
  }

  void escapeAndTheWindowsCloseGiveTheSimulatorBackToo() {
    OpenFromTheSimulator();
    QVERIFY(QTest::qWaitForWindowActive(help_));
    QTest::keyClick(help_->ui.Memo1, Qt::Key_Escape);
    QVERIFY(form_->isEnabled());
    QVERIFY(!help_->isVisible());

    OpenFromTheSimulator();
    help_->close();
    QVERIFY(form_->isEnabled());
    QVERIFY(!help_->isVisible());
    // Shown again, it starts at its first line.
    help_->ui.Memo1->verticalScrollBar()->setValue(help_->ui.Memo1->verticalScrollBar()->maximum());
    OpenFromTheSimulator();
    QCOMPARE(help_->ui.Memo1->verticalScrollBar()->value(), 0);
  }

  void pictureOfTheWindow() {
    OpenFromTheSimulator();
    QVERIFY(QTest::qWaitForWindowExposed(help_));
    const QImage shot = test::Grab(help_);
    test::SavePng(shot, "keyboardhelp");
    // Dark text on the memo's light background, down to the last line.
    QPlainTextEdit* memo = help_->ui.Memo1;
    QTextCursor last(memo->document()->lastBlock());
    const QRect lastLine = memo->cursorRect(last).translated(memo->viewport()->mapTo(help_, QPoint(0, 0)));
    int dark = 0;
    for (int x = lastLine.left(); x < lastLine.left() + 200; ++x)
      for (int y = lastLine.top(); y <= lastLine.bottom(); ++y) dark += shot.pixelColor(x, y).lightness() < 100;
    QVERIFY(dark > 20);
  }
};

QTEST_MAIN(tst_HelpForm)
#include "tst_helpform.moc"
