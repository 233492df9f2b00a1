#include "framework/http_socket.h"

#include <gtest/gtest.h>

#include <QTcpServer>

#include "framework/http_reply.h"
#include "framework/qt_text.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/local_http_server.h"

using testing_support::ProcessEvents;
using testing_support::WaitUntil;

namespace {
class HttpSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    socket->PageReceived = [this](HTTPSocket&, const String& url, std::int32_t status, std::shared_ptr<InternetHeaders> headers,
                                  const String& content) {
      ++pages;
      gotUrl = url, gotStatus = status, gotHeaders = std::move(headers), gotContent = content;
    };
    socket->Error = [this](HTTPSocket&, std::int32_t code) { ++errors, gotCode = code; };
  }

  // Fetches from the server; true once an event came.
  bool Fetch(const QString& url) {
    socket->Get(FromQString(url));
    EXPECT_EQ(pages + errors, 0) << "Get returns before any event";
    return WaitUntil([&] { return pages + errors > 0; }, 30000);
  }

  // One reply from the local server, read through the socket.
  void FetchReply(const QByteArray& raw) {
    server.ReplyWith(raw);
    ASSERT_TRUE(Fetch(server.Url()));
  }

  LocalHttpServer server;
  std::shared_ptr<HTTPSocket> socket = std::make_shared<HTTPSocket>();
  int pages = 0, errors = 0;
  String gotUrl, gotContent;
  std::int32_t gotStatus = -1, gotCode = 0;
  std::shared_ptr<InternetHeaders> gotHeaders;
};
}  // namespace

TEST_F(HttpSocketTest, sendsExactlyTheRequestAndReportsOnce) {
  FetchReply("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello");
  ASSERT_TRUE(server.WaitForEnd());
  ProcessEvents();
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(server.Received(), QByteArray("GET /Updates/rozovozu.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: 127.0.0.1:" +
                                          QByteArray::number(server.Port()) + "\r\n\r\n"));
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(errors, 0);
  EXPECT_EQ(gotUrl, FromQString(server.Url()));
  EXPECT_EQ(gotStatus, 200);
  EXPECT_EQ(gotContent, U"hello");
}

TEST_F(HttpSocketTest, anyStatusArrivesAsAPageAndNothingIsFollowedOrDecoded) {
  FetchReply("HTTP/1.0 301 Moved\r\nLocation: http://127.0.0.1:1/\r\nContent-Encoding: gzip\r\n\r\n<b>caf\xC3\xA9 \xFF</b>");
  EXPECT_EQ(errors, 0);
  EXPECT_EQ(gotStatus, 301);
  EXPECT_EQ(gotHeaders->Value(U"location"), U"http://127.0.0.1:1/");
  EXPECT_EQ(gotContent, U"<b>caf\u00E9 \uFFFD</b>") << "bytes as UTF-8, invalid ones replaced";
  EXPECT_EQ(server.Connections(), 1);
}

TEST_F(HttpSocketTest, aPageNotFoundIsAPage) {
  FetchReply("HTTP/1.0 404 Not Found\r\n\r\nmissing");
  EXPECT_EQ(gotStatus, 404);
  EXPECT_EQ(gotContent, U"missing");
}

TEST_F(HttpSocketTest, anEmptyCloseIsAPageWithoutHeaders) {
  FetchReply("");
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(gotStatus, 0);
  EXPECT_EQ(gotHeaders, nullptr);
  EXPECT_TRUE(gotContent.empty());
}

TEST_F(HttpSocketTest, contentLengthCompletesWhileTheServerKeepsTheConnection) {
  server.OnRequest([](QTcpSocket& s) { s.write("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nokEXTRA"); });
  ASSERT_TRUE(Fetch(server.Url()));
  EXPECT_EQ(gotContent, U"ok");
  EXPECT_TRUE(server.WaitForEnd()) << "the socket closes the connection itself";
}

TEST_F(HttpSocketTest, aResetInsideTheHeadersCompletesWithWhatArrived) {
  server.OnRequest([](QTcpSocket& s) {
    s.write("HTTP/1.0 200 OK\r\nX-Partial: ye");
    s.flush();
    ResetConnection(s);
  });
  ASSERT_TRUE(Fetch(server.Url()));
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(gotStatus, 200);
}

TEST_F(HttpSocketTest, oversizedRepliesEndInAnError) {
  server.ReplyWith("HTTP/1.0 200 OK\r\n" + QByteArray(100 * 1024, 'h'));
  ASSERT_TRUE(Fetch(server.Url()));
  EXPECT_EQ(gotCode, HTTPSocket::kHeaderTooLarge);

  errors = 0;
  LocalHttpServer big;
  big.ReplyWith("HTTP/1.0 200 OK\r\n\r\n" + QByteArray(static_cast<qsizetype>(http::kMaxReplyBytes), 'b'));
  ASSERT_TRUE(Fetch(big.Url()));
  EXPECT_EQ(pages, 0);
  EXPECT_EQ(gotCode, HTTPSocket::kReplyTooLarge);
}

TEST_F(HttpSocketTest, noConnectionEndsInAnError) {
  quint16 closedPort = 0;
  {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    closedPort = probe.serverPort();
  }
  ASSERT_TRUE(Fetch(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort)));
  EXPECT_EQ(gotCode, HTTPSocket::kConnectionRefused);

  errors = 0;
  ASSERT_TRUE(Fetch(QStringLiteral("http://update.brevant.invalid/Updates/rozovozu.xml")));
  EXPECT_EQ(gotCode, HTTPSocket::kNameNotResolved);
  EXPECT_EQ(pages, 0);
}

TEST_F(HttpSocketTest, unsendableAddressesAreRefusedAfterGetReturns) {
  for (const char* url : {"ftp://127.0.0.1/x", "http://", "http://user@127.0.0.1/", "http://127.0.0.1:0/", "http://127.0.0.1:99999/",
                          "http://127.0.0.1/a b", "http://127.0.0.1/a\r\nX-Injected: 1"}) {
    errors = 0, gotCode = 0;
    ASSERT_TRUE(Fetch(QString::fromLatin1(url))) << url;
    EXPECT_EQ(gotCode, HTTPSocket::kUnsupportedAddress) << url;
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

  socket->Get(U"ftp://queued.error/");  // a detached socket starts nothing
  auto fresh = std::make_shared<HTTPSocket>();
  fresh->Error = [this](HTTPSocket&, std::int32_t) { ++errors; };
  fresh->Get(U"ftp://queued.error/");
  fresh->Detach();
  ProcessEvents();
  EXPECT_EQ(pages, 0);
  EXPECT_EQ(errors, 0);
}
