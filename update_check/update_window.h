#pragma once

#include <memory>

#include "framework/http_socket.h"
#include "framework/label.h"
#include "framework/progress_bar.h"
#include "framework/push_button.h"
#include "framework/window.h"
#include "update_check/update_reply.h"

// The class of the update window's socket control: it carries the control and no logic of the check.
class updateWindowhp final : public HTTPSocket {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }
};

// The movable modal window "Update". Opening it sends the one request for the update file; the
// request ends with the window, so no reply handler runs once it has closed.
class updateWindow final : public Window {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  std::shared_ptr<Label> Label1() const { return ControlAs<Label>(U"Label1"); }
  std::shared_ptr<ProgressBar> ProgressBar1() const { return ControlAs<ProgressBar>(U"ProgressBar1"); }
  std::shared_ptr<HTTPSocket> hp() const { return ControlAs<HTTPSocket>(U"hp"); }
  std::shared_ptr<PushButton> PushButton1() const { return ControlAs<PushButton>(U"PushButton1"); }

  void hp_PageReceived(HTTPSocket& sender, const String& url, std::int32_t httpStatus, std::shared_ptr<InternetHeaders> headers,
                       const String& content);
  void hp_Error(HTTPSocket& sender, std::int32_t code);
  void PushButton1_Action(PushButton& sender);

  // The text between the first <tag> and the next </tag> in the update file; empty when there is none.
  static String returnValue(const String& source, const String& tag) { return TagValue(source, tag); }

  // The upgrade offer, and what its buttons do.
  void askUpgrade(const String& version, const String& description, const String& url, bool free);

  // True leaves out the "current version" message box. Nothing sets it.
  bool automaticCheck = false;

 protected:
  void Layout() override;
  void CreateControls() override;
  void Event_Open() override;

 private:
  void CreateControls0();
};

// The implicit instance: the open update window, or a new one built and opened (which sends the request).
std::shared_ptr<class updateWindow> updateWindow();
