#pragma once

#include <memory>

#include "framework/window.h"

class updateWindow final : public Window {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }
};

std::shared_ptr<class updateWindow> updateWindow();
