#include "framework/property_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "framework/exceptions.h"
#include "framework/window.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

std::string MessageOf(PropertyTarget& target, const Bytes& list) {
  try {
    SetProperties(target, list);
  } catch (const UnsupportedFormatException& e) {
    return e.what();
  }
  return "no exception";
}
}  // namespace

TEST(PropertyList, unknownKeysAndBadBooleansAreNamedInTheMessage) {
  auto window = std::make_shared<Window>();
  EXPECT_NE(MessageOf(*window, PropertyList().Int("Placement", 0).Int("Widht", 450).Bytes()).find("'Widht'"), std::string::npos);
  const Bytes badBoolean = {'V', 'i', 's', 'i', 'b', 'l', 'e', ' ', 2};
  EXPECT_NE(MessageOf(*window, badBoolean).find("'Visible'"), std::string::npos);
}

// Every cut inside an entry is a truncated list naming its key; a cut between entries is a shorter, valid list.
TEST(PropertyList, truncationAtEveryCutPointNamesTheKeyAndReadsNothingPastTheEnd) {
  const std::pair<std::string, Bytes> entries[] = {
      {"Title", PropertyList().Text("Title", U"\u00C9t\u00E9 \u2014 long").Bytes()},
      {"Width", PropertyList().Int("Width", 362).Bytes()},
      {"BackColor", PropertyList().Colour("BackColor", 0xEEEEEE).Bytes()},
      {"Resizeable", PropertyList().Bool("Resizeable", false).Bytes()},
  };
  auto window = std::make_shared<Window>();
  Bytes whole;
  for (const auto& [key, bytes] : entries) {
    for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
      // An exact-size copy, so AddressSanitizer sees any read beyond it.
      Bytes prefix = whole;
      prefix.insert(prefix.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
      const std::string named = "'" + key.substr(0, cut) + "'";
      EXPECT_NE(MessageOf(*window, prefix).find(named), std::string::npos) << "cut at " << cut << " in " << key;
    }
    whole.insert(whole.end(), bytes.begin(), bytes.end());
    EXPECT_EQ(MessageOf(*window, whole), "no exception") << key;
  }
}
