#include "framework/property_list.h"

#include "framework/exceptions.h"

namespace {
void PutUint32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t GetUint32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
}

[[noreturn]] void Fail(const std::string& why) { throw UnsupportedFormatException("property list: " + why); }
}  // namespace

void PropertyList::Key(std::string_view key) {
  for (char c : key) {
    if (c <= ' ' || static_cast<unsigned char>(c) > 0x7E) Fail("a key must be printable ASCII without blanks");
  }
  bytes_.insert(bytes_.end(), key.begin(), key.end());
  bytes_.push_back(' ');
}

PropertyList& PropertyList::Bool(std::string_view key, bool value) {
  Key(key);
  bytes_.push_back(value ? 1 : 0);
  return *this;
}

PropertyList& PropertyList::Int(std::string_view key, std::int32_t value) {
  Key(key);
  PutUint32(bytes_, static_cast<std::uint32_t>(value));
  return *this;
}

PropertyList& PropertyList::Colour(std::string_view key, std::uint32_t rgb) {
  Key(key);
  bytes_.push_back(static_cast<std::uint8_t>(rgb >> 16));
  bytes_.push_back(static_cast<std::uint8_t>(rgb >> 8));
  bytes_.push_back(static_cast<std::uint8_t>(rgb));
  return *this;
}

PropertyList& PropertyList::Text(std::string_view key, const String& value) {
  Key(key);
  const std::string utf8 = ToUtf8(value);
  PutUint32(bytes_, static_cast<std::uint32_t>(utf8.size()));
  bytes_.insert(bytes_.end(), utf8.begin(), utf8.end());
  return *this;
}

PropertyList& PropertyList::Append(const PropertyList& more) {
  const std::vector<std::uint8_t> entries = more.bytes_;  // more may be this list itself
  bytes_.insert(bytes_.end(), entries.begin(), entries.end());
  return *this;
}

void SetProperties(PropertyTarget& target, const std::vector<std::uint8_t>& list) {
  const std::uint8_t* p = list.data();
  std::size_t pos = 0;
  const std::size_t size = list.size();
  while (pos < size) {
    std::size_t blank = pos;
    while (blank < size && list[blank] != ' ') ++blank;
    const std::string key(reinterpret_cast<const char*>(p + pos), blank - pos);
    if (blank == size) Fail("truncated at key '" + key + "'");
    pos = blank + 1;
    const auto setter = target.PropertySetterFor(key);
    if (!setter) Fail("unknown key '" + key + "'");
    auto need = [&](std::size_t n) {
      if (size - pos < n) Fail("truncated in the value of '" + key + "'");
    };
    PropertyValue value;
    switch (setter->kind) {
      case PropertyKind::Boolean:
        need(1);
        if (p[pos] > 1) Fail("'" + key + "' is not a Boolean");
        value = p[pos] == 1;
        pos += 1;
        break;
      case PropertyKind::Color:
        need(3);
        value = Color{p[pos], p[pos + 1], p[pos + 2]};
        pos += 3;
        break;
      case PropertyKind::Integer:
        need(4);
        value = static_cast<std::int32_t>(GetUint32(p + pos));
        pos += 4;
        break;
      case PropertyKind::Text: {
        need(4);
        const std::uint32_t length = GetUint32(p + pos);
        pos += 4;
        need(length);
        value = FromUtf8(std::string_view(reinterpret_cast<const char*>(p + pos), length));
        pos += length;
        break;
      }
    }
    setter->apply(value);
  }
}
