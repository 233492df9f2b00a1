#include "framework/http_reply.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace http_reply {
namespace {
std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool PlainDecimal(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A length too large for size_t is as good as endless: the reply cap ends it first.
std::optional<std::size_t> ParseContentLength(std::string_view value) {
  value = TrimBlanks(value);
  if (!PlainDecimal(value)) return std::nullopt;
  std::size_t length = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
  if (error == std::errc::result_out_of_range) return std::numeric_limits<std::size_t>::max();
  return length;
}

std::int32_t ParseStatus(std::string_view line) {
  const auto first = line.find(' ');
  if (first == std::string_view::npos) return 0;
  std::string_view field = line.substr(first + 1);
  field = field.substr(0, field.find(' '));
  std::int32_t status = 0;
  if (!PlainDecimal(field)) return 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), status);
  return error == std::errc() ? status : 0;
}
}  // namespace

ReplyReader::State ReplyReader::Feed(std::string_view bytes) {
  while (!bytes.empty() && state_ == State::Reading) {
    if (part_ == Part::Body) {
      TakeBody(bytes);
      break;
    }
    const auto lf = bytes.find('\n');
    const std::size_t take = lf == std::string_view::npos ? bytes.size() : lf + 1;
    if (headerBytes_ + take > kMaxHeaderBytes) {
      state_ = State::HeaderTooLarge;
      line_ = std::string();
      break;
    }
    headerBytes_ += take;
    line_.append(bytes.substr(0, lf == std::string_view::npos ? take : lf));
    bytes.remove_prefix(take);
    if (lf != std::string_view::npos) EndLine();
  }
  return state_;
}

ReplyReader::State ReplyReader::Close() {
  if (state_ != State::Reading) return state_;
  // A line cut off by the close still counts, so a bare status line gives its status.
  const bool cutLine = part_ == Part::StatusLine ? headerBytes_ > 0 : part_ == Part::HeaderLines && !line_.empty();
  if (cutLine) EndLine();
  state_ = State::Complete;
  return state_;
}

void ReplyReader::EndLine() {
  std::string_view line = line_;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (part_ == Part::StatusLine) {
    status_ = ParseStatus(line);
    headers_ = std::make_shared<InternetHeaders>();
    part_ = Part::HeaderLines;
  } else if (line.empty()) {
    part_ = Part::Body;
    if (contentLength_ == 0u) state_ = State::Complete;
  } else if (const auto colon = line.find(':'); colon != std::string_view::npos) {
    const std::string_view name = TrimBlanks(line.substr(0, colon));
    const std::string_view value = TrimBlanks(line.substr(colon + 1));
    headers_->AppendHeader(FromLatin1(name), FromLatin1(value));
    if (!contentLength_ && SameText(FromLatin1(name), U"Content-Length")) contentLength_ = ParseContentLength(value);
  }
  line_.clear();
}

void ReplyReader::TakeBody(std::string_view bytes) {
  std::size_t take = bytes.size();
  if (contentLength_) take = std::min(take, *contentLength_ - body_.size());
  if (headerBytes_ + body_.size() + take > kMaxReplyBytes) {
    state_ = State::ReplyTooLarge;
    body_ = std::string();
    return;
  }
  body_.append(bytes.substr(0, take));
  if (contentLength_ && body_.size() == *contentLength_) state_ = State::Complete;
}

}  // namespace http_reply
