#pragma once

#include <memory>

#include "framework/application.h"

// The application object: loads the preferences when it opens and owns the two menu commands.
class App final : public Application {
 public:
  App() = default;  // the constructor has nothing to do

  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  bool EditAbout_Action();
  bool CheckforUpdateCheckNow_Action();

 protected:
  void Event_Open() override;
};

// The registered application object, or Nil before registration.
std::shared_ptr<class App> App();
