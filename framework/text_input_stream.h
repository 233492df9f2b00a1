#pragma once

// Reads a text line by line. A line ends at CR, LF or CR LF; text is UTF-8, and bytes that are not
// become U+FFFD. A UTF-8 byte-order mark at the start is not part of the text.

#include <string>

#include "framework/string.h"

class TextInputStream final {
 public:
  explicit TextInputStream(std::string bytes);

  // Not EOF: the C library owns that name as a macro. True once every line is read.
  bool Eof() const { return pos_ >= bytes_.size(); }
  // The next line without its line end; empty at the end of the text.
  String ReadLine();
  void Close();

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};
