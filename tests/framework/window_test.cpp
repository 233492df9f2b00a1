#include "framework/window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <thread>
#include <tuple>

#include "framework/exceptions.h"
#include "framework/push_button.h"
#include "framework/text_area.h"
#include "tests/support/gui_helpers.h"

namespace {
// A window with a field and three buttons whose Open and Close events ask for their own accessor.
class ProbeWindow final : public Window {
 public:
  static const ClassRecord& ClassInfo() {
    static const ClassRecord record{U"ProbeWindow.ProbeWindow", &Window::ClassInfo(), {}, {}};
    return record;
  }
  const ClassRecord& Record() const override { return ClassInfo(); }

  static inline std::function<void(ProbeWindow&)> onClose;
  Window* seenInOpen = nullptr;
  Window* seenInClose = nullptr;
  int closes = 0;

 protected:
  void CreateControls() override {
    AddControl(U"Field", New<TextArea>());
    for (const char* name : {"Go", "Stop", "Other"}) AddControl(FromLatin1(name), New<PushButton>());
    SetProperties(*ControlAs<PushButton>(U"Go"), PropertyList().Bool("Default", true).Bytes());
    SetProperties(*ControlAs<PushButton>(U"Stop"), PropertyList().Bool("Cancel", true).Bytes());
  }
  void Event_Open() override;
  void Event_Close() override;
};

std::shared_ptr<ProbeWindow> Probe() { return ImplicitInstance<ProbeWindow>(); }

void ProbeWindow::Event_Open() { seenInOpen = Probe().get(); }

void ProbeWindow::Event_Close() {
  ++closes;
  seenInClose = Probe().get();
  if (onClose) onClose(*this);
}

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& w : OpenWindows()) w->Close();
    ProbeWindow::onClose = nullptr;
  }
};
}  // namespace

TEST_F(WindowTest, implicitInstanceIsTheOpenWindowUntilItCloses) {
  auto first = Probe();
  auto field = first->ControlAs<TextArea>(U"Field");
  EXPECT_EQ(Probe(), first);
  EXPECT_EQ(first->seenInOpen, first.get()) << "the accessor inside Open built a second window";

  first->TopLevelWidget()->close();  // as the close box does
  first->Close();
  EXPECT_EQ(first->closes, 1);
  EXPECT_EQ(first->seenInClose, first.get()) << "the accessor inside Close built a new window";
  EXPECT_EQ(OpenInstance<ProbeWindow>(), nullptr);
  EXPECT_THROW(field->SetText(U"x"), NilObjectException) << "a closed window's controls are Nil";

  EXPECT_NE(Probe(), first);
}

// Only the open-window list holds the window while its Close event uses it.
TEST_F(WindowTest, windowOutlivesItsOwnCloseEvent) {
  std::int32_t topInClose = -1;
  ProbeWindow::onClose = [&](ProbeWindow& self) {
    topInClose = self.Top();
    self.ControlAs<TextArea>(U"Field")->SetText(U"still here");
  };
  Probe()->SetTop(77);
  std::weak_ptr<ProbeWindow> weak = OpenInstance<ProbeWindow>();
  NotNil(OpenInstance<ProbeWindow>()).TopLevelWidget()->close();
  EXPECT_EQ(topInClose, 77);
  EXPECT_TRUE(weak.expired()) << "nothing should keep a closed window alive";
}

TEST_F(WindowTest, windowMembersOffTheMainThreadRaise) {
  auto w = Probe();
  std::thread worker([&] {
    EXPECT_THROW(w->Close(), ThreadAccessingUIException);
    EXPECT_THROW(w->ControlAs<TextArea>(U"Field")->Text(), ThreadAccessingUIException);
    EXPECT_THROW(ProbeWindow{}, ThreadAccessingUIException);
  });
  worker.join();
  EXPECT_EQ(OpenInstance<ProbeWindow>(), w);
}

