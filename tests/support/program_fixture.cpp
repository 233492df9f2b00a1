#include "tests/support/program_fixture.h"

#include "app/startup.h"
#include "framework/window.h"
#include "preferences/pref_module.h"

void ProgramFixture::SetUp() {
  config_ = std::make_unique<testing_support::TempConfigHome>();
  prefModule::Window1Top = 0;
  prefModule::Window1Left = 0;
  BeforeStartup();
  StartProgram(0, nullptr);
  testing_support::ProcessEvents();
}

void ProgramFixture::TearDown() {
  // Close newest first, so the main window (whose Close event quits) goes last.
  auto windows = OpenWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->Close();
  testing_support::ProcessEvents();
  StopProgram();
  config_.reset();
}
