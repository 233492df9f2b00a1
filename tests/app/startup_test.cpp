#include "app/startup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTimer>
#include <stdexcept>

#include "framework/runtime.h"
#include "main_window/window1.h"
#include "tests/support/gui_helpers.h"

namespace {
// The whole run, as main makes it.
int RunProgram() {
  StartProgram(0, nullptr);
  RuntimeRun();
  return StopProgram();
}
}  // namespace

// The whole program in the child: a handler's foreign exception reaches the default handler
// through the installed hook.
TEST(StartupDeathTest, aForeignExceptionFromAHandlerIsReportedAndEndsWithAFailureStatus) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto run = [] {
    testing_support::TempConfigHome config;
    QTimer::singleShot(0, [] {
      auto button = NotNil(OpenInstance<class Window1>()).Zendle1();
      button->Action = [](PushButton&) { throw std::runtime_error("boom"); };
      testing_support::PressModalButton(QStringLiteral("OK"));
      static_cast<QAbstractButton*>(button->Widget())->click();
    });
    std::exit(RunProgram() == 0 ? 0 : 2);
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(1), "unhandled exception: std::runtime_error");
}
