#include "preferences/directive_class.h"

const ClassRecord& directiveClass::ClassInfo() {
  static const ClassRecord record{U"directiveClass", nullptr, {}, {}};
  return record;
}
