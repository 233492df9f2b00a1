#pragma once

#include <memory>

#include "framework/window.h"

class AboutBox final : public Window {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }
};

std::shared_ptr<class AboutBox> AboutBox();
