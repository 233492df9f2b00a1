#pragma once

#include <functional>

#include "framework/control.h"

// Static text. Always plain text: nothing it shows is read as markup.
class Label : public RectControl {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  String Text() const;
  void SetText(const String& text);
  void SetTextAlign(std::int32_t align);  // 0 left, 1 centred, 2 right
  void SetMultiline(bool on);

  // Fires when the window opens, before the window's own Open event.
  std::function<void(Label&)> Open;
  void WindowOpening() override;

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
};
