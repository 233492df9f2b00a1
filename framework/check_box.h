#pragma once

#include "framework/control.h"

class CheckBox : public RectControl {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  void SetCaption(const String& caption);
  bool Value() const;
  void SetValue(bool checked);

  std::optional<PropertyKind> PropertyKindOf(std::string_view key) const override;
  void SetProperty(std::string_view key, const PropertyValue& value) override;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
};
