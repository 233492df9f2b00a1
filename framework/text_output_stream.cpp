#include "framework/text_output_stream.h"

#include <QSaveFile>

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

// QSaveFile discards an uncommitted file.
TextOutputStream::~TextOutputStream() = default;

// QSaveFile commits a file whose bytes were written short (disk full, a file-size limit) as if it
// were whole, so every short write cancels the file and the commit keeps the old one.
void TextOutputStream::WriteLine(const String& text) {
  if (!file_) return;
  const std::string bytes = ToUtf8(text) + '\n';
  const auto size = static_cast<qint64>(bytes.size());
  if (file_->write(bytes.data(), size) != size) file_->cancelWriting();
}

void TextOutputStream::Close() {
  if (!file_) return;
  if (!file_->flush()) file_->cancelWriting();
  file_->commit();
  file_.reset();
}
