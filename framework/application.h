#pragma once

// The application object's base: menu handlers by item name, the Open event, version information.
// The program subclasses it once and registers that one object with the runtime.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "framework/class_record.h"
#include "framework/menu_item.h"

class Application {
 public:
  Application() = default;
  virtual ~Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static const ClassRecord& ClassInfo();
  virtual const ClassRecord& Record() const { return ClassInfo(); }

  std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<::MenuBar> bar) { menuBar_ = std::move(bar); }

  void AddMenuHandler(const String& itemName, std::function<bool()> handler);
  // Runs the handler registered under the item's name; false when there is none or it declined.
  bool HandleMenuCommand(const String& itemName);
  bool HasMenuHandler(const String& itemName) const;

  // Runs the Open handler that the class's event table names, and nothing when it names none.
  void CallOpen();

  std::int32_t MajorVersion() const;
  std::int32_t MinorVersion() const;
  std::int32_t BugVersion() const;
  String ShortVersion() const;
  String LongVersion() const;

 protected:
  virtual void Event_Open() {}

 private:
  std::shared_ptr<::MenuBar> menuBar_;
  std::vector<std::pair<String, std::function<bool()>>> menuHandlers_;
};

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> GetAppObject();
