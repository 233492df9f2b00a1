#pragma once

// Writes a text file line by line: UTF-8, each line ended by LF. The file takes its target's place
// on Close, whole; a stream that fails to write, or is dropped unclosed, leaves the target as it was
// and nothing beside it.

#include <memory>

#include "framework/string.h"

class QSaveFile;

class TextOutputStream final {
 public:
  explicit TextOutputStream(std::unique_ptr<QSaveFile> file);
  ~TextOutputStream();
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;

  void WriteLine(const String& text);
  void Close();

 private:
  std::unique_ptr<QSaveFile> file_;
};
