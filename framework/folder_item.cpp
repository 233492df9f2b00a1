#include "framework/folder_item.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <string>

#include "framework/qt_text.h"
#include "framework/text_input_stream.h"
#include "framework/text_output_stream.h"

std::shared_ptr<FolderItem> FolderItem::Child(const String& name) const {
  return std::make_shared<FolderItem>(FromQString(QDir(ToQString(path_)).filePath(ToQString(name))));
}

std::shared_ptr<TextOutputStream> FolderItem::CreateTextFile() {
  // A FIFO or a device in the file's place (or where its link leads) is no file of ours: replacing
  // it, as root, would take a device away from the whole system.
  const QFileInfo existing(ToQString(path_));
  if (existing.exists() && !existing.isFile()) return nullptr;
  auto file = std::make_unique<QSaveFile>(ToQString(path_));
  if (!file->open(QIODevice::WriteOnly)) return nullptr;
  return std::make_shared<TextOutputStream>(std::move(file));
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
  // Without O_NONBLOCK a FIFO in the file's place would hold the program in open() for ever.
  const int fd = ::open(QFile::encodeName(ToQString(path_)).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  std::string bytes(kMostTextFileBytes + 1, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // a read error ends the file
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  if (got > kMostTextFileBytes) {
    const auto lastEnd = bytes.find_last_of("\r\n", kMostTextFileBytes - 1);
    bytes.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
  }
  return std::make_shared<TextInputStream>(std::move(bytes));
}
