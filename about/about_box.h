#pragma once

#include <memory>

#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/window.h"

// The About box: product name, running version, credits, and three buttons that hand the author's
// mail address, the web site and the order page to the system. It keeps no state and saves nothing.
class AboutBox final : public Window {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  std::shared_ptr<PushButton> PushButton1() const { return ControlAs<PushButton>(U"PushButton1"); }
  std::shared_ptr<PushButton> PushButton2() const { return ControlAs<PushButton>(U"PushButton2"); }
  std::shared_ptr<Label> StaticText2() const { return ControlAs<Label>(U"StaticText2"); }
  std::shared_ptr<Label> StaticText1() const { return ControlAs<Label>(U"StaticText1"); }
  std::shared_ptr<Label> StaticText3() const { return ControlAs<Label>(U"StaticText3"); }
  std::shared_ptr<Label> StaticText4() const { return ControlAs<Label>(U"StaticText4"); }
  std::shared_ptr<PushButton> Kagi() const { return ControlAs<PushButton>(U"Kagi"); }

  void PushButton1_Action(PushButton& sender);
  void PushButton2_Action(PushButton& sender);
  void StaticText4_Open(Label& sender);
  void Kagi_Action(PushButton& sender);

 protected:
  void Layout() override;
  void CreateControls() override;

 private:
  void CreateControls0();
};

// The implicit instance: the open About box, or a new one built and opened.
std::shared_ptr<class AboutBox> AboutBox();
