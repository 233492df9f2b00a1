#include "update_check/update_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QEvent>
#include <QTest>

#include "main_window/window1.h"
#include "tests/update_check/update_check_fixture.h"

using testing_support::ProcessEvents;

namespace {
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

TEST_F(UpdateCheckTest, theWindowSendsOneRequestAndWaitsWithAMovingBarUntilCancel) {
  auto window = OpenUpdateWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->TopLevelWidget()->isVisible());
  EXPECT_EQ(window->TopLevelWidget()->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(window->Title(), U"Update");
  EXPECT_EQ(window->Width(), 300);
  EXPECT_EQ(window->Height(), 120);
  EXPECT_EQ(window->Label1()->Text(), U"Checking for update...");
  EXPECT_EQ(window->Label1()->Widget()->font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(window->Label1()->Widget()->font().pixelSize(), 12);
  EXPECT_EQ(window->PushButton1()->Caption(), U"Cancel");
  EXPECT_TRUE(window->PushButton1()->Default() && window->PushButton1()->Cancel());
  EXPECT_FALSE(window->automaticCheck);
  EXPECT_EQ(OpenInstance<class selfTest>(), nullptr) << "the version panel closes";

  ASSERT_TRUE(server.WaitForRequest());
  ProcessEvents();
  EXPECT_EQ(server.Received(), "GET /Updates/rozovozu.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: 127.0.0.1:" +
                                   QByteArray::number(server.Port()) + "\r\n\r\n");
  EXPECT_TRUE(window->IsOpen()) << "the server never answers";
  EXPECT_TRUE(window->ProgressBar1()->Visible());
  EXPECT_EQ(window->ProgressBar1()->Maximum(), 0) << "indeterminate, not an empty bar";
  window->PushButton1()->Push();
  EXPECT_FALSE(window->IsOpen());
  EXPECT_TRUE(server.WaitForEnd()) << "the request ends with the window";
}

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
  ::Window1()->TopLevelWidget()->removeEventFilter(&mainSpy);
  EXPECT_EQ(steps, (std::vector<std::string>{"panel closes", "bar already moving", "request already started", "main window raised"}));
}

// Each way of closing the window while the reply is already on its way.
class UpdateWindowCloseTest : public UpdateCheckTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UpdateWindowCloseTest, closingEndsTheRequestAndNoHandlerRuns) {
  auto window = OpenUpdateWindow();
  int events = 0;
  auto hp = window->hp();
  hp->PageReceived = [&, original = hp->PageReceived](HTTPSocket& s, const String& u, std::int32_t st, std::shared_ptr<InternetHeaders> h,
                                                      const String& c) { ++events, original(s, u, st, h, c); };
  hp->Error = [&, original = hp->Error](HTTPSocket& s, std::int32_t code) { ++events, original(s, code); };
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
  EXPECT_FALSE(window->IsOpen());
  EXPECT_EQ(events, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, UpdateWindowCloseTest, ::testing::Values("Cancel", "Return", "Escape", "close box"));

TEST_F(UpdateCheckTest, checkingAgainWhileOpenSendsNothingNew) {
  auto window = OpenUpdateWindow();
  ASSERT_TRUE(server.WaitForRequest());
  CheckNow();
  auto panel = OpenInstance<class selfTest>();
  panel->PushButton1()->Push();
  EXPECT_EQ(OpenInstance<class updateWindow>(), window);
  EXPECT_EQ(OpenInstance<class selfTest>(), panel) << "the Open event did not run again";
  ProcessEvents();
  EXPECT_EQ(server.Connections(), 1);
}
