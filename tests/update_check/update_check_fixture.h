#pragma once

#include <QAction>
#include <QWidget>

#include "addresses/addresses.h"
#include "framework/qt_text.h"
#include "main_window/window1.h"
#include "tests/support/local_http_server.h"
#include "tests/support/program_fixture.h"
#include "update_check/self_test.h"
#include "update_check/update_window.h"

// The program, with its update address pointed at a server inside the test.
class UpdateCheckTest : public ProgramFixture {
 protected:
  void BeforeStartup() override { SetUpdateURLForTesting(FromQString(server.Url())); }

  // Chosen in the main window's menu bar, as the user does.
  static void CheckNow() {
    QWidget* main = NotNil(OpenInstance<class Window1>()).TopLevelWidget();
    NotNil(main->findChild<QAction*>(QStringLiteral("CheckforUpdateCheckNow"))).trigger();
  }
  // "Check Now", then the panel's "Check for Updates".
  static std::shared_ptr<class updateWindow> OpenUpdateWindow() {
    CheckNow();
    NotNil(OpenInstance<class selfTest>()).PushButton1()->Push();
    return OpenInstance<class updateWindow>();
  }

  LocalHttpServer server;
};
