#include <gtest/gtest.h>

#include <QWidget>

#include "app/app.h"
#include "tests/support/program_fixture.h"
#include "update_check/self_test.h"

namespace {
class VersionPanelTest : public ProgramFixture {
 protected:
  static bool CheckNow() { return NotNil(App()).HandleMenuCommand(U"CheckforUpdateCheckNow"); }
  static int OpenPanels() {
    int count = 0;
    for (const auto& w : OpenWindows()) count += std::dynamic_pointer_cast<class selfTest>(w) != nullptr;
    return count;
  }
};
}  // namespace

TEST_F(VersionPanelTest, checkNowShowsTheRunningLongVersion) {
  ASSERT_TRUE(CheckNow());
  auto panel = OpenInstance<class selfTest>();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->TopLevelWidget()->isVisible());
  EXPECT_EQ(panel->Title(), U"Self Test");
  EXPECT_EQ(panel->Width(), 212);
  EXPECT_EQ(panel->Height(), 102);
  EXPECT_EQ(panel->Label1()->Text(), U"Version:");
  EXPECT_EQ(panel->Label2()->Text(), NotNil(App()).LongVersion());
  EXPECT_EQ(panel->Label2()->TextAlign(), 2);
  EXPECT_EQ(panel->PushButton1()->Caption(), U"Check for Updates");
  EXPECT_TRUE(panel->PushButton1()->Default());
  EXPECT_FALSE(panel->PushButton1()->Cancel());
}

TEST_F(VersionPanelTest, checkNowTwiceKeepsOnePanelAndAClosedOneIsBuiltAfresh) {
  CheckNow();
  auto first = OpenInstance<class selfTest>();
  first->Label2()->SetText(U"marked");
  CheckNow();
  EXPECT_EQ(OpenInstance<class selfTest>(), first);
  EXPECT_EQ(OpenPanels(), 1);
  EXPECT_EQ(first->Label2()->Text(), U"marked") << "the open panel is not set up again";

  first->TopLevelWidget()->close();  // the close box
  testing_support::ProcessEvents();
  EXPECT_EQ(OpenInstance<class selfTest>(), nullptr);
  CheckNow();
  auto second = OpenInstance<class selfTest>();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(second->Label2()->Text(), NotNil(App()).LongVersion());
}
