#pragma once

// Stored designs in their binary form: a run of entries, each the key in ASCII, one blank, then the
// value (Boolean 1 byte; colour 3 bytes RGB; integer 4 bytes big-endian two's complement; text a
// 4-byte big-endian length and that many bytes of UTF-8). The key and the class fix the value's form.

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/string.h"

enum class PropertyKind { Boolean, Color, Integer, Text };

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Color&) const = default;
};

using PropertyValue = std::variant<bool, Color, std::int32_t, String>;

// An object whose design can be applied from a property list.
class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;
  // The value form of a key on this object's class; nullopt for a key the class does not know.
  virtual std::optional<PropertyKind> PropertyKindOf(std::string_view key) const = 0;
  virtual void SetProperty(std::string_view key, const PropertyValue& value) = 0;
};

// Builds a list in code, one call per design-table row.
class PropertyList {
 public:
  PropertyList& Bool(std::string_view key, bool value);
  PropertyList& Int(std::string_view key, std::int32_t value);
  PropertyList& Colour(std::string_view key, std::uint32_t rgb);
  PropertyList& Text(std::string_view key, const String& value);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void Key(std::string_view key);
  std::vector<std::uint8_t> bytes_;
};

// Decodes the list against the target's keys and applies each entry in order. A truncated list
// or an unknown key raises UnsupportedFormatException naming the key; nothing is read past the end.
void SetProperties(PropertyTarget& target, const std::vector<std::uint8_t>& list);

// A table of the keys one class knows, with how each is applied.
template <class T>
struct PropertyKey {
  std::string_view key;
  PropertyKind kind;
  void (*apply)(T&, const PropertyValue&);
};

template <class T, std::size_t N>
const PropertyKey<T>* FindPropertyKey(const PropertyKey<T> (&table)[N], std::string_view key) {
  for (const auto& entry : table) {
    if (entry.key == key) return &entry;
  }
  return nullptr;
}

// A key this platform has no use for (Mac-only window kinds, data binding, ...): known, ignored.
template <class T>
void IgnoreProperty(T&, const PropertyValue&) {}
