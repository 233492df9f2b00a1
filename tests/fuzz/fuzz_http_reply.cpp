// Any bytes as an HTTP reply, in pieces of any size: the caps hold, and how the bytes were split
// never changes what the reply reads as.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/http_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t step = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  http_reply::ReplyReader whole;
  whole.Feed(bytes);
  whole.Close();

  http_reply::ReplyReader pieces;
  for (std::size_t i = 0; i < bytes.size(); i += step) pieces.Feed(bytes.substr(i, step));
  pieces.Close();

  if (whole.CurrentState() != pieces.CurrentState() || whole.Status() != pieces.Status() || whole.Body() != pieces.Body()) std::abort();
  if ((whole.Headers() == nullptr) != (pieces.Headers() == nullptr)) std::abort();
  if (whole.Headers() && whole.Headers()->Count() != pieces.Headers()->Count()) std::abort();
  if (whole.Body().size() > http_reply::kMaxReplyBytes) std::abort();
  if (whole.CurrentState() == http_reply::ReplyReader::State::Reading) std::abort();
  return 0;
}
