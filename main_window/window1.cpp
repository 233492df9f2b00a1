#include "main_window/window1.h"

#include "framework/clipboard.h"
#include "framework/control_rows.h"
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
  SetProperties(*this, WindowFrame()
                           .Text("Title", U"Zendle II")
                           .Int("Width", 450)
                           .Int("Height", 472)
                           .Int("Frame", 0)
                           .Bool("MinimizeButton", false)
                           .Bool("LiveResize", true)
                           .Bytes());
}

void Window1::CreateControls() { CreateControls0(); }

// clang-format off
void Window1::CreateControls0() {
  auto textArea = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                      std::int32_t tabIndex, Locks locks) {
    BuildControl<TextArea>(name, PlacedControl(left, top, width, height, tabIndex, locks).Append(Upright())
        .Append(Font(U"System", false)).Bool("TabStop", true).Bool("Border", true)
        .Bool("Multiline", true).Bool("ScrollbarVertical", true).Bool("ScrollbarHorizontal", false)
        .Bool("Styled", false).Bool("UseFocusRing", true).Bool("HideSelection", true).Bool("Spellcheck", true)
        .Bool("ReadOnly", false).Int("LimitText", 0).Bool("AcceptTabs", false).Int("Alignment", 0)
        .Colour("TextColor", 0x000000).Colour("BackColor", 0xFFFFFF)
        .Text("Text", U"").Text("Format", U"").Text("Mask", U""));
  };
  auto button = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                    std::int32_t tabIndex, Locks locks, const String& caption, void (Window1::*action)(PushButton&)) {
    BuildControl<PushButton>(name, PlacedControl(left, top, width, height, tabIndex, locks).Append(Upright())
        .Append(ButtonRows(caption, true, false, false)).Bool("TabStop", true))
        ->Action = Delegate(*this, name + U"_Action", U"( PushButton )", action);
  };
  auto checkBox = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                      std::int32_t tabIndex, Locks locks, const String& caption) {
    BuildControl<CheckBox>(name, PlacedControl(left, top, width, height, tabIndex, locks).Append(Upright())
        .Append(Font(U"System", true)).Text("Caption", caption).Bool("TabStop", true).Bool("Value", false).Int("State", 0));
  };
  auto label = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                   std::int32_t tabIndex, Locks locks, const String& text, const String& font, bool bold, bool multiline) {
    BuildControl<Label>(name, PlacedControl(left, top, width, height, tabIndex, locks).Append(Upright())
        .Append(Font(font, bold)).Text("Text", text).Int("TextAlign", 1)
        .Bool("Multiline", multiline).Bool("Selectable", false).Bool("Transparent", false)
        .Colour("TextColor", 0x000000).Bool("TabStop", false));
  };

  //        name            left top  width height tab locks                then the kind's own columns
  textArea(U"EditField1",   20,  20,  410,  196,   0,  Locks::LeftTopRight);
  button  (U"Zendle1",      20,  234, 80,   20,    1,  Locks::None,         U"Simple",       &Window1::Zendle1_Action);
  label   (U"StaticText1",  20,  274, 410,  83,    2,  Locks::None,         kHelpText1,      U"Helvetica Neue", true,  true);
  button  (U"ClearField",   230, 234, 80,   20,    3,  Locks::None,         U"Clear",        &Window1::ClearField_Action);
  checkBox(U"AutoClear",    330, 234, 100,  20,    4,  Locks::None,         U"Auto Clear");
  label   (U"StaticText2",  20,  364, 410,  61,    5,  Locks::None,         kHelpText2,      U"Helvetica Neue", true,  true);
  label   (U"Label1",       20,  432, 410,  20,    6,  Locks::LeftTop,      kIconCredit,     U"System",         false, false);
  button  (U"Zendle2",      125, 234, 80,   20,    8,  Locks::None,         U"Complex",      &Window1::Zendle2_Action);
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
