#pragma once

// An entry of the file system, named by its path, whether or not anything exists there yet.
// Opening and creating give Nil on failure; nothing here raises or reports.

#include <memory>
#include <utility>

#include "framework/string.h"

class TextInputStream;
class TextOutputStream;

class FolderItem final {
 public:
  explicit FolderItem(String path) : path_(std::move(path)) {}

  // The entry of that name inside this folder.
  std::shared_ptr<FolderItem> Child(const String& name) const;
  // The file is written beside this entry and replaces it only when the stream is closed
  // complete, so a failed save leaves the old file as it was.
  std::shared_ptr<TextOutputStream> CreateTextFile();
  std::shared_ptr<TextInputStream> OpenAsTextFile();

 private:
  String path_;
};
