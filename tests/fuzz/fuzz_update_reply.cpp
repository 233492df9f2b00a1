// Any reply body as the update check reads it: each tag value is a piece of the text that starts
// right after its start tag and holds no end tag, and the version comparison takes any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "update_check/update_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const String content = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const String tag : {U"CurrentVersion", U"Description", U"Free"}) {
    const String value = TagValue(content, tag);
    if (value.empty()) continue;
    const String start = StartTag(tag);
    const auto at = content.find(start);
    if (at == String::npos || content.compare(at + start.size(), value.size(), value) != 0) std::abort();
    if (value.find(EndTag(tag)) != String::npos) std::abort();
  }
  const String version = TagValue(content, U"CurrentVersion");
  if (IsCurrentVersion(version, 2, 0, 0) && IsCurrentVersion(version, 2, 0, 1)) std::abort();
  return 0;
}
