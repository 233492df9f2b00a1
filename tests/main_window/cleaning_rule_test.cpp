// What the two cleanings make of the texts users paste; every expectation holds for the one-sweep
// engine and for the rule followed literally.
#include <gtest/gtest.h>

#include "main_window/text_cleaning.h"
#include "tests/main_window/literal_cleaning.h"

namespace {
const String CR = U"\r";
const String LF = U"\n";
const String NBSP = U"\u00A0";
const String A_HAT = U"\u00C2";  // with NBSP: a no-break space read as two characters

String Times(const String& s, int n) {
  String out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

void ExpectSimple(const String& in, const String& expected) {
  EXPECT_EQ(SimpleCleaning(in), expected) << "engine";
  EXPECT_EQ(literal_cleaning::Simple(in), expected) << "literal rule";
}
void ExpectComplex(const String& in, const String& expected) {
  EXPECT_EQ(ComplexCleaning(in), expected) << "engine";
  EXPECT_EQ(literal_cleaning::Complex(in), expected) << "literal rule";
}
}  // namespace

TEST(Cleaning, emptyAndUntouchedTextsComeBackAsTheyWere) {
  ExpectSimple(U"", U"");
  ExpectComplex(U"", U"");
  const String plain = U"Dear Ann," + CR + U"see you at 5. Bob" + CR;
  ExpectSimple(plain, plain);
  ExpectComplex(plain, plain);
}

TEST(Cleaning, quoteMarksGoAndLinesAfterThemJoin) {
  ExpectSimple(U">> word", U" word");
  ExpectComplex(U">> word", U" word");  // a blank at the very start stays

  const String quoted = U"> A" + CR + U"> B";
  ExpectSimple(quoted, U" A" + CR + U" B");
  ExpectComplex(quoted, U" AB");
  ExpectComplex(U"> A " + CR + U"> B", U" A B");

  const String threeEmpty = Times(U">" + CR, 3) + U"> A";
  ExpectSimple(threeEmpty, Times(CR, 3) + U" A");
  ExpectComplex(threeEmpty, U"A");
}

TEST(Cleaning, runsOfLineBreaksFullStopsAndBlanksShorten) {
  for (int n : {3, 4, 5, 9}) {
    const String text = U"A" + Times(CR, n) + U"B";
    ExpectComplex(text, U"A" + CR + CR + U"B");
    ExpectSimple(text, text);
  }
  ExpectComplex(U"A....", U"A.");
  ExpectComplex(U"A     B", U"A B");
  ExpectSimple(U"A....  B", U"A....  B");
}

TEST(Cleaning, aLineBreakGoesWithTheBlanksAfterIt) {
  ExpectComplex(U"A" + CR + U"  B", U"A B");
  ExpectComplex(U"A" + Times(CR, 6) + U" B", U"AB");
  ExpectComplex(CR + U" A", U"A");
  ExpectComplex(U"A" + CR, U"A" + CR);
  ExpectSimple(U"A" + CR + U" B", U"A" + CR + U" B");
}

TEST(Cleaning, laterPassesCanFormWhatEarlierOnesRemoved) { ExpectComplex(U"A." + CR + U" .B", U"A..B"); }

TEST(Cleaning, lineBreakThenSplitNoBreakSpaceJoinsTheLines) {
  for (int n : {1, 2, 3, 5}) ExpectComplex(U"A" + Times(CR, n) + A_HAT + NBSP + U"B", U"AB");
  ExpectComplex(U"A" + A_HAT + NBSP + U"B", U"A" + A_HAT + NBSP + U"B");
  ExpectSimple(U"A" + CR + A_HAT + NBSP + U"B", U"A" + CR + A_HAT + NBSP + U"B");
  // Only the capital letter makes the pair; the small one is an ordinary character.
  const String small = U"A" + CR + U"\u00E2" + NBSP + U"B";
  ExpectComplex(small, small);
}

TEST(Cleaning, feedsTabsAndNoBreakSpacesAreOrdinaryCharacters) {
  for (const String& kept : {CR + LF + U" x", LF + U" x", String(U"a\t\tb"), CR + NBSP + U"x", NBSP + NBSP + U"x", CR + U"\t x"}) {
    ExpectComplex(kept, kept);
  }
}
