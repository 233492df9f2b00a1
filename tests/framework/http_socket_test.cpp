#include "framework/http_socket.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QUrl>

#include "framework/http_reply.h"
#include "framework/qt_text.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/local_http_server.h"

using testing_support::WaitUntil;

namespace {
struct Outcome {
  int pages = 0, errors = 0;
  std::int32_t status = -1, code = 0;
  std::shared_ptr<InternetHeaders> headers;
  String url, content;
};

class HttpSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    socket->PageReceived = [this](HTTPSocket&, const String& url, std::int32_t status, std::shared_ptr<InternetHeaders> headers,
                                  const String& content) {
      got.pages++, got.url = url, got.status = status, got.headers = headers, got.content = content;
    };
    socket->Error = [this](HTTPSocket&, std::int32_t code) { got.errors++, got.code = code; };
  }
  // One GET; false when no event came.
  bool Fetch(const QString& url) {
    got = {};
    socket->Get(FromQString(url));
    EXPECT_EQ(got.pages + got.errors, 0) << "Get returns before any event";
    return WaitUntil([&] { return got.pages + got.errors > 0; }, 30000);
  }

  LocalHttpServer server;
  std::shared_ptr<HTTPSocket> socket = std::make_shared<HTTPSocket>();
  Outcome got;
};
}  // namespace

TEST_F(HttpSocketTest, sendsExactlyTheRequestAndReportsOnce) {
  server.ReplyWith("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello");
  ASSERT_TRUE(Fetch(server.Url()));
  ASSERT_TRUE(server.WaitForEnd());
  testing_support::ProcessEvents();
  EXPECT_EQ(server.Received(), "GET /Updates/rozovozu.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: 127.0.0.1:" +
                                   QByteArray::number(server.Port()) + "\r\n\r\n");
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(got.pages, 1);
  EXPECT_EQ(got.errors, 0);
  EXPECT_EQ(got.url, FromQString(server.Url()));
  EXPECT_EQ(got.content, U"hello");
}

TEST_F(HttpSocketTest, everyReplyIsAPageUnlessItBreaksTheCaps) {
  struct Case {
    QByteArray reply;
    std::int32_t status;
    String content;  // U"!" for an Error
    std::int32_t code = 0;
  };
  const Case cases[] = {
      {"HTTP/1.0 404 Not Found\r\n\r\nmissing", 404, U"missing"},
      {"HTTP/1.0 301 Moved\r\nLocation: http://127.0.0.1:1/\r\nContent-Encoding: gzip\r\n\r\nz", 301, U"z"},
      {"", 0, U""},
      {"garbage\r\n\r\n<b>caf\xC3\xA9 \xFF</b>", 0, U"<b>caf\u00E9 \uFFFD</b>"},
      {"HTTP/1.0 200 OK\r\nContent-Length: -3\r\n\r\nall of it", 200, U"all of it"},
      {"HTTP/1.0 200 OK\r\nContent-Length: 999\r\n\r\nshort", 200, U"short"},
      {"HTTP/1.0 200 OK\r\n" + QByteArray(100 * 1024, 'h'), 0, U"!", HTTPSocket::kHeaderTooLarge},
      {"HTTP/1.0 200 OK\r\n\r\n" + QByteArray(static_cast<qsizetype>(http_reply::kMaxReplyBytes), 'b'), 0, U"!", HTTPSocket::kReplyTooLarge},
  };
  for (const auto& c : cases) {
    server.ReplyWith(c.reply);
    ASSERT_TRUE(Fetch(server.Url())) << c.reply.left(40).toStdString();
    if (c.content == U"!") {
      EXPECT_EQ(got.code, c.code);
      continue;
    }
    EXPECT_EQ(got.status, c.status) << c.reply.left(40).toStdString();
    EXPECT_EQ(got.content, c.content);
    EXPECT_EQ(got.headers == nullptr, c.reply.isEmpty()) << "an empty close has no headers";
  }
}

TEST_F(HttpSocketTest, aReplyEndsAtContentLengthOrAtAReset) {
  server.OnRequest([](QTcpSocket& s) { s.write("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nokEXTRA"); });
  ASSERT_TRUE(Fetch(server.Url()));
  EXPECT_EQ(got.content, U"ok") << "the server still holds the connection";

  server.OnRequest([](QTcpSocket& s) {
    s.write("HTTP/1.0 200 OK\r\nX-Partial: ye");
    s.flush();
    ResetConnection(s);
  });
  ASSERT_TRUE(Fetch(server.Url()));
  EXPECT_EQ(got.status, 200);
  EXPECT_EQ(got.headers->Value(U"X-Partial"), U"ye");
}

TEST_F(HttpSocketTest, noConnectionEndsInAnError) {
  const quint16 closedPort = [] {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
  }();
  ASSERT_TRUE(Fetch(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort)));
  EXPECT_EQ(got.code, HTTPSocket::kConnectionRefused);
  // A reserved name that never resolves.
  QUrl unresolvable;
  unresolvable.setScheme(QStringLiteral("http"));
  unresolvable.setHost(QStringLiteral("update.brevant.invalid"));
  unresolvable.setPath(QStringLiteral("/Updates/rozovozu.xml"));
  ASSERT_TRUE(Fetch(unresolvable.toString()));
  EXPECT_EQ(got.code, HTTPSocket::kNameNotResolved);
  for (const char* url :
       {"ftp://127.0.0.1/x", "http://user@127.0.0.1/", "http://127.0.0.1:99999/", "http://127.0.0.1/a\r\nX-Injected: 1"}) {
    ASSERT_TRUE(Fetch(QString::fromLatin1(url))) << url;
    EXPECT_EQ(got.code, HTTPSocket::kUnsupportedAddress) << url;
  }
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
  EXPECT_EQ(got.pages + got.errors, 0);
}
