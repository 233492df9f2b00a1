#pragma once

#include "framework/control.h"

class CheckBox : public RectControl {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  void SetCaption(const String& caption);
  bool Value() const;
  void SetValue(bool checked);

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
};
