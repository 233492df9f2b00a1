#include "update_check/update_window.h"

#include "addresses/addresses.h"
#include "framework/application.h"
#include "framework/control_rows.h"
#include "framework/message_dialog.h"
#include "framework/msg_box.h"
#include "framework/show_url.h"
#include "main_window/window1.h"
#include "update_check/self_test.h"

namespace {
// The offer's sentences, each whole as the user reads it: ^1 is the offered version, ^2 the running one.
// clang-format off
constexpr char32_t kFreeOffer[] = U"Version ^1 is now available. (You are using version ^2.) This is a free upgrade. Would you like to automatically download this update (using your web browser)?";
constexpr char32_t kPaidOffer[] = U"Version ^1 is now available. (You are using version ^2.) This is a paid upgrade. Would you like to automatically download the trial version (using your web browser)?";
// clang-format on
}  // namespace

const ClassRecord& updateWindowhp::ClassInfo() {
  static const ClassRecord record{U"updateWindow.hp", &HTTPSocket::ClassInfo(), PublicMethods({{"Constructor", "(  )"}}), {}};
  return record;
}

const ClassRecord& updateWindow::ClassInfo() {
  static const ClassRecord record{U"updateWindow.updateWindow",
                                  &Window::ClassInfo(),
                                  PublicMethods({{"Layout", "(  )"},
                                                 {"CreateControls", "(  )"},
                                                 {"_CreateControls0", "(  )"},
                                                 {"Label1", "(  ) as Label"},
                                                 {"ProgressBar1", "(  ) as ProgressBar"},
                                                 {"hp", "(  ) as HTTPSocket"},
                                                 {"PushButton1", "(  ) as PushButton"},
                                                 {"hp_PageReceived", "( HTTPSocket, String, Int32, InternetHeaders, String )"},
                                                 {"hp_Error", "( HTTPSocket, Int32 )"},
                                                 {"PushButton1_Action", "( PushButton )"},
                                                 {"Event_Open", "(  )"},
                                                 {"startTag", "( String ) as String"},
                                                 {"endTag", "( String ) as String"},
                                                 {"askUpgrade", "( String, String, String, Boolean )"},
                                                 {"returnValue", "( String, String ) as String"}}),
                                  {{U"Layout", U"Layout"}, {U"CreateControls", U"CreateControls"}, {U"Open", U"Event_Open"}}};
  return record;
}

void updateWindow::Layout() {
  SetProperties(*this, WindowFrame()
                           .Text("Title", U"Update")
                           .Int("Width", 300)
                           .Int("Height", 120)
                           .Int("Frame", 1)
                           .Bool("MinimizeButton", true)
                           .Bool("LiveResize", false)
                           .Bytes());
}

void updateWindow::CreateControls() { CreateControls0(); }

// clang-format off
void updateWindow::CreateControls0() {
  auto label = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                   std::int32_t tabIndex, const String& text, const String& font, double size) {
    BuildControl<Label>(name, PlacedControl(left, top, width, height, tabIndex, Locks::LeftTop).Bool("TabStop", true)
        .Append(OnWindow()).Append(Upright()).Append(Font(font, false)).Text("Text", text).Int("TextAlign", 0).Colour("TextColor", 0x000000).Bool("Multiline", false).Bool("Selectable", false)
        .Bool("Transparent", false).Text("DataField", U"").Text("DataSource", U""),
        [size](Label& c) { c.SetTextSize(size); });
  };
  auto progressBar = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                         std::int32_t tabIndex, std::int32_t maximum) {
    BuildControl<ProgressBar>(name, PlacedControl(left, top, width, height, tabIndex, Locks::LeftTop).Bool("TabStop", true)
        .Append(OnWindow()).Int("Maximum", maximum).Int("Value", 0));
  };
  auto socket = [&](const String& name) {
    auto built = BuildControl<updateWindowhp>(name, PropertyList()
        .Int("Index", -2147483648).Text("InitialParent", U"").Bool("yield", false).Int("Port", 0).Text("Address", U""));
    built->PageReceived = Delegate(*this, name + U"_PageReceived", U"( HTTPSocket, String, Int32, InternetHeaders, String )",
                                   &updateWindow::hp_PageReceived);
    built->Error = Delegate(*this, name + U"_Error", U"( HTTPSocket, Int32 )", &updateWindow::hp_Error);
  };
  auto button = [&](const String& name, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                    std::int32_t tabIndex, const String& caption, bool isDefault, bool isCancel,
                    void (updateWindow::*action)(PushButton&)) {
    BuildControl<PushButton>(name, PlacedControl(left, top, width, height, tabIndex, Locks::LeftTop).Bool("TabStop", true)
        .Append(OnWindow()).Append(Upright()).Append(ButtonRows(caption, false, isDefault, isCancel)))
        ->Action = Delegate(*this, name + U"_Action", U"( PushButton )", action);
  };

  //           name             left top  width height tab  then the kind's own columns
  label      (U"Label1",        20,  19,  266,  20,    0,   U"Checking for update...", U"Arial", 12);
  progressBar(U"ProgressBar1",  20,  46,  260,  12,    1,   100);
  socket     (U"hp");
  //                                                        caption     default cancel
  button     (U"PushButton1",   208, 80,  72,   20,    3,   U"Cancel",  true,   true,  &updateWindow::PushButton1_Action);
}
// clang-format on

