#pragma once

// Reads an HTTP/1.0 reply as its bytes arrive: a status line, header lines up to the first empty
// line, then the body, to Content-Length or to the end of the connection. It touches no socket,
// so anything can be fed to it, and whatever the peer sends, memory stays within the caps below.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/internet_headers.h"

namespace http_reply {

// The status line and header lines together, up to and including the empty line.
inline constexpr std::size_t kMaxHeaderBytes = 64 * 1024;
// The whole reply: header block and body.
inline constexpr std::size_t kMaxReplyBytes = 1024 * 1024;

class ReplyReader final {
 public:
  enum class State { Reading, Complete, HeaderTooLarge, ReplyTooLarge };

  // The next bytes received. Once the state is no longer Reading, further bytes are ignored.
  State Feed(std::string_view bytes);
  // The peer ended the connection: a reply still being read is complete with what arrived.
  State Close();

  State CurrentState() const { return state_; }
  // The number in the status line's second blank-separated field; 0 when it is not a plain
  // decimal number, or when nothing arrived.
  std::int32_t Status() const { return status_; }
  // Nil when nothing at all arrived.
  std::shared_ptr<InternetHeaders> Headers() const { return headers_; }
  const std::string& Body() const { return body_; }

 private:
  enum class Part { StatusLine, HeaderLines, Body };
  void EndLine();
  void TakeBody(std::string_view bytes);

  State state_ = State::Reading;
  Part part_ = Part::StatusLine;
  std::string line_;  // the line being read in the header block
  std::size_t headerBytes_ = 0;
  std::optional<std::size_t> contentLength_;
  std::int32_t status_ = 0;
  std::shared_ptr<InternetHeaders> headers_;
  std::string body_;
};

}  // namespace http_reply
