#include "main_window/window1.h"

#include "framework/clipboard.h"
#include "framework/runtime.h"
#include "main_window/text_cleaning.h"
#include "menu_bar/menu_bar1.h"
#include "preferences/pref_module.h"

namespace {
const String kHelpText1 =
    U"Paste text to be \"fixed\" into the field above and click on the \"Simple\" button to remove \">\" characters.  "
    U"Click on the \"Complex\" button to remove additional undesired charaters.  "
    U"The \"fixed\" text will be displayed and placed in the clipboard, ready for pasting into an email.";
const String kHelpText2 =
    U"Click on the \"Clear\" button to clear the text from the field.  "
    U"Check the \"Auto Clear\" checkbox to clear the field when the \"Zendle\" button is clicked.";
const String kIconCredit = U"Icon credit: Mira Holloway, Quarry Stock Icons";

const String kButtonSignature = U"( PushButton )";

// clang-format off
// Shared by every control of this window: enabled, visible, upright, in no control set.
PropertyList Common(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, std::int32_t tabIndex) {
  PropertyList list;
  list.Int("Left", left).Int("Top", top).Int("Width", width).Int("Height", height).Int("TabIndex", tabIndex)
      .Bool("Enabled", true).Bool("Visible", true).Bool("Italic", false).Bool("Underline", false)
      .Int("Index", -2147483648);
  return list;
}

PropertyList& Locks(PropertyList& list, bool left, bool top, bool right) {
  return list.Bool("LockLeft", left).Bool("LockTop", top).Bool("LockRight", right).Bool("LockBottom", false);
}
// clang-format on
}  // namespace

// clang-format off
const ClassRecord& Window1::ClassInfo() {
  static const ClassRecord record{
      U"Window1.Window1", &Window::ClassInfo(),
      PublicMethods({{"Layout", "(  )"}, {"CreateControls", "(  )"}, {"_CreateControls0", "(  )"},
                     {"EditField1", "(  ) as TextArea"}, {"Zendle1", "(  ) as PushButton"}, {"StaticText1", "(  ) as Label"},
                     {"ClearField", "(  ) as PushButton"}, {"AutoClear", "(  ) as CheckBox"}, {"StaticText2", "(  ) as Label"},
                     {"Label1", "(  ) as Label"}, {"Zendle2", "(  ) as PushButton"},
                     {"Zendle1_Action", "( PushButton )"}, {"ClearField_Action", "( PushButton )"}, {"Zendle2_Action", "( PushButton )"},
                     {"CheckforUpdateMenu", "(  ) as MenuItem"}, {"CheckforUpdateCheckNow", "(  ) as MenuItem"},
                     {"EditMenu", "(  ) as MenuItem"}, {"EditAbout", "(  ) as AppleMenuItem"}, {"EditSelectAll", "(  ) as MenuItem"},
                     {"UntitledMenu0", "(  ) as MenuItem"}, {"EditClear", "(  ) as MenuItem"}, {"EditPaste", "(  ) as MenuItem"},
                     {"EditCopy", "(  ) as MenuItem"}, {"EditCut", "(  ) as MenuItem"}, {"UntitledMenu1", "(  ) as MenuItem"},
                     {"EditUndo", "(  ) as MenuItem"}, {"Event_Close", "(  )"}, {"Event_Open", "(  )"}}),
      {{U"Layout", U"Layout"}, {U"CreateControls", U"CreateControls"}, {U"Close", U"Event_Close"}, {U"Open", U"Event_Open"}}};
  return record;
}
// clang-format on

void Window1::Layout() {
  SetMenuBar(MenuBar1());
  SetProperties(*this, PropertyList()
                           .Int("Placement", 0)
                           .Int("Width", 450)
                           .Int("Height", 472)
                           .Int("MinWidth", 64)
                           .Int("MinHeight", 64)
                           .Int("MaxWidth", 32000)
                           .Int("MaxHeight", 32000)
                           .Int("Frame", 0)
                           .Bool("Composite", false)
                           .Bool("HasBackColor", false)
                           .Colour("BackColor", 0xFFFFFF)
                           .Text("Title", U"Zendle II")
                           .Bool("Visible", true)
                           .Bool("FullScreen", false)
                           .Bool("MenuBarVisible", true)
                           .Bool("CloseButton", true)
                           .Bool("Resizeable", false)
                           .Bool("LiveResize", true)
                           .Bool("MaximizeButton", false)
                           .Bool("MinimizeButton", false)
                           .Int("MacProcID", 0)
                           .Bytes());
}

void Window1::CreateControls() { CreateControls0(); }

