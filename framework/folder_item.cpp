#include "framework/folder_item.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "framework/qt_text.h"
#include "framework/text_input_stream.h"
#include "framework/text_output_stream.h"

std::shared_ptr<FolderItem> FolderItem::Child(const String& name) const {
  return std::make_shared<FolderItem>(FromQString(QDir(ToQString(path_)).filePath(ToQString(name))));
}

std::shared_ptr<TextOutputStream> FolderItem::CreateTextFile() {
  auto file = std::make_unique<QSaveFile>(ToQString(path_));
  if (!file->open(QIODevice::WriteOnly)) return nullptr;
  return std::make_shared<TextOutputStream>(std::move(file));
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
  auto file = std::make_unique<QFile>(ToQString(path_));
  // A directory opens on Linux, but it is no text file.
  if (QFileInfo(file->fileName()).isDir() || !file->open(QIODevice::ReadOnly)) return nullptr;
  return std::make_shared<TextInputStream>(std::move(file));
}
