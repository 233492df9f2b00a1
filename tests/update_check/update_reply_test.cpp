#include <gtest/gtest.h>

#include "update_check/update_window.h"

namespace {
String Value(const String& source, const String& tag) { return updateWindow::returnValue(source, tag); }
}  // namespace

TEST(UpdateReply, aTagValueIsTheTextUpToTheFirstEndTagAfterTheFirstStartTag) {
  EXPECT_EQ(Value(U"<Free>Yes</Free>", U"Free"), U"Yes");
  EXPECT_EQ(Value(U"x<A>1</A><A>2</A>", U"A"), U"1") << "the first pair wins";
  EXPECT_EQ(Value(U"<A>a<A>b</A>", U"A"), U"a<A>b") << "a second start tag is part of the value";
  EXPECT_EQ(Value(U"</A><A>v</A>", U"A"), U"v") << "an end tag before the start tag does not count";
  EXPECT_EQ(Value(U"</A> <A>v", U"A"), U"");
  EXPECT_EQ(Value(U"<A>v", U"A"), U"") << "no end tag";
  EXPECT_EQ(Value(U"v</A>", U"A"), U"") << "no start tag";
  EXPECT_EQ(Value(U"<A></A>", U"A"), U"");
  EXPECT_EQ(Value(U"<A>", U"A"), U"");
  EXPECT_EQ(Value(U"<a>v</a>", U"A"), U"") << "tag names match letter case exactly";
  EXPECT_EQ(Value(U"<D>\u00E9 \U0001F600\r\n two</D>", U"D"), U"\u00E9 \U0001F600\r\n two") << "verbatim, counted in characters";
  EXPECT_EQ(Value(U"<D> &amp; </D>", U"D"), U" &amp; ");
}

TEST(UpdateReply, versionsCompareFieldByFieldAsNumbersForEquality) {
  EXPECT_TRUE(IsCurrentVersion(U"2.0.0", 2, 0, 0));
  EXPECT_TRUE(IsCurrentVersion(U"02.00.000", 2, 0, 0)) << "leading zeros";
  EXPECT_TRUE(IsCurrentVersion(U"2.0.0.9", 2, 0, 0)) << "a fourth field is ignored";
  EXPECT_TRUE(IsCurrentVersion(U"2.0", 2, 0, 0)) << "a missing field reads 0";
  EXPECT_FALSE(IsCurrentVersion(U"2.0", 2, 0, 1));
  EXPECT_FALSE(IsCurrentVersion(U"1.9.9", 2, 0, 0)) << "lower counts as different";
  EXPECT_FALSE(IsCurrentVersion(U"2.0.1", 2, 0, 0));
  EXPECT_FALSE(IsCurrentVersion(U"10.0.0", 1, 0, 0)) << "numbers, not texts";
  EXPECT_TRUE(IsCurrentVersion(U" 2.0b.0x", 2, 0, 0)) << "each field reads as the number it begins with";
  EXPECT_FALSE(IsCurrentVersion(U"", 2, 0, 0));
  EXPECT_TRUE(IsCurrentVersion(U"", 0, 0, 0));
  EXPECT_FALSE(IsCurrentVersion(U"2.0.9e999", 2, 0, 0));
}
