#include "update_check/update_reply.h"

#include <algorithm>

String StartTag(const String& tagName) { return U"<" + tagName + U">"; }

String EndTag(const String& tagName) { return U"</" + tagName + U">"; }

String TagValue(const String& source, const String& tag) {
  const std::int64_t p = InStr(source, StartTag(tag));
  if (p == 0) return U"";
  const std::int64_t s = p + Len(StartTag(tag));
  const std::int64_t e = InStr(s, source, EndTag(tag));
  if (e == 0) return U"";
  return Mid(source, s, e - s);
}

bool IsCurrentVersion(const String& version, std::int32_t major, std::int32_t minor, std::int32_t bug) {
  const std::int32_t running[] = {major, minor, bug};
  for (std::int64_t field = 1; field <= 3; ++field) {
    if (Val(NthField(version, U".", field)) != static_cast<double>(running[field - 1])) return false;
  }
  return true;
}

bool NamesAVersion(const String& version) {
  return std::any_of(version.begin(), version.end(), [](char32_t c) { return c != U' ' && c != U'\t' && !IsLineBreak(c); });
}

String VersionForSentence(const String& version) {
  // A version is a few characters; a longer one would push our own words out of the dialog.
  constexpr std::int64_t kMostShown = 64;
  String line = Len(version) > kMostShown ? Left(version, kMostShown) + U"\u2026" : version;
  for (auto& c : line) c = IsLineBreak(c) ? U' ' : c;
  return Isolated(line);
}
