#include "framework/property_list.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "framework/exceptions.h"
#include "framework/window.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

// Knows one key of each value form and records what it is given.
class Recorder final : public PropertyTarget {
 public:
  std::optional<PropertyKind> PropertyKindOf(std::string_view key) const override {
    if (key.starts_with("B")) return PropertyKind::Boolean;
    if (key.starts_with("C")) return PropertyKind::Color;
    if (key.starts_with("I")) return PropertyKind::Integer;
    if (key.starts_with("T")) return PropertyKind::Text;
    return std::nullopt;
  }
  void SetProperty(std::string_view key, const PropertyValue& value) override { seen.emplace_back(std::string(key), value); }
  std::vector<std::pair<std::string, PropertyValue>> seen;
};

Bytes Of(std::string_view s) { return Bytes(s.begin(), s.end()); }

std::string MessageOf(PropertyTarget& target, const Bytes& list) {
  try {
    SetProperties(target, list);
  } catch (const UnsupportedFormatException& e) {
    return e.what();
  }
  return "no exception";
}

// A modal window's design, every value form in it.
PropertyList DialogDesign() {
  PropertyList list;
  list.Text("Title", U"Update").Int("Frame", 1).Int("Width", 362).Int("Height", 118).Bool("Resizeable", false);
  list.Colour("BackColor", 0xEEEEEE).Bool("HasBackColor", false).Int("Placement", 2).Bool("CloseButton", false);
  list.Bool("MinimizeButton", false).Bool("MaximizeButton", false).Int("MacProcID", 1040).Bool("Visible", true);
  return list;
}
}  // namespace

TEST(PropertyList, encodesEachValueFormInItsExactBytes) {
  EXPECT_EQ(PropertyList().Bool("B", true).Bool("B", false).Bytes(), Of(std::string("B \x01"
                                                                                    "B \x00",
                                                                                    6)));
  EXPECT_EQ(PropertyList().Colour("C", 0x102030).Bytes(), Of("C \x10\x20\x30"));
  EXPECT_EQ(PropertyList().Int("I", -2).Bytes(), Of("I \xFF\xFF\xFF\xFE"));
  EXPECT_EQ(PropertyList().Int("I", 0x01020304).Bytes(), Of("I \x01\x02\x03\x04"));
  EXPECT_EQ(PropertyList().Text("T", U"\u00E9").Bytes(), Of(std::string("T \x00\x00\x00\x02\xC3\xA9", 8)));
  EXPECT_THROW(PropertyList().Int("two words", 1), UnsupportedFormatException);
}

TEST(PropertyList, everyValueFormSurvivesTheRoundTripInOrder) {
  const String text = U"a\u00A0\U0001F600\r" + String(1, U'\0') + U"z";
  const auto list = PropertyList()
                        .Bool("B1", true)
                        .Bool("B0", false)
                        .Colour("C", 0xA1B2C3)
                        .Int("Imin", std::numeric_limits<std::int32_t>::min())
                        .Int("Imax", std::numeric_limits<std::int32_t>::max())
                        .Int("Ineg", -1)
                        .Text("Tempty", U"")
                        .Text("T", text)
                        .Bytes();
  Recorder target;
  SetProperties(target, list);
  const std::vector<std::pair<std::string, PropertyValue>> expected = {{"B1", true},
                                                                       {"B0", false},
                                                                       {"C", Color{0xA1, 0xB2, 0xC3}},
                                                                       {"Imin", std::numeric_limits<std::int32_t>::min()},
                                                                       {"Imax", std::numeric_limits<std::int32_t>::max()},
                                                                       {"Ineg", -1},
                                                                       {"Tempty", String()},
                                                                       {"T", text}};
  EXPECT_EQ(target.seen, expected);
}

TEST(PropertyList, unknownKeysAndBadBooleansAreNamedInTheMessage) {
  Recorder target;
  EXPECT_NE(MessageOf(target, PropertyList().Int("I", 1).Int("Xbogus", 2).Bytes()).find("'Xbogus'"), std::string::npos);
  EXPECT_NE(MessageOf(target, Of("B \x02")).find("'B'"), std::string::npos);
  EXPECT_NE(MessageOf(target, Of(" \x01")).find("unknown key ''"), std::string::npos);

  auto window = std::make_shared<Window>();
  EXPECT_NE(MessageOf(*window, PropertyList().Int("Placement", 0).Int("Widht", 450).Bytes()).find("'Widht'"), std::string::npos);
}

// Every cut inside an entry is a truncated list; a cut between entries is a shorter, valid list.
TEST(PropertyList, truncationAtEveryCutPointNamesTheKeyAndReadsNothingPastTheEnd) {
  const Bytes full = DialogDesign().Text("Title", U"\u00C9t\u00E9 \u2014 long").Bytes();
  struct Entry {
    std::size_t start;
    std::string key;
  };
  std::vector<Entry> entries;
  {
    // The entry boundaries are the prefixes that decode.
    auto window = std::make_shared<Window>();
    std::size_t start = 0;
    for (std::size_t cut = 1; cut <= full.size(); ++cut) {
      const Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
      try {
        SetProperties(*window, prefix);
      } catch (const UnsupportedFormatException&) {
        continue;
      }
      const std::size_t blank =
          static_cast<std::size_t>(std::find(full.begin() + static_cast<std::ptrdiff_t>(start), full.end(), ' ') - full.begin());
      entries.push_back(
          {start, std::string(full.begin() + static_cast<std::ptrdiff_t>(start), full.begin() + static_cast<std::ptrdiff_t>(blank))});
      start = cut;
    }
    ASSERT_EQ(start, full.size());
  }
  ASSERT_EQ(entries.size(), 14u);
  EXPECT_EQ(entries.front().key, "Title");
  EXPECT_EQ(entries.back().key, "Title");

  auto window = std::make_shared<Window>();
  for (const auto& entry : entries) {
    const std::size_t end = &entry == &entries.back() ? full.size() : (&entry + 1)->start;
    for (std::size_t cut = entry.start + 1; cut < end; ++cut) {
      // An exact-size copy, so AddressSanitizer sees any read beyond it.
      const Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
      const std::string named = "'" + entry.key.substr(0, std::min(cut - entry.start, entry.key.size())) + "'";
      EXPECT_NE(MessageOf(*window, prefix).find(named), std::string::npos) << "cut at " << cut << " in " << entry.key;
    }
  }
}
