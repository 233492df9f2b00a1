#include "framework/string.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

String Chr(std::uint32_t code) { return String(1, static_cast<char32_t>(code)); }

std::int64_t Len(const String& s) { return static_cast<std::int64_t>(s.size()); }

std::int64_t InStr(std::int64_t start, const String& source, const String& find) {
  if (find.empty()) return 0;
  const std::int64_t from = start <= 1 ? 0 : start - 1;
  if (from >= Len(source)) return 0;
  const auto pos = source.find(find, static_cast<std::size_t>(from));
  return pos == String::npos ? 0 : static_cast<std::int64_t>(pos) + 1;
}

std::int64_t InStr(const String& source, const String& find) { return InStr(0, source, find); }

String Left(const String& s, std::int64_t count) {
  if (count <= 0) return {};
  return s.substr(0, static_cast<std::size_t>(count));
}

String Right(const String& s, std::int64_t count) {
  if (count <= 0) return {};
  if (count >= Len(s)) return s;
  return s.substr(s.size() - static_cast<std::size_t>(count));
}

String Mid(const String& s, std::int64_t start, std::int64_t count) {
  if (start < 1) start = 1;
  if (start > Len(s)) return {};
  const auto from = static_cast<std::size_t>(start - 1);
  return count < 0 ? s.substr(from) : s.substr(from, static_cast<std::size_t>(count));
}

String NthField(const String& s, const String& separator, std::int64_t n) {
  if (n < 1) return {};
  if (separator.empty()) return n == 1 ? s : String{};
  std::size_t from = 0;
  for (std::int64_t field = 1; field < n; ++field) {
    const auto at = s.find(separator, from);
    if (at == String::npos) return {};
    from = at + separator.size();
  }
  const auto end = s.find(separator, from);
  return s.substr(from, end == String::npos ? String::npos : end - from);
}

namespace {
// For a number out of a double's range: whether it lies below it (toward 0) rather than above.
// That follows from the decimal exponent of its first significant digit.
bool TooSmallForADouble(std::string_view number) {
  const auto e = number.find('e');
  std::int64_t exponent = 0;
  if (e != std::string_view::npos) {
    const char* from = number.data() + e + 1;
    const char* end = number.data() + number.size();
    if (*from == '+') ++from;
    // An exponent beyond 64 bits dwarfs any count of digits.
    if (std::from_chars(from, end, exponent).ec == std::errc::result_out_of_range) exponent = *from == '-' ? -(1LL << 62) : 1LL << 62;
  }
  const std::string_view mantissa = number.substr(0, e);
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return true;
  const std::int64_t magnitude = first < point ? static_cast<std::int64_t>(point - first) - 1 : -static_cast<std::int64_t>(first - point);
  return exponent + magnitude < 0;
}
}  // namespace

double Val(const String& s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == U' ' || s[i] == U'\t')) ++i;
  // Only the number's own characters are copied, so a huge text costs no more than its prefix.
  std::string number;
  auto take = [&](auto pred) {
    std::size_t n = 0;
    while (i < s.size() && pred(s[i])) number.push_back(static_cast<char>(s[i++])), ++n;
    return n;
  };
  auto isDigit = [](char32_t c) { return c >= U'0' && c <= U'9'; };
  take([&](char32_t c) { return number.empty() && (c == U'-' || c == U'+'); });
  std::size_t digits = take(isDigit);
  if (i < s.size() && s[i] == U'.') {
    number.push_back('.');
    ++i;
    digits += take(isDigit);
  }
  if (digits == 0) return 0.0;
  if (i + 1 < s.size() && (s[i] == U'e' || s[i] == U'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == U'-' || s[j] == U'+')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      number.push_back('e');
      ++i;
      take([&](char32_t c) { return number.back() == 'e' && (c == U'-' || c == U'+'); });
      take(isDigit);
    }
  }
  if (number.front() == '+') number.erase(0, 1);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (TooSmallForADouble(number)) return 0.0;
    return number.front() == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  return value;
}

std::int32_t ToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

String Str(std::int64_t value) { return FromLatin1(std::to_string(value)); }

String FromUtf8(std::string_view bytes) {
  String out;
  out.reserve(bytes.size());
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    std::size_t need = 0;
    char32_t cp = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF)
      need = 1, cp = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF) {
      need = 2, cp = b & 0x0F;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      need = 3, cp = b & 0x07;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    }
    ++i;
    if (need == 0) {
      out.push_back(0xFFFD);
      continue;
    }
    std::size_t got = 0;
    while (got < need && i < n) {
      const unsigned char c = p[i];
      if (c < lo || c > hi) break;
      cp = (cp << 6) | (c & 0x3F);
      lo = 0x80, hi = 0xBF;
      ++i, ++got;
    }
    out.push_back(got == need ? cp : 0xFFFD);
  }
  return out;
}

std::string ToUtf8(const String& s) {
  std::string out;
  out.reserve(s.size());
  for (char32_t c : s) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

String FromLatin1(std::string_view bytes) {
  String out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) out.push_back(b);
  return out;
}
