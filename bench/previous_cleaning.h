#pragma once

// The cleaning engine as it stood before gaps without a match were skipped in bulk, kept only so
// the benchmark can measure the change in one run.

#include <algorithm>

#include "main_window/text_cleaning.h"

namespace previous_cleaning {
namespace detail {
// Position of the leftmost occurrence of find in data[0, end), or end. A candidate must show the
// find text's first and last characters in their places, which rules out nearly every position of
// a long run that holds only one of them.
inline std::size_t Search(const char32_t* data, std::size_t end, std::u32string_view find) {
  if (end < find.size()) return end;
  const std::size_t span = find.size() - 1, stop = end - span;
  const char32_t first = find.front(), last = find.back();
  auto candidate = [&](std::size_t at) { return data[at] == first && data[at + span] == last; };
  for (std::size_t at = 0;; ++at) {
    while (at + 8 <= stop) {
      bool any = false;
      for (std::size_t k = 0; k < 8; ++k) any |= (data[at + k] == first) & (data[at + k + span] == last);
      if (any) break;
      at += 8;
    }
    while (at < stop && !candidate(at)) ++at;
    if (at == stop) return end;
    if (std::equal(find.begin(), find.end(), data + at)) return at;
  }
}

// Whether data[0, size) ends with find, whose last character is already known to match.
inline bool EndsWith(const char32_t* data, std::size_t size, std::u32string_view find) {
  if (size < find.size()) return false;
  const char32_t* tail = data + size - find.size();
  for (std::size_t k = find.size() - 1; k-- > 0;) {
    if (tail[k] != find[k]) return false;
  }
  return true;
}
}  // namespace detail

inline void RunCleaningPass(String& text, const CleaningPass& pass) {
  const std::u32string_view find = pass.find;
  String reread{pass.replacement};
  reread.append(find.substr(pass.cut + 1));
  // Copies in locals: the compiler cannot tell that writing the text leaves them alone.
  const char32_t last = find.back();
  const std::size_t length = find.size(), back = reread.size();
  const char32_t* const give = reread.data();

  char32_t* const data = text.data();
  const std::size_t end = text.size();
  const std::size_t first = detail::Search(data, end, find);
  if (first == end) return;
  std::size_t out = first + length, in = out;
  for (;;) {
    out -= length;
    in -= back;
    for (std::size_t k = 0; k < back; ++k) data[in + k] = give[k];
    do {
      if (in == end) {
        text.resize(out);
        return;
      }
      data[out++] = data[in++];
    } while (data[out - 1] != last || !detail::EndsWith(data, out, find));
  }
}

inline String Complex(String text) {
  for (const auto& pass : kCleaningPasses) previous_cleaning::RunCleaningPass(text, pass);
  return text;
}
}  // namespace previous_cleaning
