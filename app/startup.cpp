#include "app/startup.h"

#include "about/about_box.h"
#include "app/app.h"
#include "framework/class_order.h"
#include "framework/dispatch.h"
#include "framework/exceptions.h"
#include "framework/runtime.h"
#include "main_window/window1.h"
#include "menu_bar/menu_bar1.h"
#include "preferences/pref_module.h"
#include "update_check/self_test.h"
#include "update_check/update_window.h"

namespace {
// Builds every class record and the module globals that need set-up.
void initialize() {
  RuntimeInitClasses();
  BuildClassRecords({&App::ClassInfo, &Window1::ClassInfo, &MenuBar1::ClassInfo, &AboutBox::ClassInfo, &selfTest::ClassInfo,
                     &updateWindow::ClassInfo, &updateWindowhp::ClassInfo});
  prefModule::InitDirectives();
  BuildClassRecords({&directiveClass::ClassInfo});
}

// The exception-handling hook handed to the framework.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  try {
    function(argument);
    return nullptr;
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
}

void InitFileTypes() {}

void NewAppInstance() {
  auto app = std::make_shared<class App>();
  app->SetMenuBar(MenuBar1());
  RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {
  auto app = App();
  auto& a = NotNil(app);
  const ClassRecord& record = a.Record();
  const String signature = U"(  ) as Boolean";
  a.AddMenuHandler(U"EditAbout", Delegate(record, U"_EditAbout_Action", signature, [&a] { return a.EditAbout_Action(); }));
  a.AddMenuHandler(U"CheckforUpdateCheckNow",
                   Delegate(record, U"_CheckforUpdateCheckNow_Action", signature, [&a] { return a.CheckforUpdateCheckNow_Action(); }));
}

void EarlyStartup() {
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void MakeDefaultView() { Window1(); }

void LateStartup() { MakeDefaultView(); }

// Releases the module globals.
void finalize() {
  RuntimeFinalize();
  MenuBar1::implicitInstanceExit();
  prefModule::ReleaseDirectives();
}
}  // namespace

void StartProgram(int argc, char** argv) {
  RuntimeInit(argc, argv);
  initialize();
  RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
  // Under the hook, so a failure here is reported like any other, not a silent terminate.
  Dispatch(&EarlyStartup);
  RunFrameworkInitialization(&LateStartup);
}

int StopProgram() {
  finalize();
  return RuntimeExit();
}
