#include "update_check/update_window.h"

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QUrl>
#include <QWidget>

#include "main_window/window1.h"
#include "update_check_fixture.h"

TEST_F(UpdateCheckTest, openingIsModalSendsTheRequestWithAMovingBarAndClosesThePanel) {
  auto window = OpenUpdateWindow();
  EXPECT_EQ(NotNil(qobject_cast<QProgressBar*>(window->ProgressBar1()->Widget())).maximum(), 0) << "a bar that moves";
  EXPECT_EQ(OpenInstance<class selfTest>(), nullptr);
  EXPECT_EQ(window->TopLevelWidget()->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(server.WaitForRequest());
}

// The real address names no port: the request goes to port 80, and its Host header carries the
// host alone. Only the host is swapped for this machine's; port 80 needs root, as CI runs.
TEST_F(UpdateCheckTest, theRealAddressIsFetchedFromPort80WithTheHostAsWritten) {
  SetUpdateURLForTesting(U"");
  const QString real = QStringLiteral("http://www.brevant.example/Updates/rozovozu.xml");
  ASSERT_EQ(ToQString(UpdateURL()), real);
  LocalHttpServer port80(80);
  if (!port80.Listening()) GTEST_SKIP() << "port 80 is not free to this user";
  QUrl url(real);
  url.setHost(QStringLiteral("127.0.0.1"));
  SetUpdateURLForTesting(FromQString(url.toString()));
  OpenUpdateWindow();
  ASSERT_TRUE(port80.WaitForRequest());
  EXPECT_EQ(port80.Received(), "GET /Updates/rozovozu.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: 127.0.0.1\r\n\r\n");
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
  const String shown = panel->Label2()->Text();
  EXPECT_TRUE(shown == U"2.0.0 x64" || shown == U"2.0.0 ARM") << ToUtf8(shown);
  panel->PushButton1()->Push();
  EXPECT_EQ(OpenInstance<class updateWindow>(), window);
  EXPECT_EQ(OpenInstance<class selfTest>(), panel) << "the Open event did not run again";
  testing_support::ProcessEvents();
  EXPECT_EQ(server.Connections(), 1);
}
