#include "app/app.h"

#include "about/about_box.h"
#include "preferences/pref_module.h"

const ClassRecord& App::ClassInfo() {
  static const ClassRecord record{U"App",
                                  &Application::ClassInfo(),
                                  PublicMethods({{"Event_Open", "(  )"},
                                                 {"_EditAbout_Action", "(  ) as Boolean"},
                                                 {"_CheckforUpdateCheckNow_Action", "(  ) as Boolean"},
                                                 {"Constructor", "(  )"}}),
                                  {{U"Open", U"Event_Open"}}};
  return record;
}

void App::Event_Open() { prefModule::loadPrefs(); }

bool App::EditAbout_Action() {
  NotNil(::AboutBox()).Show();
  return true;
}

bool App::CheckforUpdateCheckNow_Action() { return true; }

std::shared_ptr<class App> App() { return std::dynamic_pointer_cast<class App>(GetAppObject()); }
