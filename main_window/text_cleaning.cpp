#include "main_window/text_cleaning.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Below this many characters the next match is usually nearer than a search would pay for.
constexpr std::size_t kAppendedOneByOne = 8;

constexpr bool Shortens(const CleaningPass& pass) {
  return !pass.find.empty() && pass.cut < pass.find.size() && pass.replacement.size() <= pass.cut &&
         pass.find.size() - 1 <= kAppendedOneByOne;
}
static_assert(std::all_of(kCleaningPasses.begin(), kCleaningPasses.end(), Shortens),
              "a pass must take out more than it puts in, inside its match, and be searchable after the appending");

// Positions at, at + 1, ... at + 7 where data shows first and, span characters on, last: bit k of
// the result for position at + k. Compared four characters at a time where the processor can.
unsigned Candidates(const char32_t* data, std::size_t at, std::size_t span, char32_t first, char32_t last) {
#if defined(__SSE2__)
  const __m128i f = _mm_set1_epi32(static_cast<int>(first)), l = _mm_set1_epi32(static_cast<int>(last));
  auto four = [&](std::size_t from) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from + span));
    return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_and_si128(_mm_cmpeq_epi32(a, f), _mm_cmpeq_epi32(b, l)))));
  };
  return four(at) | four(at + 4) << 4;
#else
  unsigned bits = 0;
  for (std::size_t k = 0; k < 8; ++k) bits |= static_cast<unsigned>(data[at + k] == first && data[at + k + span] == last) << k;
  return bits;
#endif
}

// Position of the leftmost occurrence of find in data[0, end), or end. A candidate must show the
// find text's first and last characters in their places, which rules out nearly every position of
// a long run that holds only one of them.
std::size_t Search(const char32_t* data, std::size_t end, std::u32string_view find) {
  if (end < find.size()) return end;
  const std::size_t span = find.size() - 1, stop = end - span;
  const char32_t first = find.front(), last = find.back();
  std::size_t at = 0;
  for (; at + 8 <= stop; at += 8) {
    for (unsigned bits = Candidates(data, at, span, first, last); bits != 0; bits &= bits - 1) {
      const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(bits));
      if (std::equal(find.begin(), find.end(), data + candidate)) return candidate;
    }
  }
  for (; at < stop; ++at) {
    if (std::equal(find.begin(), find.end(), data + at)) return at;
  }
  return end;
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

// Why one sweep gives the rule's result: the text under the rule is always text[0, out) followed
// by text[in, end), and the kept part text[0, out) never holds the find text. So the leftmost match
// of the whole text is the first one completed by appending characters to the kept part, and it is
// the kept part's tail. Changing it leaves the kept part before the match, still clean, and puts
// what the change leaves (the replacement and the match's uncut rest) back in front of the unread
// part, to be appended and checked again just as the search from the start would see them.
// Each change gives back fewer characters than it takes, so out stays below in and the room is
// there; a change comes at most once per character of the text and makes fewer than (find length)
// characters be appended again, so the sweep is linear.
// Long stretches without a match are not appended one by one. After kAppendedOneByOne characters
// (at least a match less one) have been appended since the last change, the kept part's last
// (length - 1) characters came from just before the unread part and, while the gap between the two
// parts is at least that wide, still stand there; so one search from there finds the next match,
// the one that completes first, and everything up to its end moves in one piece. Each search ends
// at the change it finds, so no character is searched more than twice.
// The pass over data[0, end), in place; gives the length left.
std::size_t RunPass(char32_t* const data, const std::size_t end, const CleaningPass& pass) {
  const std::u32string_view find = pass.find;
  String reread{pass.replacement};
  reread.append(find.substr(pass.cut + 1));
  // Copies in locals: the compiler cannot tell that writing the text leaves them alone.
  const char32_t last = find.back();
  const std::size_t length = find.size(), span = length - 1, back = reread.size();
  const char32_t* const give = reread.data();

  const std::size_t first = Search(data, end, find);
  if (first == end) return end;
  std::size_t out = first + length, in = out;
  for (;;) {
    out -= length;
    in -= back;
    std::copy(give, give + back, data + in);
    for (;;) {
      bool matched = false;
      for (std::size_t k = 0; k < kAppendedOneByOne && in < end && !matched; ++k) {
        data[out++] = data[in++];
        matched = data[out - 1] == last && EndsWith(data, out, find);
      }
      if (matched) break;
      if (in == end) return out;
      if (in - out < span) continue;
      const std::size_t from = in - span;
      const std::size_t stop = from + Search(data + from, end - from, find) + length;
      if (stop > end) {
        std::memmove(data + out, data + in, (end - in) * sizeof(char32_t));
        return out + end - in;
      }
      std::memmove(data + out, data + in, (stop - in) * sizeof(char32_t));
      out += stop - in;
      in = stop;
      break;
    }
  }
}

// A character that no pass looks for. No match holds it and a change touches only its match, so
// it stays where it is and no match ever reaches across it: the rule cleans the text before it and
// the text after it each on its own, and cleaning a text ending in it means cleaning the text before.
// The passes look only for characters below 256, so a table tells them at once.
constexpr std::array<bool, 256> kLookedFor = [] {
  std::array<bool, 256> looked{};
  for (const auto& pass : kCleaningPasses) {
    for (char32_t c : pass.find) looked.at(c) = true;  // .at: a character beyond the table fails to compile
  }
  return looked;
}();
bool Fence(char32_t c) { return c >= kLookedFor.size() || !kLookedFor[c]; }
}  // namespace

void RunCleaningPass(String& text, const CleaningPass& pass) { text.resize(RunPass(text.data(), text.size(), pass)); }

// Every pass over one piece while it is still in the processor's cache, rather than each pass over
// the whole text in turn: the same result, since a piece ends with a fence, and far less memory
// traffic.
String ComplexCleaningInPieces(String text, std::size_t piece) {
  char32_t* const data = text.data();
  const std::size_t end = text.size();
  std::size_t out = 0;
  for (std::size_t from = 0; from < end;) {
    std::size_t to = from + std::min(std::max<std::size_t>(piece, 1), end - from);
    while (to < end && !Fence(data[to - 1])) ++to;
    std::size_t left = to - from;
    for (const auto& pass : kCleaningPasses) left = RunPass(data + from, left, pass);
    std::memmove(data + out, data + from, left * sizeof(char32_t));
    out += left;
    from = to;
  }
  text.resize(out);
  return text;
}

String SimpleCleaning(String text) {
  RunCleaningPass(text, kCleaningPasses[0]);
  return text;
}

String ComplexCleaning(String text) { return ComplexCleaningInPieces(std::move(text), kComplexPiece); }
