#pragma once

// The menu tree as the program builds it: items with a name, text, shortcut and auto-enable, in
// a tree under a menu bar. A window that holds the bar renders it as a Qt menu bar.

#include <memory>
#include <vector>

#include "framework/class_record.h"

class MenuItem : public std::enable_shared_from_this<MenuItem> {
 public:
  MenuItem() = default;
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  static const ClassRecord& ClassInfo();
  virtual const ClassRecord& Record() const { return ClassInfo(); }

  const String& Name() const { return name_; }
  void SetName(const String& name) { name_ = name; }
  const String& Text() const { return text_; }
  void SetText(const String& text) { text_ = text; }
  const String& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const String& shortcut) { shortcut_ = shortcut; }
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool on) { autoEnable_ = on; }

  bool IsSeparator() const { return text_ == U"-"; }

  void Append(std::shared_ptr<MenuItem> item);
  std::int64_t Count() const { return static_cast<std::int64_t>(children_.size()); }
  std::shared_ptr<MenuItem> Item(std::int64_t index) const;  // 0-based
  // The direct child of that name, or Nil.
  std::shared_ptr<MenuItem> Child(const String& name) const;
  // The item of that name anywhere below this one, or Nil.
  std::shared_ptr<MenuItem> Lookup(const String& name) const;

 private:
  String name_;
  String text_;
  String shortcut_;
  bool autoEnable_ = false;
  std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }
};

// Shown in the application menu where a platform has one; on Linux it stays where the tree puts it.
class AppleMenuItem : public MenuItem {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }
};

// "Cmd+X" as the menu tree writes it becomes the platform's shortcut text ("Ctrl+X" here).
String PlatformShortcut(const String& shortcut);
