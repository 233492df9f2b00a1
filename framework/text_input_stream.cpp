#include "framework/text_input_stream.h"

#include <QFile>
#include <algorithm>

namespace {
constexpr qint64 kChunk = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

TextInputStream::TextInputStream(std::unique_ptr<QFile> file) : file_(std::move(file)) {}

TextInputStream::~TextInputStream() = default;

bool TextInputStream::Fill() {
  if (pos_ < buffer_.size()) return true;
  buffer_.clear();
  pos_ = 0;
  if (!file_ || !file_->isOpen()) return false;
  buffer_.resize(kChunk);
  const qint64 got = file_->read(buffer_.data(), kChunk);
  buffer_.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  if (got <= 0) {
    file_->close();
    return false;
  }
  if (atStart_) {
    atStart_ = false;
    // The mark could straddle the first read only in a file shorter than a chunk, which read whole.
    if (std::string_view(buffer_).starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
    return Fill();
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
