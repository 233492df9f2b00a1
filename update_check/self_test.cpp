#include "update_check/self_test.h"

#include "framework/application.h"
#include "framework/control_rows.h"
#include "update_check/update_window.h"

const ClassRecord& selfTest::ClassInfo() {
  static const ClassRecord record{U"selfTest.selfTest",
                                  &Window::ClassInfo(),
                                  PublicMethods({{"Layout", "(  )"},
                                                 {"CreateControls", "(  )"},
                                                 {"_CreateControls0", "(  )"},
                                                 {"Label1", "(  ) as Label"},
                                                 {"Label2", "(  ) as Label"},
                                                 {"PushButton1", "(  ) as PushButton"},
                                                 {"Label2_Open", "( Label )"},
                                                 {"PushButton1_Action", "( PushButton )"}}),
                                  {{U"Layout", U"Layout"}, {U"CreateControls", U"CreateControls"}}};
  return record;
}

void selfTest::Layout() {
  SetProperties(*this, WindowFrame()
                           .Text("Title", U"Self Test")
                           .Int("Width", 212)
                           .Int("Height", 102)
                           .Int("Frame", 0)
                           .Bool("MinimizeButton", false)
                           .Bool("LiveResize", false)
                           .Bytes());
}

void selfTest::CreateControls() { CreateControls0(); }

// clang-format off
void selfTest::CreateControls0() {
  auto label = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                   std::int32_t tabIndex, const String& text, std::int32_t align, void (selfTest::*open)(Label&) = nullptr) {
    auto built = BuildControl<Label>(name, PlacedControl(left, top, width, height, tabIndex, Locks::LeftTop).Bool("TabStop", true)
        .Append(Font(U"System", true)).Text("Text", text).Int("TextAlign", align)
        .Bool("Multiline", false).Bool("Selectable", false).Bool("Transparent", false).Colour("TextColor", 0x000000));
    if (open) built->Open = Delegate(*this, name + U"_Open", U"( Label )", open);
  };
  auto button = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                    std::int32_t tabIndex, const String& caption, bool isDefault, void (selfTest::*action)(PushButton&)) {
    BuildControl<PushButton>(name, PlacedControl(left, top, width, height, tabIndex, Locks::LeftTop).Bool("TabStop", true)
        .Append(ButtonRows(caption, true, isDefault, false)))
        ->Action = Delegate(*this, name + U"_Action", U"( PushButton )", action);
  };

  //      name            left top  width height tab  text or caption         align
  label (U"Label1",       33,  20,  61,   20,    0,   U"Version:",            0);
  label (U"Label2",       103, 20,  76,   20,    1,   U"2.0.0 Intel",         2,     &selfTest::Label2_Open);
  //                                                                          default
  button(U"PushButton1",  28,  61,  157,  21,    2,   U"Check for Updates",   true,  &selfTest::PushButton1_Action);
}
// clang-format on

void selfTest::Label2_Open(Label& sender) { sender.SetText(NotNil(GetAppObject()).LongVersion()); }

void selfTest::PushButton1_Action(PushButton&) { NotNil(::updateWindow()).Show(); }

std::shared_ptr<class selfTest> selfTest() { return ImplicitInstance<class selfTest>(); }
