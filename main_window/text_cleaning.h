#pragma once

// The cleaning of pasted e-mail text: pure functions over String, no window, no clipboard. A pass
// replaces the leftmost match of its find text and searches again from the start until none is
// left; the engine gets that result in one sweep, so a long run of ">" or blanks costs linear time.

#include <array>
#include <cstddef>
#include <string_view>

#include "framework/string.h"

// At a match at position p the characters p to p + cut are taken out and replacement is put in
// their place; every change shortens the text.
struct CleaningPass {
  std::u32string_view find;
  std::u32string_view replacement;
  std::size_t cut = 0;
};

// Line break (13), blank, full stop, ">", and the pair U+00C2 U+00A0: a no-break space whose two
// UTF-8 bytes were read as two characters.
inline constexpr std::array<CleaningPass, 8> kCleaningPasses{{
    {U">", U"", 0},
    {U"\r\r\r", U"\r\r", 2},
    {U"..", U".", 1},
    {U"\r\r\u00C2\u00A0", U"", 3},
    {U"\r\u00C2\u00A0", U"", 2},
    {U"\r\r ", U"", 2},
    {U"\r ", U"", 1},
    {U"  ", U"", 0},  // only the first blank goes
}};

// Runs one pass to its end over text, in place.
void RunCleaningPass(String& text, const CleaningPass& pass);

// "Simple": the first pass alone, every ">" removed.
String SimpleCleaning(String text);
// "Complex": all eight passes, one after another.
String ComplexCleaning(String text);
// The same, with the text taken in pieces of at least piece characters (the last may be shorter),
// each through all the passes; ComplexCleaning uses pieces that fit the processor's cache.
inline constexpr std::size_t kComplexPiece = 16 * 1024;
String ComplexCleaningInPieces(String text, std::size_t piece);
