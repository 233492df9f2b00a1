#include <QChar>
#include <algorithm>

#include "framework/string.h"

// The string functions that need Unicode's character tables, which come from Qt; the rest of the
// text functions, in string.cpp, need no library at all.

String Lowercase(const String& s) {
  String out(s);
  for (auto& c : out) c = static_cast<char32_t>(QChar::toLower(static_cast<char32_t>(c)));
  return out;
}

bool SameText(const String& a, const String& b) {
  if (a.size() != b.size()) return Lowercase(a) == Lowercase(b);
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && QChar::toLower(a[i]) != QChar::toLower(b[i])) return false;
  }
  return true;
}

namespace {
// A right-to-left letter or mark, or a direction control: what can turn the words after it.
bool TurnsDirection(char32_t c) {
  switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirLRE:
    case QChar::DirRLE:
    case QChar::DirPDF:
    case QChar::DirLRO:
    case QChar::DirRLO:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
      return true;
    default:
      return c == 0x200E;  // the left-to-right mark, a letter to Qt
  }
}
}  // namespace

String Isolated(const String& text) {
  if (std::none_of(text.begin(), text.end(), TurnsDirection)) return text;
  constexpr char32_t kFirstStrongIsolate = 0x2068, kPopDirectionalIsolate = 0x2069;
  String out(1, kFirstStrongIsolate);
  std::size_t open = 0;
  for (char32_t c : text) {
    if (c >= 0x2066 && c <= kFirstStrongIsolate) {
      ++open;
    } else if (c == kPopDirectionalIsolate) {
      if (open == 0) continue;  // it would end our isolate early
      --open;
    }
    out += c;
  }
  out.append(open + 1, kPopDirectionalIsolate);
  return out;
}
