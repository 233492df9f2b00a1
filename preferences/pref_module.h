#pragma once

// Keeps the main window's position between runs in the directives file of the preferences folder.

#include <cstdint>
#include <memory>
#include <vector>

#include "preferences/directive_class.h"

namespace prefModule {
// 0 until known; a top of 0 means "no position".
extern std::int32_t Window1Top;
extern std::int32_t Window1Left;
// Slot 0 is a placeholder; the directives read sit from index 1 on.
extern std::vector<std::shared_ptr<directiveClass>> gDirectives;

void loadPrefs();
void savePrefs();

// Module set-up and release, in the start-up and shutdown order.
void InitDirectives();
void ReleaseDirectives();
}  // namespace prefModule
