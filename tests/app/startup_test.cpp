#include "app/startup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTimer>
#include <algorithm>
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

// Class records register in the program's fixed order, the directive records last. (That the
// application's Open event runs before the main window opens shows in the saved position it
// opens at.)
TEST(Startup, classRecordsRegisterInTheProgramsOrder) {
  testing_support::TempConfigHome config;
  StartProgram(0, nullptr);
  const auto names = ClassRegistry::Names();
  const std::vector<String> program = {
      U"App",           U"Window1.Window1", U"MenuBar1.MenuBar1", U"AboutBox.AboutBox", U"selfTest.selfTest", U"updateWindow.updateWindow",
      U"directiveClass"};
  // A name missing from the registry indexes past the end and breaks the order.
  std::vector<std::ptrdiff_t> at;
  for (const String& name : program) at.push_back(std::find(names.begin(), names.end(), name) - names.begin());
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end()));
  EXPECT_EQ(names.back(), U"directiveClass");

  for (const auto& w : OpenWindows()) w->Close();
  StopProgram();
}

// Position saving on close is covered end to end; here only the run's end and its status.
TEST(Startup, closingTheMainWindowEndsTheRunWithStatusZero) {
  testing_support::TempConfigHome config;
  testing_support::LoopGuard guard;
  QTimer::singleShot(0, [] { NotNil(OpenInstance<class Window1>()).TopLevelWidget()->close(); });
  EXPECT_EQ(RunProgram(), 0);
}

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
