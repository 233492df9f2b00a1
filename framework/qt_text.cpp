#include "framework/qt_text.h"

#include <algorithm>

namespace {
constexpr char32_t kReplacement = 0xFFFD;

constexpr bool IsLineBreak(char32_t c) { return c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1; }

// Below the first line break that is not a control character, above the control line breaks, in
// the BMP and no surrogate: a character that crosses as it stands either way.
constexpr bool Ordinary(char32_t c) { return c - 0x0E < 0x2028 - 0x0E; }

// Copies the ordinary characters at src[i...] eight at a time, while eight are left; the compiler
// turns both loops into vector instructions.
template <class From, class To>
void CopyOrdinary(const From* src, std::size_t n, std::size_t& i, To* dst, std::size_t& at) {
  for (; i + 8 <= n; i += 8, at += 8) {
    bool ordinary = true;
    for (std::size_t k = 0; k < 8; ++k) ordinary &= Ordinary(src[i + k]);
    if (!ordinary) return;
    for (std::size_t k = 0; k < 8; ++k) dst[at + k] = static_cast<To>(src[i + k]);
  }
}

// One pass over s. The buffer starts with one unit per character, which is always enough for the
// rest of the text as long as no character beyond the BMP comes; such a character, taking two,
// grows it.
template <bool lines>
QString ToQt(const String& s) {
  const std::size_t n = s.size();
  QString out(static_cast<qsizetype>(n), Qt::Uninitialized);
  char16_t* dst = reinterpret_cast<char16_t*>(out.data());
  std::size_t at = 0, room = n;
  for (std::size_t i = 0; i < n; ++i) {
    CopyOrdinary(s.data(), n, i, dst, at);
    if (i == n) break;
    char32_t c = s[i];
    if (c < 0x10000) {
      if constexpr (lines) {
        if (IsLineBreak(c)) {
          if (c == U'\r' && i + 1 < n && s[i + 1] == U'\n') ++i;
          c = U'\n';
        }
      }
      if (c >= 0xD800 && c <= 0xDFFF) c = kReplacement;
      dst[at++] = static_cast<char16_t>(c);
    } else if (c > 0x10FFFF) {
      dst[at++] = kReplacement;
    } else {
      if (room - at < n - i + 1) {
        room = std::max(room + room / 2, at + n - i + 1);
        out.resize(static_cast<qsizetype>(room));
        dst = reinterpret_cast<char16_t*>(out.data());
      }
      dst[at++] = QChar::highSurrogate(c);
      dst[at++] = QChar::lowSurrogate(c);
    }
  }
  out.truncate(static_cast<qsizetype>(at));
  return out;
}

template <bool lines>
String FromQt(QStringView s) {
  const auto* src = reinterpret_cast<const char16_t*>(s.data());
  const auto n = static_cast<std::size_t>(s.size());
  String out(n, U'\0');
  char32_t* dst = out.data();
  std::size_t at = 0;
  for (std::size_t i = 0; i < n; ++i) {
    CopyOrdinary(src, n, i, dst, at);
    if (i == n) break;
    char32_t c = src[i];
    if (c >= 0xD800 && c <= 0xDFFF) {
      if (c <= 0xDBFF && i + 1 < n && src[i + 1] >= 0xDC00 && src[i + 1] <= 0xDFFF)
        c = QChar::surrogateToUcs4(static_cast<char16_t>(c), src[++i]);
      else
        c = kReplacement;
    } else if constexpr (lines) {
      if (IsLineBreak(c)) {
        if (c == U'\r' && i + 1 < n && src[i + 1] == u'\n') ++i;
        c = U'\r';
      }
    }
    dst[at++] = c;
  }
  out.resize(at);
  return out;
}
}  // namespace

QString ToQString(const String& s) { return ToQt<false>(s); }
String FromQString(QStringView s) { return FromQt<false>(s); }
QString ToQtLines(const String& s) { return ToQt<true>(s); }
String FromQtLines(QStringView s) { return FromQt<true>(s); }
