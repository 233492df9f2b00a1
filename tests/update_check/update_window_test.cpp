#include "update_check/update_window.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QWidget>

#include "main_window/window1.h"
#include "update_check_fixture.h"

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

TEST_F(UpdateCheckTest, openingSetsTheBarSendsClosesThePanelThenFocusesTheMainWindow) {
  CheckNow();
  auto panel = OpenInstance<class selfTest>();
  std::vector<std::string> steps;
  EventSpy panelSpy([&](QEvent::Type type) {
    if (type != QEvent::Close) return;
    steps.push_back("panel closes");
    if (OpenInstance<class updateWindow>()->ProgressBar1()->Maximum() == 0) steps.push_back("bar already moving");
    if (server.ConnectionPending(2000)) steps.push_back("request already started");
  });
  EventSpy mainSpy([&](QEvent::Type type) {
    if (type == QEvent::ZOrderChange) steps.push_back("main window raised");
  });
  panel->TopLevelWidget()->installEventFilter(&panelSpy);
  ::Window1()->TopLevelWidget()->installEventFilter(&mainSpy);
  panel->PushButton1()->Push();
  EXPECT_EQ(steps, (std::vector<std::string>{"panel closes", "bar already moving", "request already started", "main window raised"}));
}

TEST_F(UpdateCheckTest, cancelWhileTheReplyIsOnItsWayEndsTheRequestAndNoHandlerRuns) {
  auto window = OpenUpdateWindow();
  int events = 0;
  auto hp = window->hp();
  hp->PageReceived = [&, original = hp->PageReceived](HTTPSocket& s, const String& u, std::int32_t st, std::shared_ptr<InternetHeaders> h,
                                                      const String& c) { ++events, original(s, u, st, h, c); };
  hp->Error = [&, original = hp->Error](HTTPSocket& s, std::int32_t code) { ++events, original(s, code); };
  server.OnRequest([&](QTcpSocket& s) {
    s.write("HTTP/1.0 200 OK\r\nContent-Length: 39\r\n\r\n<CurrentVersion>9.9.9</CurrentVersion>");
    s.flush();
    window->PushButton1()->Push();
  });
  ASSERT_TRUE(server.WaitForEnd());
  testing_support::ProcessEvents();
  EXPECT_EQ(events, 0);
}

TEST_F(UpdateCheckTest, checkingAgainWhileOpenSendsNothingNew) {
  auto window = OpenUpdateWindow();
  ASSERT_TRUE(server.WaitForRequest());
  CheckNow();
  auto panel = OpenInstance<class selfTest>();
  EXPECT_EQ(panel->Label2()->Text(), NotNil(App()).LongVersion());
  panel->PushButton1()->Push();
  EXPECT_EQ(OpenInstance<class updateWindow>(), window);
  EXPECT_EQ(OpenInstance<class selfTest>(), panel) << "the Open event did not run again";
  testing_support::ProcessEvents();
  EXPECT_EQ(server.Connections(), 1);
}
