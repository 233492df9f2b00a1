#include "main_window/text_cleaning.h"

#include <algorithm>

namespace {
constexpr bool Shortens(const CleaningPass& pass) {
  return !pass.find.empty() && pass.cut < pass.find.size() && pass.replacement.size() <= pass.cut;
}
static_assert(std::all_of(kCleaningPasses.begin(), kCleaningPasses.end(), Shortens),
              "a pass must take out more than it puts in, inside its match");
}  // namespace

// The text under the rule is always text[0, out) followed by text[in, end). The kept part never
// holds the find text: the leftmost match of the whole text is then the first one completed by
// appending characters, and it is the kept part's tail. Changing it leaves the kept part before the
// match, which is still clean, and puts what the change leaves (the replacement and the match's
// uncut rest) back in front of the unread part, so they are appended and checked again, exactly as
// the search from the start would see them. The room for them is there because the kept part is
// never longer than what has been read, minus at least one character per change. Each change
// re-reads fewer characters than the find text holds and shortens the text, so a pass reads at
// most (find length) times the text's length.
void RunCleaningPass(String& text, const CleaningPass& pass) {
  const std::u32string_view find = pass.find;
  String reread{pass.replacement};
  reread.append(find.substr(pass.cut + 1));
  const char32_t last = find.back();

  std::size_t out = 0, in = 0;
  const std::size_t end = text.size();
  while (in < end) {
    const char32_t c = text[in++];
    text[out++] = c;
    if (c != last || out < find.size()) continue;
    if (std::u32string_view(text).substr(out - find.size(), find.size()) != find) continue;
    out -= find.size();
    in -= reread.size();
    std::copy(reread.begin(), reread.end(), text.begin() + static_cast<std::ptrdiff_t>(in));
  }
  text.resize(out);
}

String SimpleCleaning(String text) {
  RunCleaningPass(text, kCleaningPasses[0]);
  return text;
}

String ComplexCleaning(String text) {
  for (const auto& pass : kCleaningPasses) RunCleaningPass(text, pass);
  return text;
}
