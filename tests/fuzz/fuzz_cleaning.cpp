// Any text through both cleanings: the one-sweep engine must give what the rule followed
// literally gives. Bytes pick characters from those the passes look for and a few look-alikes; a
// byte from 0xF0 up stands for a stretch of ordinary letters, long enough to be skipped in bulk.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "main_window/text_cleaning.h"
#include "tests/main_window/literal_cleaning.h"

namespace {
constexpr char32_t kAlphabet[16] = {U'\r', U'\r', U' ',      U' ', U'.', U'>',      U'\u00C2',     U'\u00A0',
                                    U'\n', U'\t', U'\u00E2', U'a', U'b', U'\u2029', U'\U0001F600', U'\0'};
// The literal rule is quadratic; longer texts add nothing but time.
constexpr std::size_t kMaxLength = 1024;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxLength) return 0;
  String text;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] >= 0xF0)
      text.append(8 * (data[i] - 0xEF), U'a');
    else
      text += kAlphabet[data[i] % 16];
  }
  if (SimpleCleaning(text) != literal_cleaning::RunPass(text, literal_cleaning::Passes()[0])) std::abort();
  const String complex = literal_cleaning::Complex(text);
  if (ComplexCleaning(text) != complex) std::abort();
  // Short pieces, so the fuzzer's texts are cut into many.
  if (ComplexCleaningInPieces(text, size == 0 ? 1 : 1 + data[0] % 8) != complex) std::abort();
  return 0;
}
