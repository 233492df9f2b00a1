// What the two cleanings make of the texts users paste. The differential tests hold the engine to
// the literal rule, so these expectations pin down the rule itself.
#include <gtest/gtest.h>

#include "main_window/text_cleaning.h"

namespace {
struct Case {
  String in, simple, complex;
};
}  // namespace

TEST(Cleaning, whatSimpleAndComplexMakeOfPastedText) {
  const Case cases[] = {
      {U">> word", U" word", U" word"},  // a blank at the very start stays
      {U"> A\r> B", U" A\r B", U" AB"},
      {U">\r>\r>\r> A", U"\r\r\r A", U"A"},
      {U"A\r\r\r\r\rB", U"A\r\r\r\r\rB", U"A\r\rB"},
      {U"A....     B", U"A....     B", U"A. B"},
      {U"A.\r .B", U"A.\r .B", U"A..B"},  // a later pass can form what an earlier one removed
      // A no-break space read as two characters joins the lines; the small letter makes no pair.
      {U"A\r\r\r\u00C2\u00A0B", U"A\r\r\r\u00C2\u00A0B", U"AB"},
      {U"A\r\u00E2\u00A0B", U"A\r\u00E2\u00A0B", U"A\r\u00E2\u00A0B"},
      // Line feeds, tabs and no-break spaces are ordinary characters, and so is one full stop.
      {U"\r\n x\t\tb\r\u00A0x. y", U"\r\n x\t\tb\r\u00A0x. y", U"\r\n x\t\tb\r\u00A0x. y"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SimpleCleaning(c.in), c.simple) << ToUtf8(c.in);
    EXPECT_EQ(ComplexCleaning(c.in), c.complex) << ToUtf8(c.in);
  }
}
