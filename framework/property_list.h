#pragma once

// A window's or control's stored settings in their binary form: a run of entries, each the key in
// ASCII, one blank, then the value (Boolean 1 byte; colour 3 bytes RGB; integer 4 bytes big-endian
// two's complement; text a 4-byte big-endian length and that many bytes of UTF-8). The key and the
// class fix the value's form.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/string.h"

enum class PropertyKind { Boolean, Color, Integer, Text };

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Color&) const = default;
};

using PropertyValue = std::variant<bool, Color, std::int32_t, String>;

// How an object takes one key of a property list: the value's form, and what applying it does.
struct PropertySetter {
  PropertyKind kind;
  std::function<void(const PropertyValue&)> apply;
};

// An object whose settings can be applied from a property list.
class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;
  // How this object takes key; nullopt for a key its class does not know.
  virtual std::optional<PropertySetter> PropertySetterFor(std::string_view key) = 0;
};

// Builds a list in code, one call per key.
class PropertyList {
 public:
  PropertyList& Bool(std::string_view key, bool value);
  PropertyList& Int(std::string_view key, std::int32_t value);
  PropertyList& Colour(std::string_view key, std::uint32_t rgb);
  PropertyList& Text(std::string_view key, const String& value);
  // Adds the entries of more after these.
  PropertyList& Append(const PropertyList& more);

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

// How target takes key: by its class's own table, else as its base class Base takes it (void: a
// class with no base of keys).
template <class Base = void, class T, std::size_t N>
std::optional<PropertySetter> FindPropertySetter(T& target, const PropertyKey<T> (&table)[N], std::string_view key) {
  for (const auto& entry : table) {
    if (entry.key == key) return PropertySetter{entry.kind, [&target, apply = entry.apply](const PropertyValue& v) { apply(target, v); }};
  }
  if constexpr (std::is_void_v<Base>) {
    return std::nullopt;
  } else {
    return target.Base::PropertySetterFor(key);
  }
}

template <class>
struct MemberPointer;
template <class C, class V>
struct MemberPointer<V C::*> {
  using Class = C;
  using Value = V;
};

// A key kept in a data member: stores the value there, then runs the member function After, if
// one is given, to show it.
template <auto Member, auto After = nullptr>
void StoreProperty(typename MemberPointer<decltype(Member)>::Class& object, const PropertyValue& value) {
  object.*Member = std::get<typename MemberPointer<decltype(Member)>::Value>(value);
  if constexpr (After != nullptr) (object.*After)();
}

// A key this platform has no use for (Mac-only window kinds, data binding, ...): known, ignored.
template <class T>
void IgnoreProperty(T&, const PropertyValue&) {}
