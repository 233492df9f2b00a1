// Any bytes as a window's property list: a clear exception or a clean apply, never a read past the end.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/exceptions.h"
#include "framework/property_list.h"

namespace {
class Target final : public PropertyTarget {
 public:
  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override {
    const auto keep = [this](const PropertyValue& value) { last = value; };
    if (key == "B") return PropertySetter{PropertyKind::Boolean, keep};
    if (key == "C") return PropertySetter{PropertyKind::Color, keep};
    if (key == "I") return PropertySetter{PropertyKind::Integer, keep};
    if (key == "T") return PropertySetter{PropertyKind::Text, keep};
    return std::nullopt;
  }
  PropertyValue last;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Target target;
  try {
    SetProperties(target, std::vector<std::uint8_t>(data, data + size));
  } catch (const UnsupportedFormatException&) {
  }
  return 0;
}