// clang-format off
void Window1::CreateControls0() {
  const auto& record = Record();
  auto button = [&](const char* name, std::int32_t left, std::int32_t tabIndex, const String& caption,
                    void (Window1::*handler)(PushButton&)) {
    PropertyList list = Common(left, 234, 80, 20, tabIndex);
    Locks(list, false, false, false)
        .Text("Caption", caption).Text("TextFont", U"System").Bool("Bold", true)
        .Bool("TabStop", true).Bool("Default", false).Bool("Cancel", false).Int("ButtonStyle", 0);
    BuildControl<PushButton>(FromLatin1(name), list)->Action =
        Delegate(record, FromLatin1(name) + U"_Action", kButtonSignature, [this, handler](PushButton& sender) { (this->*handler)(sender); });
  };
  auto label = [&](const char* name, std::int32_t top, std::int32_t height, std::int32_t tabIndex, const String& text,
                   const String& font, bool bold, bool multiline, bool lockLeftTop) {
    PropertyList list = Common(20, top, 410, height, tabIndex);
    Locks(list, lockLeftTop, lockLeftTop, false)
        .Text("Text", text).Text("TextFont", font).Bool("Bold", bold).Int("TextAlign", 1)
        .Bool("Multiline", multiline).Bool("Selectable", false).Bool("Transparent", false)
        .Colour("TextColor", 0x000000).Bool("TabStop", false);
    BuildControl<Label>(FromLatin1(name), list);
  };

  {
    PropertyList list = Common(20, 20, 410, 196, 0);
    Locks(list, true, true, true)
        .Text("TextFont", U"System").Bool("Bold", false).Bool("TabStop", true).Bool("Border", true)
        .Bool("Multiline", true).Bool("ScrollbarVertical", true).Bool("ScrollbarHorizontal", false)
        .Bool("Styled", false).Bool("UseFocusRing", true).Bool("HideSelection", true).Bool("Spellcheck", true)
        .Bool("ReadOnly", false).Int("LimitText", 0).Bool("AcceptTabs", false).Int("Alignment", 0)
        .Colour("TextColor", 0x000000).Colour("BackColor", 0xFFFFFF)
        .Text("Text", U"").Text("Format", U"").Text("Mask", U"");
    BuildControl<TextArea>(U"EditField1", list);
  }
  //     name           left  tab  caption      handler
  button("Zendle1",     20,   1,   U"Simple",   &Window1::Zendle1_Action);
  //     name           top   height  tab  text         font               bold   multiline  lockLeftTop
  label("StaticText1",  274,  83,     2,   kHelpText1,  U"Helvetica Neue", true,  true,      false);
  button("ClearField",  230,  3,   U"Clear",    &Window1::ClearField_Action);
  {
    PropertyList list = Common(330, 234, 100, 20, 4);
    Locks(list, false, false, false)
        .Text("Caption", U"Auto Clear").Text("TextFont", U"System").Bool("Bold", true)
        .Bool("TabStop", true).Bool("Value", false).Int("State", 0);
    BuildControl<CheckBox>(U"AutoClear", list);
  }
  label("StaticText2",  364,  61,     5,   kHelpText2,  U"Helvetica Neue", true,  true,      false);
  label("Label1",       432,  20,     6,   kIconCredit, U"System",         false, false,     true);
  button("Zendle2",     125,  8,   U"Complex",  &Window1::Zendle2_Action);
}
// clang-format on

namespace {
// Both cleaning buttons: clean the field's text, show it, hand what the field then holds to the
// clipboard (every press, changed or not), and empty the field when Auto Clear is checked now.
void CleanField(class Window1& window, String (*clean)(String)) {
  Clipboard clipboard;
  NotNil(window.EditField1()).SetText(clean(NotNil(window.EditField1()).Text()));
  NotNil(window.EditField1()).Refresh(true);
  clipboard.SetText(NotNil(window.EditField1()));
  if (NotNil(window.AutoClear()).Value()) NotNil(window.EditField1()).SetText(U"");
}
}  // namespace

void Window1::Zendle1_Action(PushButton&) { CleanField(*this, &SimpleCleaning); }

void Window1::Zendle2_Action(PushButton&) { CleanField(*this, &ComplexCleaning); }

void Window1::ClearField_Action(PushButton&) { NotNil(EditField1()).SetText(U""); }

void Window1::Event_Open() {
  if (prefModule::Window1Top == 0) {
    prefModule::Window1Top = 50;
    prefModule::Window1Left = 20;
  }
  NotNil(::Window1()).SetTop(prefModule::Window1Top);
  NotNil(::Window1()).SetLeft(prefModule::Window1Left);
}

void Window1::Event_Close() {
  prefModule::Window1Top = NotNil(::Window1()).Top();
  prefModule::Window1Left = NotNil(::Window1()).Left();
  prefModule::savePrefs();
  Quit(0);
}

std::shared_ptr<MenuItem> Window1::MenuItemNamed(const String& name) const { return NotNil(MenuBar()).Lookup(name); }

std::shared_ptr<AppleMenuItem> Window1::EditAbout() const { return std::dynamic_pointer_cast<AppleMenuItem>(MenuItemNamed(U"EditAbout")); }

std::shared_ptr<class Window1> Window1() { return ImplicitInstance<class Window1>(); }
