#include "framework/special_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "framework/qt_text.h"

namespace SpecialFolder {

std::shared_ptr<FolderItem> Preferences() {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (path.isEmpty() || !QDir().mkpath(path) || !QFileInfo(path).isDir()) return nullptr;
  return std::make_shared<FolderItem>(FromQString(path));
}

}  // namespace SpecialFolder
