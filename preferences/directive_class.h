#pragma once

#include "framework/class_record.h"

// One directive line of the preferences file: "#name text".
class directiveClass {
 public:
  static const ClassRecord& ClassInfo();

  String name;  // lower case
  String text;  // everything after the first blank, as read
};