TEST_F(WindowTest, returnPressesTheDefaultButtonAndEscapeTheCancelButton) {
  auto w = Probe();
  std::string pressed;
  for (const char* name : {"Go", "Stop", "Other"}) {
    w->ControlAs<PushButton>(FromLatin1(name))->Action = [&pressed, name](PushButton&) { pressed += name; };
  }
  QWidget* other = w->ControlAs<PushButton>(U"Other")->Widget();
  QTest::keyClick(other, Qt::Key_Return);
  QTest::keyClick(other, Qt::Key_Escape);
  EXPECT_EQ(pressed, "GoStop");
}

// A handler that closes its own window may still reach it afterwards: Nil, not freed memory.
TEST_F(WindowTest, aButtonHandlerThatClosesItsWindowKeepsItUntilItReturns) {
  bool raised = false;
  {
    auto w = Probe();
    w->ControlAs<PushButton>(U"Other")->Action = [window = w.get(), &raised](PushButton&) {
      window->Close();
      try {
        window->Top();
      } catch (const NilObjectException&) {
        raised = true;
      }
    };
  }
  auto button = NotNil(OpenInstance<ProbeWindow>()).ControlAs<PushButton>(U"Other");
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  EXPECT_TRUE(raised);
  EXPECT_EQ(OpenInstance<ProbeWindow>(), nullptr);
}

TEST_F(WindowTest, aPositionIsKeptAsSetUnlessTheWindowSystemCannotHoldIt) {
  constexpr auto kMost = std::numeric_limits<std::int32_t>::max();
  constexpr auto kLeast = std::numeric_limits<std::int32_t>::min();
  const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> cases[] = {
      // set top, left; read back top, left
      {-22, 1300, -22, 1300},
      {32767, -32768, 32767, -32768},
      {kMost, kLeast, 32767, -32768},
      {kLeast, kMost - 1, -32768, 32767},
  };
  auto window = Probe();
  for (const auto& [top, left, readTop, readLeft] : cases) {
    window->SetTop(top);
    window->SetLeft(left);
    EXPECT_EQ(window->Top(), readTop) << top;
    EXPECT_EQ(window->Left(), readLeft) << left;
  }
}

// A scale factor multiplies a position on its way to the window system, whose bounds are then
// nearer in the program's pixels. The factor is read as the application starts, so a fresh run of
// this binary under it reports what each position reads back.
TEST(WindowScaledDeathTest, aPositionIsKeptWhereTheWindowSystemCanHoldItTwiceOver) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  qputenv("QT_SCALE_FACTOR", "2");
  auto readBack = [] {
    auto window = Probe();
    std::fprintf(stderr, "read back:");
    for (const auto& [top, left] : {std::pair{-22, 1300}, {32767, -32768}, {-32768, 16384}}) {
      window->SetTop(top);
      window->SetLeft(left);
      std::fprintf(stderr, " %d,%d", window->Top(), window->Left());
    }
    std::fflush(stderr);
    std::_Exit(0);
  };
  EXPECT_EXIT(readBack(), ::testing::ExitedWithCode(0), "read back: -22,1300 16383,-16384 -16384,16383$");
  qunsetenv("QT_SCALE_FACTOR");
}

// The child answers the report's message box and echoes what it said, so the test sees both. The
// children re-run this binary, so no thread or Qt state is shared with a forked copy.
TEST(DefaultHandlerDeathTest, anExceptionFromAButtonIsReportedByClassAndEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto clickGo = [] {
    auto button = Probe()->ControlAs<PushButton>(U"Go");
    button->Action = [](PushButton&) { throw NilObjectException("test"); };
    testing_support::AnswerNextModal([](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) std::fprintf(stderr, "box said: %s\n", qPrintable(box->text()));
      std::fflush(stderr);
      if (auto* ok = modal->findChild<QAbstractButton*>()) ok->click();
    });
    static_cast<QAbstractButton*>(button->Widget())->click();
    std::fprintf(stderr, "the handler's exception was swallowed\n");
  };
  EXPECT_EXIT(clickGo(), ::testing::ExitedWithCode(1), "unhandled exception: NilObjectException(.|\n)*box said: .*NilObjectException");
}
