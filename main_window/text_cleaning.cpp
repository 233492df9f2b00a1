#include "main_window/text_cleaning.h"

#include <algorithm>

namespace {
constexpr bool Shortens(const CleaningPass& pass) {
  return !pass.find.empty() && pass.cut < pass.find.size() && pass.replacement.size() <= pass.cut;
}
static_assert(std::all_of(kCleaningPasses.begin(), kCleaningPasses.end(), Shortens),
              "a pass must take out more than it puts in, inside its match");

// Position of the leftmost occurrence of find in data[0, end), or end. A candidate must show the
// find text's first and last characters in their places, which rules out nearly every position of
// a long run that holds only one of them.
std::size_t Search(const char32_t* data, std::size_t end, std::u32string_view find) {
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
bool EndsWith(const char32_t* data, std::size_t size, std::u32string_view find) {
  if (size < find.size()) return false;
  const char32_t* tail = data + size - find.size();
  for (std::size_t k = find.size() - 1; k-- > 0;) {
    if (tail[k] != find[k]) return false;
  }
  return true;
}
}  // namespace

// Why one sweep gives the rule's result: the text under the rule is always text[0, out) followed
// by text[in, end), and the kept part text[0, out) never holds the find text. So the leftmost match
// of the whole text is the first one completed by appending characters to the kept part, and it is
// the kept part's tail. Changing it leaves the kept part before the match, still clean, and puts
// what the change leaves (the replacement and the match's uncut rest) back in front of the unread
// part, to be appended and checked again just as the search from the start would see them.
// Each change gives back fewer characters than it takes, so out stays below in and the room is
// there; a change comes at most once per character of the text and makes fewer than (find length)
// characters be appended again, so the sweep is linear.
// Up to the first match nothing moves, so that one is simply searched for.
void RunCleaningPass(String& text, const CleaningPass& pass) {
  const std::u32string_view find = pass.find;
  String reread{pass.replacement};
  reread.append(find.substr(pass.cut + 1));
  // Copies in locals: the compiler cannot tell that writing the text leaves them alone.
  const char32_t last = find.back();
  const std::size_t length = find.size(), back = reread.size();
  const char32_t* const give = reread.data();

  char32_t* const data = text.data();
  const std::size_t end = text.size();
  const std::size_t first = Search(data, end, find);
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
    } while (data[out - 1] != last || !EndsWith(data, out, find));
  }
}

String SimpleCleaning(String text) {
  RunCleaningPass(text, kCleaningPasses[0]);
  return text;
}

String ComplexCleaning(String text) {
  for (const auto& pass : kCleaningPasses) RunCleaningPass(text, pass);
  return text;
}
