#pragma once
// A fresh simulator window, shown and holding the keyboard, for tests that
// drive it with real key and mouse events.
#include <QtTest>

#include "areas/areamodel.h"
#include "simulator/form1.h"
#include "simulator/simstate.h"
#include "support/testsupport.h"

namespace tvx::test {

// Once per test program: a temporary data root and a fixed layout size.
inline void PrepareSimWindowTests() {
  UseTemporaryDataRoot();
  TForm1::ClientSizeOverride = QSize(1600, 900);
  TForm1::ScreenSizeOverride = QSize(1600, 900);
}

// Fresh state and a new window, shown and active; nullptr when it never
// became active.
inline TForm1* NewActiveSimWindow() {
  ResetSimState();
  ResetAreaState();
  auto* form = new TForm1;
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form)) {
    delete form;
    return nullptr;
  }
  return form;
}

// `n` ticks of the simulation timer, without waiting for it.
inline void Ticks(TForm1& form, int n) {
  for (int i = 0; i < n; ++i) form.TimerTimer();
}

// A choice in the configuration list as the user makes it.
inline void ChooseConfig(TForm1& form, int index) {
  form.ui.Configbox->setCurrentIndex(index);
  emit form.ui.Configbox->activated(index);
}

}  // namespace tvx::test
