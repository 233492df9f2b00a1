#pragma once

// The header lines of an HTTP reply, in the order they arrived. Names keep their spelling; the
// look-up by name ignores letter case, as HTTP does.

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/string.h"

class InternetHeaders final {
 public:
  void AppendHeader(const String& name, const String& value) { entries_.emplace_back(name, value); }

  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  // The value of the first header of that name, or empty.
  String Value(const String& name) const;

 private:
  std::vector<std::pair<String, String>> entries_;
};
