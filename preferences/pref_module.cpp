#include "preferences/pref_module.h"

namespace prefModule {
std::int32_t Window1Top = 0;
std::int32_t Window1Left = 0;
std::vector<std::shared_ptr<directiveClass>> gDirectives;

void loadPrefs() {}
void savePrefs() {}

void InitDirectives() { gDirectives.assign(1, nullptr); }
void ReleaseDirectives() { gDirectives.clear(); }
}  // namespace prefModule
