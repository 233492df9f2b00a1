#include "framework/internet_headers.h"

String InternetHeaders::Name(std::int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return entries_[static_cast<std::size_t>(index)].first;
}

String InternetHeaders::Value(std::int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return entries_[static_cast<std::size_t>(index)].second;
}

String InternetHeaders::Value(const String& name) const {
  for (const auto& [key, value] : entries_) {
    if (SameText(key, name)) return value;
  }
  return {};
}
