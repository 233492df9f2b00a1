#include "update_check/update_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "app/app.h"
#include "framework/qt_text.h"
#include "main_window/window1.h"
#include "tests/support/local_http_server.h"
#include "tests/support/program_fixture.h"
#include "update_check/addresses.h"
#include "update_check/self_test.h"

using testing_support::ProcessEvents;

namespace {
class UpdateWindowTest : public ProgramFixture {
 protected:
  void BeforeStartup() override { SetUpdateURLForTesting(FromQString(server.Url())); }
  void TearDown() override {
    ProgramFixture::TearDown();
    SetUpdateURLForTesting(U"");
  }

  // "Check Now", then the panel's "Check for Updates".
  std::shared_ptr<class updateWindow> StartCheck() {
    NotNil(App()).HandleMenuCommand(U"CheckforUpdateCheckNow");
    NotNil(OpenInstance<class selfTest>()).PushButton1()->Push();
    return OpenInstance<class updateWindow>();
  }

  // Counts the socket's events while still passing them on to the window.
  void CountEvents(class updateWindow& window) {
    auto hp = window.hp();
    hp->PageReceived = [this, original = hp->PageReceived](HTTPSocket& s, const String& u, std::int32_t st,
                                                           std::shared_ptr<InternetHeaders> h, const String& c) {
      ++events;
      original(s, u, st, std::move(h), c);
    };
    hp->Error = [this, original = hp->Error](HTTPSocket& s, std::int32_t code) {
      ++events;
      original(s, code);
    };
  }

  LocalHttpServer server;
  int events = 0;
};

class EventSpy final : public QObject {
 public:
  explicit EventSpy(std::function<void(QEvent::Type)> seen) : seen_(std::move(seen)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    seen_(event->type());
    return false;
  }

 private:
  std::function<void(QEvent::Type)> seen_;
};
}  // namespace

TEST_F(UpdateWindowTest, opensWithAMovingBarAndSendsOneRequest) {
  auto window = StartCheck();
  ASSERT_NE(window, nullptr);
  QWidget* top = window->TopLevelWidget();
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(window->Title(), U"Update");
  EXPECT_EQ(window->Width(), 300);
  EXPECT_EQ(window->Height(), 120);
  EXPECT_EQ(window->Label1()->Text(), U"Checking for update...");
  EXPECT_EQ(window->Label1()->Widget()->font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(window->Label1()->Widget()->font().pixelSize(), 12);
  EXPECT_EQ(window->ProgressBar1()->Maximum(), 0) << "indeterminate, not an empty bar";
  EXPECT_EQ(window->PushButton1()->Caption(), U"Cancel");
  EXPECT_TRUE(window->PushButton1()->Default());
  EXPECT_TRUE(window->PushButton1()->Cancel());
  EXPECT_FALSE(window->automaticCheck);
  EXPECT_EQ(OpenInstance<class selfTest>(), nullptr) << "the version panel closes";

  ASSERT_TRUE(server.WaitForRequest());
  ProcessEvents();
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(server.Received(), "GET /Updates/rozovozu.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: 127.0.0.1:" +
                                   QByteArray::number(server.Port()) + "\r\n\r\n");
}

TEST_F(UpdateWindowTest, openingSetsTheBarSendsClosesThePanelThenFocusesTheMainWindow) {
  NotNil(App()).HandleMenuCommand(U"CheckforUpdateCheckNow");
  auto panel = OpenInstance<class selfTest>();
  std::vector<std::string> steps;
  EventSpy panelSpy([&](QEvent::Type type) {
    if (type != QEvent::Close) return;
    auto window = OpenInstance<class updateWindow>();
    steps.push_back("panel closes");
    if (window && window->ProgressBar1()->Maximum() == 0) steps.push_back("bar already moving");
    if (server.ConnectionPending(2000)) steps.push_back("request already started");
  });
  EventSpy mainSpy([&](QEvent::Type type) {
    if (type == QEvent::ZOrderChange) steps.push_back("main window raised");
  });
  panel->TopLevelWidget()->installEventFilter(&panelSpy);
  ::Window1()->TopLevelWidget()->installEventFilter(&mainSpy);
  panel->PushButton1()->Push();
  ::Window1()->TopLevelWidget()->removeEventFilter(&mainSpy);
  EXPECT_EQ(steps, (std::vector<std::string>{"panel closes", "bar already moving", "request already started", "main window raised"}));
}

// Each way of closing the window while the reply is already on its way.
class UpdateWindowCloseTest : public UpdateWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UpdateWindowCloseTest, closingEndsTheRequestAndNoHandlerRuns) {
  auto window = StartCheck();
  CountEvents(*window);
  const std::string how = GetParam();
  server.OnRequest([&](QTcpSocket& s) {
    s.write("HTTP/1.0 200 OK\r\nContent-Length: 39\r\n\r\n<CurrentVersion>9.9.9</CurrentVersion>");
    s.flush();
    QWidget* top = window->TopLevelWidget();
    if (how == "Cancel")
      static_cast<QAbstractButton*>(window->PushButton1()->Widget())->click();
    else if (how == "Return")
      QTest::keyClick(top, Qt::Key_Return);
    else if (how == "Escape")
      QTest::keyClick(top, Qt::Key_Escape);
    else
      top->close();
  });
  ASSERT_TRUE(server.WaitForEnd());
  ProcessEvents();
  EXPECT_EQ(OpenInstance<class updateWindow>(), nullptr);
  EXPECT_EQ(events, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, UpdateWindowCloseTest, ::testing::Values("Cancel", "Return", "Escape", "close box"));

TEST_F(UpdateWindowTest, aSilentServerLeavesTheBarMovingUntilCancel) {
  auto window = StartCheck();
  ASSERT_TRUE(server.WaitForRequest());
  ProcessEvents();
  EXPECT_EQ(OpenInstance<class updateWindow>(), window);
  EXPECT_TRUE(window->ProgressBar1()->Visible());
  EXPECT_EQ(window->ProgressBar1()->Maximum(), 0);
  window->PushButton1()->Push();
  EXPECT_EQ(OpenInstance<class updateWindow>(), nullptr);
  EXPECT_TRUE(server.WaitForEnd());
}

TEST_F(UpdateWindowTest, checkingAgainWhileOpenSendsNothingNew) {
  auto window = StartCheck();
  ASSERT_TRUE(server.WaitForRequest());
  NotNil(App()).HandleMenuCommand(U"CheckforUpdateCheckNow");
  auto panel = OpenInstance<class selfTest>();
  panel->PushButton1()->Push();
  EXPECT_EQ(OpenInstance<class updateWindow>(), window);
  EXPECT_EQ(OpenInstance<class selfTest>(), panel) << "the Open event did not run again";
  ProcessEvents();
  EXPECT_EQ(server.Connections(), 1);
}
