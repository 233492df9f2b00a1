#include "framework/http_reply.h"

#include <gtest/gtest.h>

#include <string>

using http::ReplyReader;
using State = ReplyReader::State;

namespace {
// The reply as the socket would hand it over after the peer closed.
ReplyReader ReadAll(const std::string& bytes) {
  ReplyReader reader;
  reader.Feed(bytes);
  reader.Close();
  return reader;
}
}  // namespace

TEST(HttpReply, statusHeadersAndBodyToTheClose) {
  auto reader = ReadAll("HTTP/1.0 404 Not Found\r\nServer: x\r\nContent-Type:  text/plain \r\n\r\nno\r\nsuch");
  EXPECT_EQ(reader.CurrentState(), State::Complete);
  EXPECT_EQ(reader.Status(), 404);
  ASSERT_NE(reader.Headers(), nullptr);
  EXPECT_EQ(reader.Headers()->Count(), 2);
  EXPECT_EQ(reader.Headers()->Value(U"content-type"), U"text/plain");
  EXPECT_EQ(reader.Body(), "no\r\nsuch");
}

TEST(HttpReply, statusIsThePlainNumberInTheSecondField) {
  EXPECT_EQ(ReadAll("HTTP/1.1 200\n\n").Status(), 200);
  EXPECT_EQ(ReadAll("garbage\r\n\r\nbody").Status(), 0);
  EXPECT_EQ(ReadAll("HTTP/1.0  200 OK\r\n\r\n").Status(), 0) << "two blanks leave the second field empty";
  EXPECT_EQ(ReadAll("HTTP/1.0 -1 OK\r\n\r\n").Status(), 0);
  EXPECT_EQ(ReadAll("HTTP/1.0 2x0 OK\r\n\r\n").Status(), 0);
  EXPECT_EQ(ReadAll("HTTP/1.0 99999999999 OK\r\n\r\n").Status(), 0);
  EXPECT_EQ(ReadAll(std::string("HTTP/1.0 200\0 OK\r\n\r\n", 18)).Status(), 0);
}

TEST(HttpReply, anEmptyCloseGivesNoHeadersAndStatusZero) {
  auto reader = ReadAll("");
  EXPECT_EQ(reader.CurrentState(), State::Complete);
  EXPECT_EQ(reader.Status(), 0);
  EXPECT_EQ(reader.Headers(), nullptr);
  EXPECT_TRUE(reader.Body().empty());
}

TEST(HttpReply, aReplyCutShortCompletesWithWhatArrived) {
  auto statusOnly = ReadAll("HTTP/1.0 302");
  EXPECT_EQ(statusOnly.Status(), 302);
  ASSERT_NE(statusOnly.Headers(), nullptr);
  EXPECT_EQ(statusOnly.Headers()->Count(), 0);

  auto midHeaders = ReadAll("HTTP/1.0 200 OK\r\nX-A: 1\r\nX-B: 2");
  EXPECT_EQ(midHeaders.Headers()->Value(U"X-B"), U"2");
  EXPECT_TRUE(midHeaders.Body().empty());

  auto shortBody = ReadAll("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly this");
  EXPECT_EQ(shortBody.CurrentState(), State::Complete);
  EXPECT_EQ(shortBody.Body(), "only this");
}

TEST(HttpReply, contentLengthEndsTheReplyWithoutWaitingForTheClose) {
  ReplyReader reader;
  EXPECT_EQ(reader.Feed("HTTP/1.0 200 OK\r\ncontent-length: 3\r\n\r\nab"), State::Reading);
  EXPECT_EQ(reader.Feed("cdef"), State::Complete);
  EXPECT_EQ(reader.Body(), "abc");
  EXPECT_EQ(reader.Feed("more"), State::Complete);
  EXPECT_EQ(reader.Body(), "abc");

  ReplyReader empty;
  EXPECT_EQ(empty.Feed("HTTP/1.0 204 No Content\r\nContent-Length: 0\r\n\r\n"), State::Complete);
}

TEST(HttpReply, aContentLengthThatIsNotPlainDecimalCountsAsAbsent) {
  for (const char* value : {"-5", "+5", "5x", "0x10", "", " ", "1 2", "5.0"}) {
    ReplyReader reader;
    EXPECT_EQ(reader.Feed(std::string("HTTP/1.0 200 OK\r\nContent-Length: ") + value + "\r\n\r\nabcdefgh"), State::Reading) << value;
    reader.Close();
    EXPECT_EQ(reader.Body(), "abcdefgh") << value;
  }
  auto huge = ReadAll("HTTP/1.0 200 OK\r\nContent-Length: 99999999999999999999999999\r\n\r\nab");
  EXPECT_EQ(huge.CurrentState(), State::Complete);
  EXPECT_EQ(huge.Body(), "ab");
}

TEST(HttpReply, headerBlockCapIsExact) {
  const std::string status = "HTTP/1.0 200 OK\r\n";
  const std::string filler = "X: ";
  // Status line, one header line and the empty line fill the cap to the byte.
  const std::size_t valueLength = http::kMaxHeaderBytes - status.size() - filler.size() - 2 - 2;
  const std::string fits = status + filler + std::string(valueLength, 'v') + "\r\n\r\n";
  ASSERT_EQ(fits.size(), http::kMaxHeaderBytes);
  EXPECT_EQ(ReadAll(fits + "body").Body(), "body");

  const std::string over = status + filler + std::string(valueLength + 1, 'v') + "\r\n\r\n";
  ReplyReader reader;
  EXPECT_EQ(reader.Feed(over), State::HeaderTooLarge);
  EXPECT_EQ(reader.Close(), State::HeaderTooLarge);

  ReplyReader endless;
  for (int i = 0; i < 20000 && endless.Feed("Name: value\r\n") == State::Reading; ++i) {
  }
  EXPECT_EQ(endless.CurrentState(), State::HeaderTooLarge);
}

TEST(HttpReply, wholeReplyCapIsExact) {
  const std::string head = "HTTP/1.0 200 OK\r\n\r\n";
  ReplyReader fits;
  fits.Feed(head + std::string(http::kMaxReplyBytes - head.size(), 'b'));
  EXPECT_EQ(fits.Close(), State::Complete);
  EXPECT_EQ(fits.Body().size(), http::kMaxReplyBytes - head.size());

  ReplyReader over;
  over.Feed(head + std::string(http::kMaxReplyBytes - head.size(), 'b'));
  EXPECT_EQ(over.Feed("b"), State::ReplyTooLarge);
  EXPECT_TRUE(over.Body().empty()) << "the partial body is not kept";
}

TEST(HttpReply, theSplitOfTheBytesDoesNotMatter) {
  const std::string reply = "HTTP/1.0 200 OK\nA: 1\r\nContent-Length: 12\r\n\r\n<Free>Yes</Free>";
  const ReplyReader whole = ReadAll(reply);
  for (std::size_t step : {1u, 2u, 3u, 7u}) {
    ReplyReader pieces;
    for (std::size_t i = 0; i < reply.size(); i += step) pieces.Feed(std::string_view(reply).substr(i, step));
    pieces.Close();
    EXPECT_EQ(pieces.Status(), whole.Status());
    EXPECT_EQ(pieces.Headers()->Count(), whole.Headers()->Count());
    EXPECT_EQ(pieces.Body(), whole.Body()) << step;
  }
  EXPECT_EQ(whole.Body(), "<Free>Yes</F");
}
