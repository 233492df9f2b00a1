#include "update_check/update_window.h"

const ClassRecord& updateWindow::ClassInfo() {
  static const ClassRecord record{U"updateWindow.updateWindow", &Window::ClassInfo(), {}, {}};
  return record;
}

std::shared_ptr<class updateWindow> updateWindow() { return ImplicitInstance<class updateWindow>(); }
