#include "update_check/update_reply.h"

#include <gtest/gtest.h>

#include <utility>

TEST(UpdateReply, aTagValueIsTheTextUpToTheFirstEndTagAfterTheFirstStartTag) {
  const std::pair<String, String> cases[] = {
      {U"x<A>1</A><A>2</A>", U"1"},
      {U"<A>a<A>b</A>", U"a<A>b"},  // a second start tag is part of the value
      {U"</A><A>v</A>", U"v"},      // an end tag before the start tag does not count
      {U"v</A>", U""},
      {U"<A>v", U""},      // no end tag: nothing, not the rest of the text
      {U"<a>v</A>", U""},  // letter case matches exactly, in both tags
      {U"<A>v</a>", U""},
      {U"<A>\u00E9 \U0001F600\r\n &amp;</A>", U"\u00E9 \U0001F600\r\n &amp;"},  // verbatim, counted in characters
  };
  for (const auto& [source, value] : cases) EXPECT_EQ(TagValue(source, U"A"), value) << ToUtf8(source);
}

TEST(UpdateReply, versionsCompareFieldByFieldAsNumbersForEquality) {
  const std::pair<String, bool> cases[] = {
      {U"2.0.0", true},  {U"02.00.000", true}, {U"2.0.0.9", true}, {U"2.0", true},        {U" 2.0b.0x", true},
      {U"1.9.9", false}, {U"2.0.1", false},    {U"20.0.0", false}, {U"2.0.9e999", false}, {U"", false},
  };
  for (const auto& [version, current] : cases) EXPECT_EQ(IsCurrentVersion(version, 2, 0, 0), current) << ToUtf8(version);
}

// As the upgrade offer's sentence shows a version.
TEST(UpdateReply, aVersionInTheOfferIsOneShortLine) {
  const std::pair<String, String> cases[] = {
      {U"3.0\n\u202Eevil", U"\u20683.0 \u202Eevil\u2069"},
      {U"a\r\nb\rc\u2028d\u2029e\uFDD0f\uFDD1g\v\f\u0085", U"a  b c d e f g\v\f\u0085"},  // Qt shows the last three in line
      {String(64, U'9'), String(64, U'9')},
      {String(65, U'9'), String(64, U'9') + U"\u2026"},
      {U"\u05D2\u05E8\u05E1\u05D4 3", U"\u2068\u05D2\u05E8\u05E1\u05D4 3\u2069"},
      {String(63, U'9') + U"\u2067ab", U"\u2068" + String(63, U'9') + U"\u2067\u2026\u2069\u2069"},  // cut, then balanced
  };
  for (const auto& [version, shown] : cases) EXPECT_EQ(VersionForSentence(version), shown) << ToUtf8(version);
}
