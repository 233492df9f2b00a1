#include "about/about_box.h"

#include "addresses/addresses.h"
#include "framework/application.h"
#include "framework/control_rows.h"
#include "framework/show_url.h"

namespace {
const String kCredits = U"Developed by:\rMira Okafor\r\rLead tester:\rTomas Lindqvist";
// Shown until the label opens and shows the running version.
const String kVersionPlaceholder = U"2.0.0 Intel";

}  // namespace

const ClassRecord& AboutBox::ClassInfo() {
  static const ClassRecord record{U"AboutBox.AboutBox",
                                  &Window::ClassInfo(),
                                  PublicMethods({{"Layout", "(  )"},
                                                 {"CreateControls", "(  )"},
                                                 {"_CreateControls0", "(  )"},
                                                 {"PushButton1", "(  ) as PushButton"},
                                                 {"PushButton2", "(  ) as PushButton"},
                                                 {"StaticText2", "(  ) as Label"},
                                                 {"StaticText1", "(  ) as Label"},
                                                 {"StaticText3", "(  ) as Label"},
                                                 {"StaticText4", "(  ) as Label"},
                                                 {"Kagi", "(  ) as PushButton"},
                                                 {"PushButton1_Action", "( PushButton )"},
                                                 {"PushButton2_Action", "( PushButton )"},
                                                 {"StaticText4_Open", "( Label )"},
                                                 {"Kagi_Action", "( PushButton )"}}),
                                  {{U"Layout", U"Layout"}, {U"CreateControls", U"CreateControls"}}};
  return record;
}

// Unlike the main window, the box sets no menu bar on itself.
void AboutBox::Layout() {
  SetProperties(*this, WindowFrame()
                           .Text("Title", U"About...")
                           .Int("Width", 264)
                           .Int("Height", 296)
                           .Int("Frame", 0)
                           .Bool("MinimizeButton", false)
                           .Bool("LiveResize", false)
                           .Bytes());
}

void AboutBox::CreateControls() { CreateControls0(); }

// clang-format off
void AboutBox::CreateControls0() {
  auto button = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                    std::int32_t tabIndex, const String& caption, bool isDefault, void (AboutBox::*action)(PushButton&)) {
    BuildControl<PushButton>(name, PlacedControl(left, top, width, height, tabIndex, Locks::None).Text("Name", name).Bool("TabStop", true)
        .Append(OnWindow()).Append(Upright()).Append(ButtonRows(caption, true, isDefault, false)))
        ->Action = Delegate(*this, name + U"_Action", U"( PushButton )", action);
  };
  // Size 0 leaves the framework's default size.
  auto label = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                   std::int32_t tabIndex, const String& text, const String& font, double size, bool bold, std::int32_t align,
                   bool multiline, void (AboutBox::*open)(Label&) = nullptr) {
    auto built = BuildControl<Label>(name, PlacedControl(left, top, width, height, tabIndex, Locks::None).Text("Name", name).Bool("TabStop", true)
        .Append(OnWindow()).Append(Upright()).Append(Font(font, bold))
        .Text("Text", text).Int("TextAlign", align).Bool("Multiline", multiline)
        .Text("DataField", U"").Text("DataSource", U"").Bool("Transparent", false).Bool("Selectable", false)
        .Colour("TextColor", 0x000000),
        [size](Label& c) { c.SetTextSize(size); });
    if (open) built->Open = Delegate(*this, name + U"_Open", U"( Label )", open);
  };

  //      name            left top  width height tab  caption               default
  button(U"PushButton1",  72,  180, 120,  22,    0,   U"Email Author",      false,  &AboutBox::PushButton1_Action);
  button(U"PushButton2",  72,  217, 120,  22,    1,   U"Visit Web Site",    false,  &AboutBox::PushButton2_Action);
  //      name            left top  width height tab  text                  font       size  bold   align  multiline
  label (U"StaticText2",  80,  86,  104,  87,    2,   kCredits,             U"System", 0,    false, 1,     true);
  label (U"StaticText1",  20,  20,  224,  45,    3,   U"Zendle II",         U"Arial",  30,   true,  1,     false);
  label (U"StaticText3",  77,  60,  50,   20,    4,   U"Version:",          U"Arial",  12,   true,  0,     false);
  label (U"StaticText4",  129, 60,  58,   20,    5,   kVersionPlaceholder,  U"Arial",  12,   true,  2,     false,  &AboutBox::StaticText4_Open);
  button(U"Kagi",         72,  254, 120,  22,    6,   U"Support Brevant",   true,   &AboutBox::Kagi_Action);
}
// clang-format on

void AboutBox::PushButton1_Action(PushButton&) { ShowURL(kAuthorMailto); }

void AboutBox::PushButton2_Action(PushButton&) { ShowURL(kWebSite); }

void AboutBox::Kagi_Action(PushButton&) { ShowURL(kOrderPage); }

void AboutBox::StaticText4_Open(Label& sender) { sender.SetText(NotNil(GetAppObject()).LongVersion()); }

std::shared_ptr<class AboutBox> AboutBox() { return ImplicitInstance<class AboutBox>(); }
