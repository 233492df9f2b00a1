#include "framework/internet_headers.h"

String InternetHeaders::Value(const String& name) const {
  for (const auto& [key, value] : entries_) {
    if (SameText(key, name)) return value;
  }
  return {};
}
