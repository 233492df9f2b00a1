#include "framework/http_reply.h"

#include <gtest/gtest.h>

#include <string>

using http_reply::ReplyReader;
using State = ReplyReader::State;

namespace {
// The reply as the socket hands it over once the peer has closed.
ReplyReader ReadAll(const std::string& bytes) {
  ReplyReader reader;
  reader.Feed(bytes);
  reader.Close();
  return reader;
}
}  // namespace

TEST(HttpReply, statusHeadersAndBody) {
  auto reader = ReadAll("HTTP/1.0 404 Not Found\r\nServer: x\nContent-Type:  text/plain \r\n\r\nno\r\nsuch");
  EXPECT_EQ(reader.CurrentState(), State::Complete);
  EXPECT_EQ(reader.Status(), 404);
  EXPECT_EQ(reader.Headers()->Count(), 2);
  EXPECT_EQ(reader.Headers()->Value(U"content-type"), U"text/plain");
  EXPECT_EQ(reader.Body(), "no\r\nsuch");

  for (const char* garbage : {"garbage", "HTTP/1.0  200 OK", "HTTP/1.0 -1 OK", "HTTP/1.0 2x0", "HTTP/1.0 99999999999"}) {
    EXPECT_EQ(ReadAll(std::string(garbage) + "\r\n\r\nbody").Status(), 0) << garbage;
  }
}

TEST(HttpReply, whatArrivedBeforeTheCloseIsTheReply) {
  auto nothing = ReadAll("");
  EXPECT_EQ(nothing.Status(), 0);
  EXPECT_EQ(nothing.Headers(), nullptr);
  EXPECT_TRUE(nothing.Body().empty());

  EXPECT_EQ(ReadAll("HTTP/1.0 302").Status(), 302);
  EXPECT_EQ(ReadAll("HTTP/1.0 200 OK\r\nX-A: 1\r\nX-B: 2").Headers()->Value(U"X-B"), U"2");
  EXPECT_EQ(ReadAll("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly this").Body(), "only this");
}

TEST(HttpReply, contentLengthEndsTheReplyUnlessItIsNotPlainDecimal) {
  ReplyReader reader;
  EXPECT_EQ(reader.Feed("HTTP/1.0 200 OK\r\ncontent-length: 3\r\n\r\nab"), State::Reading);
  EXPECT_EQ(reader.Feed("cdef"), State::Complete);
  EXPECT_EQ(reader.Body(), "abc");

  for (const char* value : {"-5", "+5", "5x", "", "1 2", "99999999999999999999999999"}) {
    ReplyReader absent;
    EXPECT_EQ(absent.Feed(std::string("HTTP/1.0 200 OK\r\nContent-Length: ") + value + "\r\n\r\nabcdefgh"), State::Reading) << value;
    absent.Close();
    EXPECT_EQ(absent.Body(), "abcdefgh") << value;
  }
}

TEST(HttpReply, theCapsAreExact) {
  const std::string status = "HTTP/1.0 200 OK\r\n";
  const std::size_t valueLength = http_reply::kMaxHeaderBytes - status.size() - 3 - 4;  // "X: ", CR LF twice
  EXPECT_EQ(ReadAll(status + "X: " + std::string(valueLength, 'v') + "\r\n\r\nbody").Body(), "body");
  ReplyReader longHeaders;
  EXPECT_EQ(longHeaders.Feed(status + "X: " + std::string(valueLength + 1, 'v') + "\r\n\r\n"), State::HeaderTooLarge);
  EXPECT_EQ(longHeaders.Close(), State::HeaderTooLarge);

  const std::string head = "HTTP/1.0 200 OK\r\n\r\n";
  ReplyReader body;
  body.Feed(head + std::string(http_reply::kMaxReplyBytes - head.size(), 'b'));
  EXPECT_EQ(body.CurrentState(), State::Reading);
  EXPECT_EQ(body.Feed("b"), State::ReplyTooLarge);
  EXPECT_TRUE(body.Body().empty()) << "nothing of it is kept";
}
