#pragma once

// The system's well-known folders.

#include <memory>

#include "framework/folder_item.h"

namespace SpecialFolder {
// The user's configuration folder (XDG), created when missing; Nil when it cannot be had.
std::shared_ptr<FolderItem> Preferences();
}  // namespace SpecialFolder
