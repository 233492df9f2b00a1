#pragma once

#include <memory>

#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/window.h"

// The version panel "Self Test": the running long version and the button that starts the update
// check. It keeps no state; the update window closes it.
class selfTest final : public Window {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  std::shared_ptr<Label> Label1() const { return ControlAs<Label>(U"Label1"); }
  std::shared_ptr<Label> Label2() const { return ControlAs<Label>(U"Label2"); }
  std::shared_ptr<PushButton> PushButton1() const { return ControlAs<PushButton>(U"PushButton1"); }

  void Label2_Open(Label& sender);
  void PushButton1_Action(PushButton& sender);

 protected:
  void Layout() override;
  void CreateControls() override;

 private:
  void CreateControls0();
};

// The implicit instance: the open panel, or a new one built and opened.
std::shared_ptr<class selfTest> selfTest();
