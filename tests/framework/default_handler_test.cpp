#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <cstdio>

#include "framework/exceptions.h"
#include "framework/push_button.h"
#include "framework/window.h"
#include "tests/support/gui_helpers.h"

namespace {
class ButtonWindow final : public Window {
 public:
  static const ClassRecord& ClassInfo() {
    static const ClassRecord record{U"ButtonWindow.ButtonWindow", &Window::ClassInfo(), {}, {}};
    return record;
  }
  const ClassRecord& Record() const override { return ClassInfo(); }

 protected:
  void CreateControls() override { AddControl(U"Go", New<PushButton>()); }
};

// The child answers the report's message box and echoes what it said, so the test sees both.
void AnswerReportAndEcho() {
  testing_support::AnswerNextModal([](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) std::fprintf(stderr, "box said: %s\n", qPrintable(box->text()));
    std::fflush(stderr);
    if (auto* button = modal->findChild<QAbstractButton*>()) button->click();
  });
}

void ClickButtonThatThrows(std::function<void()> raise) {
  auto window = ImplicitInstance<ButtonWindow>();
  window->ControlAs<PushButton>(U"Go")->Action = [raise](PushButton&) { raise(); };
  AnswerReportAndEcho();
  static_cast<QAbstractButton*>(window->ControlAs<PushButton>(U"Go")->Widget())->click();
  std::fprintf(stderr, "the handler's exception was swallowed\n");
}
}  // namespace

// The children re-run this binary, so no thread or Qt state is shared with a forked copy.
TEST(DefaultHandlerDeathTest, anExceptionFromAButtonIsReportedByClassAndEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ClickButtonThatThrows([] { throw NilObjectException("test"); }), ::testing::ExitedWithCode(1),
              "unhandled exception: NilObjectException(.|\n)*box said: .*NilObjectException");
}
