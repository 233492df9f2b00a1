#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "about/about_box.h"
#include "addresses/addresses.h"
#include "framework/qt_text.h"
#include "main_window/window1.h"
#include "tests/support/local_http_server.h"
#include "tests/support/program_fixture.h"
#include "update_check/self_test.h"
#include "update_check/update_window.h"

namespace {
// The update window's request goes to a server that never answers, so it stays open.
class TitleBarTest : public ProgramFixture {
 protected:
  void BeforeStartup() override { SetUpdateURLForTesting(FromQString(server.Url())); }
  LocalHttpServer server;
};

// What a window asks the window manager to put in its title bar, in the user's words.
std::string TitleBar(const Window& window) {
  const Qt::WindowFlags flags = NotNil(window.TopLevelWidget()).windowFlags();
  // Without this hint the window manager puts whatever buttons it likes there.
  if (!flags.testFlag(Qt::CustomizeWindowHint)) return "the window manager's choice";
  std::string bar;
  for (const auto& [flag, name] :
       {std::pair{Qt::WindowTitleHint, "title"}, std::pair{Qt::WindowCloseButtonHint, " close"},
        std::pair{Qt::WindowMinimizeButtonHint, " minimise"}, std::pair{Qt::WindowMaximizeButtonHint, " maximise"}}) {
    if (flags.testFlag(flag)) bar += name;
  }
  return bar;
}
}  // namespace

TEST_F(TitleBarTest, everyWindowHasACloseBoxOnlyTheUpdateWindowAMinimiseButtonAndNoneAMaximiseButton) {
  EXPECT_EQ(TitleBar(*Window1()), "title close") << "main window";
  EXPECT_EQ(TitleBar(*selfTest()), "title close") << "version panel";
  EXPECT_EQ(TitleBar(*updateWindow()), "title close minimise") << "update window";
  EXPECT_EQ(TitleBar(*AboutBox()), "title close") << "About box";
}
