#pragma once

// The cleaning rule followed to the letter, with its own table built from character codes: find
// the leftmost match, rebuild the text from Left, the replacement and Right, search again from the
// first character. Quadratic; the reference that the one-sweep engine is checked against.

#include <vector>

#include "framework/string.h"

namespace literal_cleaning {

struct Pass {
  String find, replacement;
  std::int64_t d;
};

inline const std::vector<Pass>& Passes() {
  static const std::vector<Pass> passes{
      {Chr(62), U"", 0},
      {Chr(13) + Chr(13) + Chr(13), Chr(13) + Chr(13), 2},
      {Chr(46) + Chr(46), Chr(46), 1},
      {Chr(13) + Chr(13) + Chr(194) + Chr(160), U"", 3},
      {Chr(13) + Chr(194) + Chr(160), U"", 2},
      {Chr(13) + Chr(13) + Chr(32), U"", 2},
      {Chr(13) + Chr(32), U"", 1},
      {Chr(32) + Chr(32), U"", 0},
  };
  return passes;
}

inline String RunPass(String s, const Pass& pass) {
  for (;;) {
    const std::int64_t p = InStr(0, s, pass.find);
    if (p == 0) return s;
    s = Left(s, p - 1) + pass.replacement + Right(s, Len(s) - p - pass.d);
  }
}

inline String Complex(String text) {
  for (const auto& pass : Passes()) text = RunPass(text, pass);
  return text;
}

}  // namespace literal_cleaning
