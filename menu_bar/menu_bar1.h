#pragma once

#include <memory>

#include "framework/menu_item.h"

// The one menu bar, shared by the application and the main window: Edit, then Check for Update.
class MenuBar1 final : public MenuBar {
 public:
  MenuBar1();  // builds the whole tree

  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  // Empties the implicit-instance slot at shutdown.
  static void implicitInstanceExit();

 private:
  void Untitled0();
  void Untitled1();
  // Appends a new item of class Item to the menu of parentName (empty: the bar itself).
  template <class Item>
  void AddItem(const String& parentName, const char* name, const char* text, const char* shortcut);
};

// The implicit instance: built on first use, the same object afterwards.
std::shared_ptr<class MenuBar1> MenuBar1();
