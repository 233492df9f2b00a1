#include "about/about_box.h"

const ClassRecord& AboutBox::ClassInfo() {
  static const ClassRecord record{U"AboutBox.AboutBox", &Window::ClassInfo(), {}, {}};
  return record;
}

std::shared_ptr<class AboutBox> AboutBox() { return ImplicitInstance<class AboutBox>(); }