void updateWindow::Event_Open() {
  NotNil(ProgressBar1()).SetMaximum(0);
  NotNil(hp()).Get(UpdateURL());
  NotNil(::selfTest()).Close();
  NotNil(::Window1()).SetFocus();
}

void updateWindow::PushButton1_Action(PushButton&) { Close(); }

void updateWindow::hp_PageReceived(HTTPSocket&, const String&, std::int32_t, std::shared_ptr<InternetHeaders>, const String& content) {
  const String version = returnValue(content, U"CurrentVersion");
  // An empty reply, a server's error page or an empty tag names no version: there is nothing to
  // report, and an offer of "Version  " would call a failure an update.
  if (!NamesAVersion(version)) {
    Close();
    return;
  }
  const auto keep = shared_from_this();  // the window outlives the dialogs' own event loops
  const String description = returnValue(content, U"Description");
  const bool free = SameText(returnValue(content, U"Free"), U"Yes");
  NotNil(ProgressBar1()).SetVisible(false);

  const auto& app = NotNil(GetAppObject());
  if (IsCurrentVersion(version, app.MajorVersion(), app.MinorVersion(), app.BugVersion())) {
    NotNil(Label1()).SetText(U"This version is current.");
    NotNil(Label1()).Refresh(true);
    if (!automaticCheck) MsgBox(U"You are using the current version. No update is available.");
    Close();
    if (auto panel = OpenInstance<class selfTest>()) panel->Close();
    return;
  }
  // The update file names no download address, so the offer's action button takes the product's own.
  askUpgrade(version, description, kDownloadPage, free);
}

void updateWindow::hp_Error(HTTPSocket&, std::int32_t code) {
  Beep();
  const auto keep = shared_from_this();  // the window outlives the message box's own event loop
  MsgBox(U"There was a communication error with the website. Please try again later. (Code: " + Str(code) + U")");
  Close();
  if (auto panel = OpenInstance<class selfTest>()) panel->Close();
  NotNil(::Window1()).SetFocus();
}

void updateWindow::askUpgrade(const String& version, const String& description, const String& url, bool free) {
  MessageDialog offer;
  offer.Title = U"New version available!";
  offer.Message = free ? kFreeOffer : kPaidOffer;
  auto splice = [&](const String& mark, const String& piece) { offer.Message.replace(offer.Message.find(mark), mark.size(), piece); };
  splice(U"^2", NotNil(GetAppObject()).ShortVersion());
  splice(U"^1", VersionForSentence(version));  // last, so no mark in the version's own text is read
  offer.Explanation = description;
  offer.CancelButton->Visible = true;
  offer.AlternateActionButton->Caption = U"Go to Website";
  offer.AlternateActionButton->Visible = true;
  offer.Icon = MessageDialog::kQuestion;

  const auto pressed = offer.ShowModal();
  if (pressed == offer.CancelButton) {
    Close();
  } else if (pressed == offer.ActionButton) {
    ShowURL(url);
    Close();
  } else if (pressed == offer.AlternateActionButton) {
    ShowURL(kProductWebSite);
  }
}

std::shared_ptr<class updateWindow> updateWindow() { return ImplicitInstance<class updateWindow>(); }
