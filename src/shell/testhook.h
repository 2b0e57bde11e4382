#pragma once
// A hook for the system tests, which start the program binary on displays
// where no input can be sent to it (a headless Wayland compositor). Read
// from the environment by the program entry only:
// - TARVINEX_TEST_OPEN=sim: clicks SIM once the main menu has been up for
//   kTestOpenDelayMs;
// - TARVINEX_TEST_REPORT=1: writes a line to standard output at every show,
//   hide, resize and state change of a top-level window:
//   "window <class> <shown|hidden> <maximised|minimised|normal> <w>x<h>
//   frame <w>x<h>" (the client area, and the window with its frame).
namespace tvx {

class Program;

inline constexpr int kTestOpenDelayMs = 1500;

void InstallTestHook(Program& program);

}  // namespace tvx
