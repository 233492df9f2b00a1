#pragma once

#include <functional>

#include "framework/control.h"

class PushButton : public RectControl {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  void SetCaption(const String& caption);
  // Return presses the window's default button, Escape its cancel button.
  void SetDefault(bool on);
  void SetCancel(bool on) { cancel_ = on; }
  bool AnswerWindowKey(WindowKey key) override;

  // Fires the Action event as a click would.
  void Push();

  std::function<void(PushButton&)> Action;

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;

 private:
  bool default_ = false, cancel_ = false;
};
