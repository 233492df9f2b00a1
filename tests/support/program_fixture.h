#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/gui_helpers.h"

// Runs the program's real start-up, short of the event loop, in a fresh preferences folder; the
// test drives the windows, then everything is closed and released as at shutdown.
class ProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Hook for tests that prepare the preferences folder before start-up.
  virtual void BeforeStartup() {}

  std::unique_ptr<testing_support::TempConfigHome> config_;
};
