#pragma once
// The whole program, started as its entry starts it, over a temporary data
// root that holds the shipped files; quitting is counted, not done.
#include <QtTest>
#include <memory>

#include "areas/holding.h"
#include "areas/instroptions.h"
#include "exercises/exstate.h"
#include "platform/dataroot.h"
#include "shell/program.h"
#include "simulator/simwindowfixture.h"

namespace tvx::test {

struct ProgramRun {
  std::unique_ptr<Program> program;
  int ended = 0;

  // Once per test program.
  static void Prepare() {
    PrepareSimWindowTests();
    QVERIFY(EnsureDataRoot());
  }

  // A fresh program with its main menu up.
  bool Start() {
    ResetSimState();
    ResetAreaState();
    ResetExerciseState();
    ResetHoldingWindowState();
    InstrSettings = InstrOptions{};
    ended = 0;
    ToolWindow::EndProgram = [this] { ++ended; };
    program = std::make_unique<Program>();
    program->Start();
    return QTest::qWaitForWindowExposed(&program->main);
  }

  void Stop() { program.reset(); }

  Program& operator*() { return *program; }
  Program* operator->() { return program.get(); }
};

// Whether `w` is minimised, shown or not.
inline bool Minimised(const QWidget* w) { return w->windowState() & Qt::WindowMinimized; }

}  // namespace tvx::test
