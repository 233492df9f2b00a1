#include "app/startup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <optional>
#include <stdexcept>

#include "app/app.h"
#include "framework/runtime.h"
#include "main_window/window1.h"
#include "preferences/pref_module.h"
#include "tests/support/gui_helpers.h"

namespace {
// An application object that notes what exists when its Open event runs.
class ProbeApp final : public Application {
 public:
  static const ClassRecord& ClassInfo() {
    static const ClassRecord record{U"ProbeApp", &Application::ClassInfo(), {}, {{U"Open", U"Event_Open"}}};
    return record;
  }
  const ClassRecord& Record() const override { return ClassInfo(); }
  std::optional<bool> windowExistedAtOpen;

 protected:
  void Event_Open() override { windowExistedAtOpen = !OpenWindows().empty(); }
};

}  // namespace

// The directive array before any application object; the application's Open
// event before the main window exists.
TEST(Startup, earlyStartUpRunsInOrder) {
  testing_support::TempConfigHome config;
  RuntimeInit(0, nullptr);
  initialize();
  ASSERT_EQ(prefModule::gDirectives.size(), 1u) << "upper bound 0";
  EXPECT_EQ(prefModule::gDirectives[0], nullptr);
  EXPECT_EQ(App(), nullptr);

  RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
  auto probe = std::make_shared<ProbeApp>();
  RuntimeRegisterAppObject(probe);
  RunFrameworkInitialization(&LateStartup);
  EXPECT_EQ(probe->windowExistedAtOpen, false);
  EXPECT_NE(OpenInstance<class Window1>(), nullptr) << "late start-up opens the main window";

  for (const auto& w : OpenWindows()) w->Close();
  finalize();
  RuntimeExit();
}

// Position saving on close is covered end to end; here only the run's end and its status.
TEST(Startup, closingTheMainWindowEndsTheRunWithStatusZero) {
  testing_support::TempConfigHome config;
  testing_support::LoopGuard guard;
  QTimer::singleShot(0, [] { NotNil(OpenInstance<class Window1>()).TopLevelWidget()->close(); });
  EXPECT_EQ(RunProgram(0, nullptr), 0);
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
    std::exit(RunProgram(0, nullptr) == 0 ? 0 : 2);
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(1), "unhandled exception: std::runtime_error");
}
