#include "framework/http_socket.h"

#include <gtest/gtest.h>

#include <QUrl>

#include "framework/qt_text.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/local_http_server.h"

namespace {
class HttpSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    socket->PageReceived = [this](HTTPSocket&, const String&, std::int32_t status, std::shared_ptr<InternetHeaders>, const String& body) {
      pages++, this->status = status, content = body;
    };
    socket->Error = [this](HTTPSocket&, std::int32_t errorCode) { errors++, code = errorCode; };
  }
  // One GET; false when no event came.
  bool Fetch(const QString& url) {
    pages = errors = 0;
    socket->Get(FromQString(url));
    EXPECT_EQ(pages + errors, 0) << "Get returns before any event";
    return testing_support::WaitUntil([&] { return pages + errors > 0; }, 30000);
  }

  LocalHttpServer server;
  std::shared_ptr<HTTPSocket> socket = std::make_shared<HTTPSocket>();
  int pages = 0, errors = 0;
  std::int32_t status = -1, code = 0;
  String content;
};
}  // namespace

// The server keeps the connection open: Content-Length alone ends the reply.
TEST_F(HttpSocketTest, sendsExactlyTheRequestAndReportsOnce) {
  server.OnRequest([](QTcpSocket& s) { s.write("HTTP/1.0 404 Not Found\r\nContent-Length: 5\r\n\r\nhelloEXTRA"); });
  ASSERT_TRUE(Fetch(server.Url()));
  ASSERT_TRUE(server.WaitForEnd());
  testing_support::ProcessEvents();
  EXPECT_EQ(server.Received(), "GET /Updates/rozovozu.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: 127.0.0.1:" +
                                   QByteArray::number(server.Port()) + "\r\n\r\n");
  EXPECT_EQ(pages + errors, 1);
  EXPECT_EQ(status, 404) << "an error status is still a page";
  EXPECT_EQ(content, U"hello");
}

TEST_F(HttpSocketTest, repliesUpToTheCapsArriveWhole_oneByteMoreEndsInAnError) {
  const QByteArray statusLine = "HTTP/1.0 200 OK\r\n";
  // A header block of the given size: the status line, one long header, the empty line.
  auto header = [&](std::size_t size) { return statusLine + "X: " + QByteArray(static_cast<qsizetype>(size) - 24, 'h') + "\r\n\r\n"; };
  auto reply = [&](std::size_t size) { return statusLine + "\r\n" + QByteArray(static_cast<qsizetype>(size) - 19, 'b'); };
  // The codes are those the update check's message shows.
  const std::pair<QByteArray, std::int32_t> cases[] = {
      {header(65536), 0},  // 64 KiB of status line and headers
      {header(65537), 5},
      {reply(1048576), 0},  // 1 MiB in all
      {reply(1048577), 6},
  };
  for (const auto& [raw, error] : cases) {
    SCOPED_TRACE(raw.size());
    server.ReplyWith(raw);
    ASSERT_TRUE(Fetch(server.Url()));
    EXPECT_EQ(errors ? code : 0, error);
    if (!error) {
      EXPECT_TRUE(ToUtf8(content) == raw.mid(raw.indexOf("\r\n\r\n") + 4).toStdString()) << "the body arrived cut";
    }
  }
}

TEST_F(HttpSocketTest, aConnectionResetMidReplyStillDeliversWhatArrived) {
  server.OnRequest([](QTcpSocket& s) {
    s.write("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\n<CurrentVersion>2.0");
    s.flush();
    ResetConnection(s);
  });
  ASSERT_TRUE(Fetch(server.Url()));
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(status, 200);
  EXPECT_EQ(content, U"<CurrentVersion>2.0");
}

// A refused connection is the update outcome tests' (code 2).
TEST_F(HttpSocketTest, noConnectionEndsInAnError) {
  QUrl unresolvable;  // a reserved name that never resolves
  unresolvable.setScheme(QStringLiteral("http"));
  unresolvable.setHost(QStringLiteral("update.brevant.invalid"));
  ASSERT_TRUE(Fetch(unresolvable.toString()));
  EXPECT_EQ(code, 1) << "name not resolved";
  ASSERT_TRUE(Fetch(QStringLiteral("http://127.0.0.1/a\r\nX-Injected: 1")));
  EXPECT_EQ(code, 4) << "unsupported address";
  EXPECT_EQ(server.Connections(), 0);
}

TEST_F(HttpSocketTest, nothingIsReportedOnceDetached) {
  server.OnRequest([this](QTcpSocket& s) {
    s.write("HTTP/1.0 200 OK\r\nContent-Length: 4\r\n\r\nlate");
    s.flush();
    socket->Detach();  // the whole reply is already on its way
  });
  socket->Get(FromQString(server.Url()));
  ASSERT_TRUE(server.WaitForEnd());
  socket->Get(U"ftp://would.be.an.error/");
  auto queued = std::make_shared<HTTPSocket>();
  queued->Error = socket->Error;
  queued->Get(U"ftp://would.be.an.error/");
  queued->Detach();
  testing_support::ProcessEvents();
  EXPECT_EQ(pages + errors, 0);
}
