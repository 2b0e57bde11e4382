#pragma once
// A GoogleTest suite that measures texts with the application's fonts.
#include <gtest/gtest.h>

#include <QGuiApplication>

namespace tvx::test {

// One application runs, without windows, while the suite runs, and ends
// before the program does, as a Qt program's does.
class WithApplicationFonts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fonts";
    static char* argv[] = {name, nullptr};
    app_ = new QGuiApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }

 private:
  static inline QGuiApplication* app_ = nullptr;
};

}  // namespace tvx::test
