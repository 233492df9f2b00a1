#pragma once

// Reads a text file line by line, a buffer at a time, so a reader that stops early never pulls in
// the rest of a large file. A line ends at CR, LF or CR LF; text is UTF-8, and bytes that are not
// become U+FFFD. A UTF-8 byte-order mark at the start is not part of the text. A read error ends
// the file.

#include <memory>
#include <string>

#include "framework/string.h"

class QFile;

class TextInputStream final {
 public:
  explicit TextInputStream(std::unique_ptr<QFile> file);
  ~TextInputStream();
  TextInputStream(const TextInputStream&) = delete;
  TextInputStream& operator=(const TextInputStream&) = delete;

  // Not EOF: the C library owns that name as a macro. True once every line is read.
  bool Eof();
  // The next line without its line end; empty at the end of the file.
  String ReadLine();
  void Close();

 private:
  // Makes sure an unread byte is buffered; false at the end of the file.
  bool Fill();

  std::unique_ptr<QFile> file_;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool atStart_ = true;
};
