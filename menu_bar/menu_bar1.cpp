#include "menu_bar/menu_bar1.h"

namespace {
std::shared_ptr<class MenuBar1>& ImplicitSlot() {
  static std::shared_ptr<class MenuBar1> slot;
  return slot;
}
constexpr const char* kSeparator = nullptr;  // separators get no shortcut at all
}  // namespace

const ClassRecord& MenuBar1::ClassInfo() {
  static const ClassRecord record{U"MenuBar1.MenuBar1",
                                  &MenuBar::ClassInfo(),
                                  PublicMethods({{"Constructor", "(  )"}, {"Untitled0", "(  )"}, {"Untitled1", "(  )"}}),
                                  {}};
  return record;
}

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

template <class Item>
void MenuBar1::AddItem(const String& parentName, const char* name, const char* text, const char* shortcut) {
  auto item = std::make_shared<Item>();
  item->SetName(FromLatin1(name));
  item->SetAutoEnable(true);
  item->SetText(FromLatin1(text));
  if (shortcut) item->SetKeyboardShortcut(FromLatin1(shortcut));
  if (parentName.empty())
    Append(item);
  else
    NotNil(Child(parentName)).Append(item);
}

void MenuBar1::Untitled0() {
  AddItem<MenuItem>(U"", "EditMenu", "&Edit", "");
  AddItem<MenuItem>(U"EditMenu", "EditUndo", "&Undo", "Cmd+Z");
  AddItem<MenuItem>(U"EditMenu", "UntitledMenu1", "-", kSeparator);
  AddItem<MenuItem>(U"EditMenu", "EditCut", "Cu&t", "Cmd+X");
  AddItem<MenuItem>(U"EditMenu", "EditCopy", "&Copy", "Cmd+C");
  AddItem<MenuItem>(U"EditMenu", "EditPaste", "&Paste", "Cmd+V");
  AddItem<MenuItem>(U"EditMenu", "EditClear", "&Delete", "");
  AddItem<MenuItem>(U"EditMenu", "UntitledMenu0", "-", kSeparator);
  AddItem<MenuItem>(U"EditMenu", "EditSelectAll", "Select &All", "Cmd+A");
  AddItem<AppleMenuItem>(U"EditMenu", "EditAbout", "About...", "");
}

void MenuBar1::Untitled1() {
  AddItem<MenuItem>(U"", "CheckforUpdateMenu", "Check for Update", "");
  AddItem<MenuItem>(U"CheckforUpdateMenu", "CheckforUpdateCheckNow", "Check Now", "");
}

void MenuBar1::implicitInstanceExit() { ImplicitSlot().reset(); }

std::shared_ptr<class MenuBar1> MenuBar1() {
  auto& slot = ImplicitSlot();
  if (!slot) slot = std::make_shared<class MenuBar1>();
  return slot;
}
