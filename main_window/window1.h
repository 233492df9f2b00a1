#pragma once

#include <memory>

#include "framework/check_box.h"
#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/text_area.h"
#include "framework/window.h"

// The main window: the text field, the cleaning buttons, Clear and Auto Clear. Closing it saves
// its position and ends the program.
class Window1 final : public Window {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  std::shared_ptr<TextArea> EditField1() const { return ControlAs<TextArea>(U"EditField1"); }
  std::shared_ptr<PushButton> Zendle1() const { return ControlAs<PushButton>(U"Zendle1"); }
  std::shared_ptr<Label> StaticText1() const { return ControlAs<Label>(U"StaticText1"); }
  std::shared_ptr<PushButton> ClearField() const { return ControlAs<PushButton>(U"ClearField"); }
  std::shared_ptr<CheckBox> AutoClear() const { return ControlAs<CheckBox>(U"AutoClear"); }
  std::shared_ptr<Label> StaticText2() const { return ControlAs<Label>(U"StaticText2"); }
  std::shared_ptr<Label> Label1() const { return ControlAs<Label>(U"Label1"); }
  std::shared_ptr<PushButton> Zendle2() const { return ControlAs<PushButton>(U"Zendle2"); }

  void Zendle1_Action(PushButton& sender);
  void ClearField_Action(PushButton& sender);
  void Zendle2_Action(PushButton& sender);

  // The menu items, found by name anywhere in the window's menu bar.
  std::shared_ptr<MenuItem> CheckforUpdateMenu() const { return MenuItemNamed(U"CheckforUpdateMenu"); }
  std::shared_ptr<MenuItem> CheckforUpdateCheckNow() const { return MenuItemNamed(U"CheckforUpdateCheckNow"); }
  std::shared_ptr<MenuItem> EditMenu() const { return MenuItemNamed(U"EditMenu"); }
  std::shared_ptr<AppleMenuItem> EditAbout() const;
  std::shared_ptr<MenuItem> EditSelectAll() const { return MenuItemNamed(U"EditSelectAll"); }
  std::shared_ptr<MenuItem> UntitledMenu0() const { return MenuItemNamed(U"UntitledMenu0"); }
  std::shared_ptr<MenuItem> EditClear() const { return MenuItemNamed(U"EditClear"); }
  std::shared_ptr<MenuItem> EditPaste() const { return MenuItemNamed(U"EditPaste"); }
  std::shared_ptr<MenuItem> EditCopy() const { return MenuItemNamed(U"EditCopy"); }
  std::shared_ptr<MenuItem> EditCut() const { return MenuItemNamed(U"EditCut"); }
  std::shared_ptr<MenuItem> UntitledMenu1() const { return MenuItemNamed(U"UntitledMenu1"); }
  std::shared_ptr<MenuItem> EditUndo() const { return MenuItemNamed(U"EditUndo"); }

 protected:
  void Layout() override;
  void CreateControls() override;
  void Event_Open() override;
  void Event_Close() override;

 private:
  void CreateControls0();
  std::shared_ptr<MenuItem> MenuItemNamed(const String& name) const;
};

// The implicit instance: the open main window, or a new one built and opened.
std::shared_ptr<class Window1> Window1();
