#include "framework/string.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

TEST(String, nthFieldValAndToInt32AtTheEdges) {
  EXPECT_EQ(NthField(U"100", U",", 2), U"");
  EXPECT_EQ(NthField(U"1..3", U".", 2), U"");
  EXPECT_EQ(NthField(U"1..3", U".", 3), U"3");
  EXPECT_EQ(NthField(U"a", U",", 0), U"");

  EXPECT_EQ(Val(U" 7x"), 7.0);
  EXPECT_EQ(Val(U"2.5.1"), 2.5);
  EXPECT_EQ(Val(U"1e"), 1.0);
  EXPECT_EQ(Val(U"-"), 0.0);
  EXPECT_EQ(Val(U"0x10"), 0.0) << "no hexadecimal";
  EXPECT_EQ(Val(U"inf"), 0.0);
  EXPECT_EQ(Val(U"1" + String(400, U'0')), std::numeric_limits<double>::infinity());
  // Beyond a double's range a number is infinite when too large, and 0 when too small.
  const std::pair<String, double> outOfRange[] = {
      {U"1e400", std::numeric_limits<double>::infinity()},
      {U"-1e400", -std::numeric_limits<double>::infinity()},
      {U"1e-400", 0.0},
      {U"-1e-400", 0.0},
      {U"+1e-99999999999999999999999", 0.0},
      {U"0.00001e+1e-400", 0.0001},
      {U"0." + String(400, U'0') + U"1", 0.0},
      {U"0." + String(400, U'0') + U"1e+800", std::numeric_limits<double>::infinity()},
      {U"1" + String(400, U'0') + U"e-800", 0.0},
      {U"1" + String(400, U'0') + U"e-50", std::numeric_limits<double>::infinity()},
  };
  for (const auto& [text, value] : outOfRange) EXPECT_EQ(Val(text), value) << ToUtf8(text);

  EXPECT_EQ(ToInt32(std::numeric_limits<double>::infinity()), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ToInt32(-999999999999.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(ToInt32(-12.9), -12);
}

TEST(String, utf8DecodingReplacesInvalidSequences) {
  EXPECT_EQ(FromUtf8("\xC3"), U"\uFFFD") << "truncated at the end";
  EXPECT_EQ(FromUtf8("\xC3x"), U"\uFFFDx") << "the byte after a broken sequence survives";
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD") << "surrogates are not characters";
  EXPECT_EQ(FromUtf8("\xC0\xAF"), U"\uFFFD\uFFFD") << "overlong forms are rejected";
  EXPECT_EQ(FromUtf8(std::string("a\0b", 3)), String(U"a\0b", 3));
  EXPECT_EQ(ToUtf8(String(1, static_cast<char32_t>(0xD800))), "\xEF\xBF\xBD");
}

TEST(String, isolatedTextCannotLeaveItsIsolate) {
  const std::pair<String, String> cases[] = {
      {U"3.0.0", U"3.0.0"},  // nothing in it can turn the words around it
      {U"", U""},
      {U"\u0627", U"\u2068\u0627\u2069"},
      {U"3.0\u202Egnp.exe", U"\u20683.0\u202Egnp.exe\u2069"},
      {U"\u2069\u202Ex", U"\u2068\u202Ex\u2069"},
      {U"\u2067a\u2066b", U"\u2068\u2067a\u2066b\u2069\u2069\u2069"},
      {U"\u2066a\u2069\u2069b", U"\u2068\u2066a\u2069b\u2069"},
  };
  for (const auto& [text, isolated] : cases) EXPECT_EQ(Isolated(text), isolated) << ToUtf8(text);
  // Right-to-left letters and marks, and every direction control.
  for (char32_t c : {0x05D0, 0x061C, 0x200E, 0x200F, 0x202A, 0x202B, 0x202C, 0x202D, 0x202E, 0x2066, 0x2067, 0x2068, 0x2069}) {
    EXPECT_EQ(Isolated(U"1" + Chr(c)).substr(0, 3), U"\u20681" + Chr(c)) << std::hex << static_cast<std::uint32_t>(c);
  }
}
