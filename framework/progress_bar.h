#pragma once

#include "framework/control.h"

class ProgressBar : public RectControl {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  void SetMaximum(std::int32_t maximum);  // 0: a bar that moves without measuring
  void SetValue(std::int32_t value);

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
};
