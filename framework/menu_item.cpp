#include "framework/menu_item.h"

const ClassRecord& MenuItem::ClassInfo() {
  static const ClassRecord record{U"MenuItem",
                                  nullptr,
                                  PublicMethods({{"Constructor", "(  )"},
                                                 {"Append", "( MenuItem )"},
                                                 {"Child", "( String ) as MenuItem"},
                                                 {"_Lookup", "( String ) as MenuItem"}}),
                                  {}};
  return record;
}

const ClassRecord& MenuBar::ClassInfo() {
  static const ClassRecord record{U"MenuBar", &MenuItem::ClassInfo(), {}, {}};
  return record;
}

const ClassRecord& AppleMenuItem::ClassInfo() {
  static const ClassRecord record{U"AppleMenuItem", &MenuItem::ClassInfo(), {}, {}};
  return record;
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
  NotNil(item);
  children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(std::int64_t index) const {
  if (index < 0 || index >= Count()) throw OutOfBoundsException("menu item index out of range");
  return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
  }
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const String& name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
    if (auto found = child->Lookup(name)) return found;
  }
  return nullptr;
}

String PlatformShortcut(const String& shortcut) {
  String out = shortcut;
  if (out.starts_with(U"Cmd+")) out.replace(0, 3, U"Ctrl");
  return out;
}
