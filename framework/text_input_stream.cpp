#include "framework/text_input_stream.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

TextInputStream::TextInputStream(std::string bytes) : bytes_(std::move(bytes)) {
  if (bytes_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
}

String TextInputStream::ReadLine() {
  if (Eof()) return {};
  const auto end = std::min(bytes_.find_first_of("\r\n", pos_), bytes_.size());
  const std::string_view line(bytes_.data() + pos_, end - pos_);
  pos_ = end + 1;
  if (end + 1 < bytes_.size() && bytes_[end] == '\r' && bytes_[end + 1] == '\n') ++pos_;
  return FromUtf8(line);
}

void TextInputStream::Close() {
  bytes_.clear();
  pos_ = 0;
}
