#pragma once

// Keeps the main window's position between runs in the directives file of the preferences folder.
// Reading collects every directive of the file; only "Window1Position" is used, and it is the one
// line written back.

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/folder_item.h"
#include "preferences/directive_class.h"

namespace prefModule {
// 0 until known; a top of 0 means "no position".
extern std::int32_t Window1Top;
extern std::int32_t Window1Left;
// Slot 0 is a placeholder; the directives read sit from index 1 on.
extern std::vector<std::shared_ptr<directiveClass>> gDirectives;

// The position from the directives file, or 50 and 20 when the file cannot be opened.
void loadPrefs();
// Replaces the directives file by the one position line; silent when it cannot be written.
void savePrefs();
// Appends the file's directives to gDirectives; False when the file is Nil or cannot be opened.
bool extractDirectives(std::shared_ptr<FolderItem> file);

// Module set-up and release, in the start-up and shutdown order.
void InitDirectives();
void ReleaseDirectives();
}  // namespace prefModule
