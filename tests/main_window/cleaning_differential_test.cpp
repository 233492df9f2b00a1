// The one-sweep engine against the rule followed literally: every short text over the characters
// the passes look at, random texts with ordinary characters mixed in, and long adversarial runs.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "main_window/text_cleaning.h"
#include "tests/main_window/literal_cleaning.h"

namespace {
// Every character some pass looks for, and look-alikes that no pass may take.
const String kSpecial = U"\r .>\u00C2\u00A0";
const String kMixed = U"\r .>\u00C2\u00A0\n\t\u00E2ab";

void ExpectSameAsLiteral(const String& text) {
  const String complex = literal_cleaning::Complex(text);
  ASSERT_EQ(ComplexCleaning(text), complex) << ToUtf8(text);
  // Pieces far shorter than the texts, so they end at every kind of place.
  for (std::size_t piece : {1u, 2u, 5u}) ASSERT_EQ(ComplexCleaningInPieces(text, piece), complex) << "pieces of " << piece;
  for (std::size_t i = 0; i < kCleaningPasses.size(); ++i) {
    String swept = text;
    RunCleaningPass(swept, kCleaningPasses[i]);
    ASSERT_EQ(swept, literal_cleaning::RunPass(text, literal_cleaning::Passes()[i])) << "pass " << i + 1;
  }
}

String Repeat(const String& unit, std::size_t times) {
  String out;
  for (std::size_t i = 0; i < times; ++i) out += unit;
  return out;
}
}  // namespace

TEST(CleaningDifferential, everyShortTextOfSpecialCharacters) {
  const std::size_t k = kSpecial.size();
  std::size_t count = 1;
  for (int length = 0; length <= 6; ++length, count *= k) {
    for (std::size_t code = 0; code < count; ++code) {
      String text;
      for (std::size_t c = code, i = 0; i < static_cast<std::size_t>(length); ++i, c /= k) text += kSpecial[c % k];
      ExpectSameAsLiteral(text);
    }
  }
}

TEST(CleaningDifferential, randomTextsWithOrdinaryCharacters) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 4000; ++round) {
    // Some rounds lean on one character, so long runs and nested sequences come up.
    const String& alphabet = round % 2 ? kMixed : kSpecial;
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    const char32_t favourite = alphabet[pick(random)];
    const auto length = std::uniform_int_distribution<int>(0, 80)(random);
    String text;
    for (int i = 0; i < length; ++i) text += random() % 3 == 0 ? favourite : alphabet[pick(random)];
    ExpectSameAsLiteral(text);
  }
}

// Stretches longer than the engine appends one by one, so its searches and moves in bulk are taken,
// also right after a change and with a match that begins before the stretch it is found in.
TEST(CleaningDifferential, randomTextsWithLongStretchesBetweenMatches) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 3000; ++round) {
    std::uniform_int_distribution<std::size_t> pick(0, kSpecial.size() - 1);
    String text;
    for (int piece = std::uniform_int_distribution<int>(0, 12)(random); piece > 0; --piece) {
      for (int n = std::uniform_int_distribution<int>(0, 4)(random); n > 0; --n) text += kSpecial[pick(random)];
      text += String(std::uniform_int_distribution<std::size_t>(0, 60)(random), U'w');
      for (int n = std::uniform_int_distribution<int>(0, 4)(random); n > 0; --n) text += kSpecial[pick(random)];
    }
    ExpectSameAsLiteral(text);
  }
}

// Mail longer than many of the pieces Complex takes it in, against the whole text as one piece
// (which the tests above hold to the rule).
TEST(CleaningDifferential, complexOnLongMailEqualsTheWholeTextAtOnce) {
  std::mt19937 random(20261208);
  const std::array<String, 10> kBits{U"> ", U">", U"\r", U"\r\r\r\r", U"  ", U"...", U". ", U"\u00C2\u00A0", U"word", U" "};
  String text;
  while (text.size() < 5 * kComplexPiece) text += kBits[random() % kBits.size()];
  // A long stretch with no character that ends a piece, across where a piece would end.
  text.insert(2 * kComplexPiece - 100, Repeat(U"\r\r \u00C2\u00A0.>", kComplexPiece / 3));
  EXPECT_EQ(ComplexCleaning(text), ComplexCleaningInPieces(text, text.size()));
}

TEST(CleaningDifferential, longAdversarialRuns) {
  for (const String unit : {U">", U"\r", U" ", U".", U"\r ", U"\r\r ", U"\r\u00C2\u00A0", U"\r\r\u00C2\u00A0", U">\r", U"\r\r\r.", U". ",
                            U"\r\u00C2\u00C2\u00A0\u00A0"}) {
    ExpectSameAsLiteral(Repeat(unit, 1500));
    ExpectSameAsLiteral(Repeat(U"x", 1001) + Repeat(unit, 3) + U"x");  // the first match far in
  }
  // Each removal joins the sequences on either side of it into a new one.
  for (std::size_t depth : {1u, 7u, 300u}) {
    ExpectSameAsLiteral(Repeat(U"\r\r", depth) + Repeat(U"\u00C2\u00A0", depth) + U"x");
    ExpectSameAsLiteral(Repeat(U"\r", depth) + Repeat(U" ", depth) + Repeat(U">", depth) + U".");
    ExpectSameAsLiteral(Repeat(U"\r>", depth) + Repeat(U">\u00C2>\u00A0", depth));
  }
}
