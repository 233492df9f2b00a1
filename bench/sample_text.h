#pragma once

// Texts for the benchmarks, sized in characters: quoted mail that never repeats itself, and the
// adversarial texts on which a careless cleaning goes quadratic.

#include <array>
#include <cstdint>
#include <random>

#include "framework/string.h"

namespace sample_text {

inline constexpr std::size_t Ki = 1024, Mi = 1024 * Ki;

// Mail as it is pasted: nested quote marks with and without a blank after them, blank lines and
// longer runs of line breaks, double blanks, ellipses, split no-break spaces, words of any length.
inline String RandomMail(std::size_t chars, std::uint32_t seed = 20261207) {
  static const std::array<const char32_t*, 16> kWords{U"the",      U"meeting",       U"Tuesday", U"regards",  U"a",  U"note",
                                                      U"attached", U"lists.example", U"I",       U"will",     U"be", U"there",
                                                      U"at",       U"five",          U"Thanks",  U"forwarded"};
  std::mt19937 random(seed);
  auto chance = [&](unsigned percent) { return random() % 100 < percent; };
  String text;
  text.reserve(chars + 128);
  while (text.size() < chars) {
    const unsigned depth = random() % 4;
    for (unsigned i = 0; i < depth; ++i) text += chance(70) ? U"> " : U">";
    if (chance(5)) text += U"\u00C2\u00A0";
    const std::size_t length = 10 + random() % 70;
    const std::size_t lineEnd = text.size() + length;
    while (text.size() < lineEnd) {
      if (chance(80)) {
        text += kWords[random() % kWords.size()];
      } else {
        for (unsigned n = 1 + random() % 12; n > 0; --n) text += static_cast<char32_t>(U'a' + random() % 26);
      }
      text += chance(5) ? U"..." : chance(5) ? U".  " : chance(10) ? U". " : U" ";
    }
    text += chance(15) ? (chance(30) ? U"\r\r\r\r" : U"\r\r") : U"\r";
  }
  text.resize(chars);
  return text;
}

// A text of the given size made of one unit over and over.
inline String Repeated(const String& unit, std::size_t chars) {
  String text;
  text.reserve(chars + unit.size());
  while (text.size() < chars) text += unit;
  text.resize(chars);
  return text;
}

enum class Adversarial { kQuotes, kBlanks, kLineBreaks, kFullStops, kNested, kRandomMix };
inline constexpr std::array kAllAdversarial{Adversarial::kQuotes,    Adversarial::kBlanks, Adversarial::kLineBreaks,
                                            Adversarial::kFullStops, Adversarial::kNested, Adversarial::kRandomMix};

inline const char* Name(Adversarial kind) {
  static const char* names[] = {"runs_of_quotes",     "runs_of_blanks",      "runs_of_line_breaks",
                                "runs_of_full_stops", "nested_break_A_nbsp", "random_mix"};
  return names[static_cast<int>(kind)];
}

inline String Make(Adversarial kind, std::size_t chars) {
  switch (kind) {
    case Adversarial::kQuotes:
      return Repeated(U">", chars);
    case Adversarial::kBlanks:
      return Repeated(U" ", chars);
    case Adversarial::kLineBreaks:
      return Repeated(U"\r", chars);
    case Adversarial::kFullStops:
      return Repeated(U".", chars);
    case Adversarial::kNested: {
      // Each removal joins the line breaks before it with the pairs after it into a new match.
      String text = Repeated(U"\r\r", chars / 2);
      text.resize(chars / 2);
      text += Repeated(U"\u00C2\u00A0", chars - text.size());
      return text;
    }
    case Adversarial::kRandomMix: {
      static const String kAlphabet = U"\r .>\u00C2\u00A0a";
      std::mt19937 random(7);
      String text(chars, U' ');
      for (auto& c : text) c = kAlphabet[random() % kAlphabet.size()];
      return text;
    }
  }
  return {};
}

}  // namespace sample_text
