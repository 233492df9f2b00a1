#pragma once

// An entry of the file system, named by its path, whether or not anything exists there yet.
// Opening and creating give Nil on failure; nothing here raises or reports.

#include <cstddef>
#include <memory>
#include <utility>

#include "framework/string.h"

class TextInputStream;
class TextOutputStream;

// A text file is read no further than its first 64 KiB, and the line still running there is left
// out, so a longer file reads as if it ended at an end mark after its last whole line. A text file of
// ours holds one short line; a hostile one (a gigabyte-long line, millions of lines) costs no more.
inline constexpr std::size_t kMostTextFileBytes = 64 * 1024;

class FolderItem final {
 public:
  explicit FolderItem(String path) : path_(std::move(path)) {}

  // The entry of that name inside this folder.
  std::shared_ptr<FolderItem> Child(const String& name) const;
  // The file is written beside this entry and replaces it only when the stream is closed
  // complete, so a failed save leaves the old file as it was. Nil when something that is not a
  // regular file stands in the file's place.
  std::shared_ptr<TextOutputStream> CreateTextFile();
  // Only a regular file opens: a FIFO, a device or a directory in its place is a file that cannot
  // be opened, and nothing waits on it.
  std::shared_ptr<TextInputStream> OpenAsTextFile();

 private:
  String path_;
};
