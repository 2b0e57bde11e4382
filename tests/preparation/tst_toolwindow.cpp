// The window commands of the flight-preparation tools.
#include <QtTest>

#include "preparation/toolwindow.h"

using namespace tvx;

class tst_ToolWindow : public QObject {
  Q_OBJECT
  int ended = 0;

 private slots:
  void initTestCase() { ToolWindow::EndProgram = [this] { ++ended; }; }

  void minimisingOneToolMinimisesTheProgram() {
    ToolWindow tool;
    QWidget other, hidden;
    other.show();
    tool.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tool));
    tool.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(other.isMinimized());
    QVERIFY(hidden.isHidden());  // a hidden window stays hidden
    // Restoring the tool leaves the others as they are.
    tool.setWindowState(Qt::WindowNoState);
    QVERIFY(other.isMinimized());
  }

  void closingEndsTheProgramOnce() {
    ToolWindow tool;
    tool.show();
    ended = 0;
    tool.close();
    QCOMPARE(ended, 1);
    QVERIFY(tool.isHidden());
    tool.hide();  // hiding is not closing
    QCOMPARE(ended, 1);
  }
};

QTEST_MAIN(tst_ToolWindow)
#include "tst_toolwindow.moc"
