#include "update_check/self_test.h"

const ClassRecord& selfTest::ClassInfo() {
  static const ClassRecord record{U"selfTest.selfTest", &Window::ClassInfo(), {}, {}};
  return record;
}

std::shared_ptr<class selfTest> selfTest() { return ImplicitInstance<class selfTest>(); }
