#pragma once
// A fresh simulator window with the default area and an area window in front
// of it, for the tests of the area window.
#include <QtTest>

#include <memory>

#include "areas/area.h"
#include "areas/areamodel.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/testsupport.h"

namespace tvx::test {

inline void PrepareAreaWindowTests() {
  UseTemporaryDataRoot();
  TForm1::ClientSizeOverride = QSize(1600, 900);
  TForm1::ScreenSizeOverride = QSize(1600, 900);
}

struct AreaWindows {
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TArea> area;

  // The area window shown and active, the simulator disabled behind it, as
  // the simulator's Area menu leaves them.
  AreaWindows() {
    ResetSimState();
    ResetAreaState();
    form = std::make_unique<TForm1>();
    area = std::make_unique<TArea>();
    form->AreamenuClick();
    (void)QTest::qWaitForWindowActive(area.get());
  }
  Ui::TArea& ui() { return area->ui; }
};

// The lines of a memo.
inline QStringList MemoLines(const QPlainTextEdit* memo) { return memo->toPlainText().split('\n'); }

}  // namespace tvx::test
