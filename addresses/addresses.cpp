#include "addresses/addresses.h"

namespace {
String& TestURL() {
  static String url;
  return url;
}
}  // namespace

String UpdateURL() { return TestURL().empty() ? String(kUpdateURL) : TestURL(); }

void SetUpdateURLForTesting(const String& url) { TestURL() = url; }
