#include "app/startup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "app/app.h"
#include "framework/runtime.h"
#include "main_window/window1.h"
#include "preferences/pref_module.h"
#include "tests/support/gui_helpers.h"

namespace {
std::ptrdiff_t IndexOf(const std::vector<String>& names, const String& name) {
  return std::find(names.begin(), names.end(), name) - names.begin();
}

// An application object that notes what exists when its Open event runs.
class ProbeApp final : public Application {
 public:
  static const ClassRecord& ClassInfo() {
    static const ClassRecord record{U"ProbeApp", &Application::ClassInfo(), {}, {{U"Open", U"Event_Open"}}};
    return record;
  }
  const ClassRecord& Record() const override { return ClassInfo(); }
  bool opened = false;
  bool windowExistedAtOpen = false;

 protected:
  void Event_Open() override {
    opened = true;
    windowExistedAtOpen = !OpenWindows().empty();
  }
};

}  // namespace

TEST(Startup, classRecordsThenTheDirectiveArrayAreSetUpInOrderBeforeAnyApplication) {
  testing_support::TempConfigHome config;
  RuntimeInit(0, nullptr);
  initialize();
  const auto names = ClassRegistry::Names();
  const std::vector<String> program = {
      U"App",           U"Window1.Window1", U"MenuBar1.MenuBar1", U"AboutBox.AboutBox", U"selfTest.selfTest", U"updateWindow.updateWindow",
      U"directiveClass"};
  for (std::size_t i = 0; i < program.size(); ++i) {
    ASSERT_LT(IndexOf(names, program[i]), static_cast<std::ptrdiff_t>(names.size())) << ToUtf8(program[i]) << " not registered";
    if (i > 0) {
      EXPECT_LT(IndexOf(names, program[i - 1]), IndexOf(names, program[i])) << ToUtf8(program[i]);
    }
  }
  for (const String framework : {U"Application", U"MenuItem", U"Window", U"PushButton", U"TextArea", U"Label", U"CheckBox"}) {
    EXPECT_LT(IndexOf(names, framework), IndexOf(names, U"App")) << ToUtf8(framework);
  }
  if (IndexOf(names, U"updateWindow.hp") < static_cast<std::ptrdiff_t>(names.size())) {
    EXPECT_EQ(IndexOf(names, U"updateWindow.hp"), IndexOf(names, U"updateWindow.updateWindow") + 1);
  }
  EXPECT_EQ(names.back(), U"directiveClass");

  ASSERT_EQ(prefModule::gDirectives.size(), 1u) << "upper bound 0";
  EXPECT_EQ(prefModule::gDirectives[0], nullptr);
  EXPECT_EQ(App(), nullptr);

  finalize();
  EXPECT_TRUE(ClassRegistry::Names().empty());
  EXPECT_TRUE(prefModule::gDirectives.empty());
  RuntimeExit();
}

TEST(Startup, theApplicationsOpenEventRunsBeforeTheMainWindowIsCreated) {
  testing_support::TempConfigHome config;
  RuntimeInit(0, nullptr);
  initialize();
  RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
  auto probe = std::make_shared<ProbeApp>();
  RuntimeRegisterAppObject(probe);
  RunFrameworkInitialization(&LateStartup);
  EXPECT_TRUE(probe->opened);
  EXPECT_FALSE(probe->windowExistedAtOpen);
  EXPECT_NE(OpenInstance<class Window1>(), nullptr) << "late start-up opens the main window";
  EXPECT_EQ(OpenWindows().size(), 1u);

  for (const auto& w : OpenWindows()) w->Close();
  finalize();
  RuntimeExit();
}

TEST(Startup, closingTheMainWindowStoresItsPositionAndEndsTheRunWithStatusZero) {
  testing_support::TempConfigHome config;
  prefModule::Window1Top = prefModule::Window1Left = 0;
  testing_support::LoopGuard guard;
  QTimer::singleShot(0, [] {
    auto w = OpenInstance<class Window1>();
    if (!w) return;
    w->SetTop(210);
    w->SetLeft(310);
    w->TopLevelWidget()->close();  // the close box
  });
  EXPECT_EQ(RunProgram(0, nullptr), 0);
  EXPECT_EQ(prefModule::Window1Top, 210);
  EXPECT_EQ(prefModule::Window1Left, 310);
  EXPECT_TRUE(OpenWindows().empty());
  EXPECT_EQ(App(), nullptr) << "shutdown releases the application object";
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
