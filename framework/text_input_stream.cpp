#include "framework/text_input_stream.h"

#include <QFile>
#include <algorithm>
#include <utility>

namespace {
constexpr qint64 kChunk = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

TextInputStream::TextInputStream(std::unique_ptr<QFile> file) : file_(std::move(file)) {}

TextInputStream::~TextInputStream() = default;

bool TextInputStream::Fill() {
  while (pos_ >= buffer_.size()) {
    if (!file_ || !file_->isOpen()) return false;
    buffer_.resize(kChunk);
    const qint64 got = file_->read(buffer_.data(), kChunk);
    pos_ = 0;
    if (got <= 0) {
      buffer_.clear();
      file_->close();
      return false;
    }
    buffer_.resize(static_cast<std::size_t>(got));
    // A file's first read holds the whole mark, when it has one.
    if (std::exchange(atStart_, false) && buffer_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
  }
  return true;
}

bool TextInputStream::Eof() { return !Fill(); }

String TextInputStream::ReadLine() {
  std::string line;
  while (Fill()) {
    const auto begin = buffer_.begin() + static_cast<std::ptrdiff_t>(pos_);
    const auto end = std::find_if(begin, buffer_.end(), [](char c) { return c == '\r' || c == '\n'; });
    line.append(begin, end);
    if (end == buffer_.end()) {
      pos_ = buffer_.size();
      continue;
    }
    const bool cr = *end == '\r';
    pos_ = static_cast<std::size_t>(end - buffer_.begin()) + 1;
    if (cr && Fill() && buffer_[pos_] == '\n') ++pos_;
    break;
  }
  return FromUtf8(line);
}

void TextInputStream::Close() {
  if (file_) file_->close();
  buffer_.clear();
  pos_ = 0;
}
