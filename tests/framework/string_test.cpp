#include "framework/string.h"

#include <gtest/gtest.h>

#include <limits>

TEST(String, positionsCountCharactersNotBytes) {
  const String s = U"\u00C2\u00A0>x\U0001F600y";
  EXPECT_EQ(Len(s), 6);
  EXPECT_EQ(InStr(s, U">"), 3);
  EXPECT_EQ(InStr(s, U"y"), 6);
  EXPECT_EQ(Mid(s, 4, 2), U"x\U0001F600");
  EXPECT_EQ(FromUtf8(ToUtf8(s)), s);
}

TEST(String, inStrStartAndAbsence) {
  EXPECT_EQ(InStr(0, U"abcabc", U"bc"), 2);
  EXPECT_EQ(InStr(1, U"abcabc", U"bc"), 2);
  EXPECT_EQ(InStr(3, U"abcabc", U"bc"), 5);
  EXPECT_EQ(InStr(6, U"abcabc", U"bc"), 0);
  EXPECT_EQ(InStr(99, U"abc", U"a"), 0);
  EXPECT_EQ(InStr(U"abc", U"B"), 0) << "InStr matches letter case exactly";
  EXPECT_EQ(InStr(U"abc", U""), 0);
  EXPECT_EQ(InStr(U"", U"a"), 0);
}

TEST(String, leftRightMidClampAtTheEdges) {
  EXPECT_EQ(Left(U"abc", 0), U"");
  EXPECT_EQ(Left(U"abc", 5), U"abc");
  EXPECT_EQ(Right(U"abc", 0), U"");
  EXPECT_EQ(Right(U"abc", 2), U"bc");
  EXPECT_EQ(Right(U"abc", 9), U"abc");
  EXPECT_EQ(Mid(U"abc", 2), U"bc");
  EXPECT_EQ(Mid(U"abc", 4, 1), U"");
  EXPECT_EQ(Mid(U"", 1, 1), U"");
}

TEST(String, nthFieldAndVal) {
  EXPECT_EQ(NthField(U"100", U",", 1), U"100");
  EXPECT_EQ(NthField(U"100", U",", 2), U"");
  EXPECT_EQ(NthField(U"1,2,3", U",", 2), U"2");
  EXPECT_EQ(NthField(U"1..3", U".", 2), U"");
  EXPECT_EQ(NthField(U"1..3", U".", 3), U"3");
  EXPECT_EQ(NthField(U"a", U",", 0), U"");

  EXPECT_EQ(Val(U"120"), 120.0);
  EXPECT_EQ(Val(U"-22"), -22.0);
  EXPECT_EQ(Val(U" 7x"), 7.0);
  EXPECT_EQ(Val(U"2.5.1"), 2.5);
  EXPECT_EQ(Val(U"007"), 7.0);
  EXPECT_EQ(Val(U"1e3"), 1000.0);
  EXPECT_EQ(Val(U"1e"), 1.0);
  EXPECT_EQ(Val(U"abc"), 0.0);
  EXPECT_EQ(Val(U""), 0.0);
  EXPECT_EQ(Val(U"-"), 0.0);
  EXPECT_EQ(Val(U"0x10"), 0.0) << "no hexadecimal";
  EXPECT_EQ(Val(U"inf"), 0.0);
  EXPECT_EQ(Val(U"1" + String(400, U'0')), std::numeric_limits<double>::infinity());
}

TEST(String, toInt32SaturatesAndTruncates) {
  EXPECT_EQ(ToInt32(999999999999.0), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ToInt32(-999999999999.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ToInt32(std::numeric_limits<double>::infinity()), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(ToInt32(12.9), 12);
  EXPECT_EQ(ToInt32(-12.9), -12);
  EXPECT_EQ(ToInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
}

TEST(String, sameTextIgnoresLetterCaseOnly) {
  EXPECT_TRUE(SameText(U"Yes", U"yES"));
  EXPECT_TRUE(SameText(U"\u00C4rger", U"\u00E4RGER"));
  EXPECT_FALSE(SameText(U"Yes ", U"Yes"));
  EXPECT_FALSE(SameText(U"Yes", U"Yep"));
  EXPECT_EQ(Lowercase(U"Window1Position"), U"window1position");
}

TEST(String, utf8DecodingReplacesInvalidSequences) {
  EXPECT_EQ(FromUtf8("a\xC3\xA9z"), U"a\u00E9z");
  EXPECT_EQ(FromUtf8("\xFF"), U"\uFFFD");
  EXPECT_EQ(FromUtf8("\xC3"), U"\uFFFD") << "truncated at the end";
  EXPECT_EQ(FromUtf8("\xC3x"), U"\uFFFDx") << "the byte after a broken sequence survives";
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD") << "surrogates are not characters";
  EXPECT_EQ(FromUtf8("\xC0\xAF"), U"\uFFFD\uFFFD") << "overlong forms are rejected";
  EXPECT_EQ(FromUtf8(std::string("a\0b", 3)), String(U"a\0b", 3));
  EXPECT_EQ(ToUtf8(String(1, static_cast<char32_t>(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(Str(-2147483648LL), U"-2147483648");
  EXPECT_EQ(Chr(194), U"\u00C2");
}
