#include "framework/application.h"

#include "framework/version_info.h"

namespace {
std::shared_ptr<Application>& AppSlot() {
  static std::shared_ptr<Application> app;
  return app;
}
}  // namespace

const ClassRecord& Application::ClassInfo() {
  static const ClassRecord record{U"Application", nullptr, PublicMethods({{"_AddMenuHandler", "( String, Delegate )"}}), {}};
  return record;
}

void Application::AddMenuHandler(const String& itemName, std::function<bool()> handler) {
  for (auto& [name, existing] : menuHandlers_) {
    if (name == itemName) {
      existing = std::move(handler);
      return;
    }
  }
  menuHandlers_.emplace_back(itemName, std::move(handler));
}

bool Application::HandleMenuCommand(const String& itemName) {
  for (const auto& [name, handler] : menuHandlers_) {
    if (name != itemName) continue;
    // A copy, so a handler that registers another in its place does not destroy itself mid-call.
    const auto run = handler;
    return run && run();
  }
  return false;
}

bool Application::HasMenuHandler(const String& itemName) const {
  for (const auto& entry : menuHandlers_) {
    if (entry.first == itemName) return true;
  }
  return false;
}

void Application::CallOpen() {
  if (Record().HandlesEvent(U"Open")) Event_Open();
}

std::int32_t Application::MajorVersion() const { return fw::build::kMajor; }
std::int32_t Application::MinorVersion() const { return fw::build::kMinor; }
std::int32_t Application::BugVersion() const { return fw::build::kBug; }
String Application::ShortVersion() const { return FromLatin1(fw::build::kShort); }
String Application::LongVersion() const { return FromLatin1(fw::build::kLong); }

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) { AppSlot() = std::move(app); }
std::shared_ptr<Application> GetAppObject() { return AppSlot(); }
