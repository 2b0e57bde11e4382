#pragma once
// The EXIT button and the close command every tool window answers.
#include <QtTest>

namespace tvx::test {

// EXIT puts the window away without ending anything; closing it ends the
// program (counted in `ended` by the test's EndProgram recorder).
template <class Tool>
void CheckExitAndClose(int& ended) {
  Tool tool;
  tool.show();
  tool.ui.mainmenubit->click();
  QVERIFY(tool.isHidden());
  const int before = ended;
  tool.show();
  tool.close();
  QCOMPARE(ended, before + 1);
}

}  // namespace tvx::test
