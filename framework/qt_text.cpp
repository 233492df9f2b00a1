#include "framework/qt_text.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr char32_t kReplacement = 0xFFFD;

// Eight characters cross at once, as UTF-16 units, when the block holds no surrogate and, for text
// with lines, no LF, and no LF follows it: then no CR LF pair is cut or joined, and every line break
// (CR too) becomes the other side's one break. Gives false, touching nothing, for any other block.
template <bool lines>
bool CrossWhole([[maybe_unused]] const char16_t* units, [[maybe_unused]] bool lfFollows, [[maybe_unused]] char16_t lineBreak,
                [[maybe_unused]] char16_t* to) {
#if defined(__SSE2__)
  auto all = [](int value) { return _mm_set1_epi16(static_cast<short>(value)); };
  __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
  __m128i refused = _mm_cmpeq_epi16(_mm_and_si128(v, all(0xF800)), all(0xD800));
  if constexpr (lines) {
    if (lfFollows) return false;
    refused = _mm_or_si128(refused, _mm_cmpeq_epi16(v, all(u'\n')));
    // U+2028 and U+2029, U+FDD0 and U+FDD1 differ in the last bit only.
    const __m128i odd = _mm_or_si128(v, all(1));
    const __m128i breaks =
        _mm_or_si128(_mm_cmpeq_epi16(v, all(u'\r')), _mm_or_si128(_mm_cmpeq_epi16(odd, all(0x2029)), _mm_cmpeq_epi16(odd, all(0xFDD1))));
    v = _mm_or_si128(_mm_andnot_si128(breaks, v), _mm_and_si128(breaks, all(lineBreak)));
  }
  if (_mm_movemask_epi8(refused) != 0) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to), v);
  return true;
#else
  return false;
#endif
}

// Eight code points as UTF-16 units in to, when all are in the BMP.
bool InBmp([[maybe_unused]] const char32_t* from, [[maybe_unused]] char16_t* to) {
#if defined(__SSE2__)
  const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 4));
  if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_srli_epi32(_mm_or_si128(a, b), 16), _mm_setzero_si128())) != 0xFFFF) return false;
  // Signed packing keeps every value below 0x10000 once it is moved down by 0x8000.
  const __m128i half = _mm_set1_epi32(0x8000);
  const __m128i units = _mm_packs_epi32(_mm_sub_epi32(a, half), _mm_sub_epi32(b, half));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_xor_si128(units, _mm_set1_epi16(static_cast<short>(0x8000))));
  return true;
#else
  return false;
#endif
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
    for (char16_t units[8]; i + 8 <= n && InBmp(&s[i], units) && CrossWhole<lines>(units, i + 8 < n && s[i + 8] == U'\n', u'\n', dst + at);
         i += 8, at += 8) {
    }
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

// One pass over s, in pieces that stay in the processor's cache before they are appended: the
// result is written once, never filled first.
template <bool lines>
String FromQt(QStringView s) {
  const auto* src = reinterpret_cast<const char16_t*>(s.data());
  const auto n = static_cast<std::size_t>(s.size());
  String out;
  out.reserve(n);
  constexpr std::size_t kPiece = 2048;
  char32_t piece[kPiece + 1];  // a CR LF pair at the end takes one unit more
  for (std::size_t i = 0; i < n;) {
    const std::size_t stop = std::min(n, i + kPiece);
    std::size_t at = 0;
    for (; i < stop; ++i) {
      for (char16_t units[8]; i + 8 <= stop && CrossWhole<lines>(src + i, i + 8 < n && src[i + 8] == u'\n', u'\r', units);
           i += 8, at += 8) {
        std::copy(units, units + 8, piece + at);
      }
      if (i == stop) break;
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
      piece[at++] = c;
    }
    out.append(piece, at);
  }
  return out;
}
}  // namespace

QString ToQString(const String& s) { return ToQt<false>(s); }
String FromQString(QStringView s) { return FromQt<false>(s); }
QString ToQtLines(const String& s) { return ToQt<true>(s); }
String FromQtLines(QStringView s) { return FromQt<true>(s); }
