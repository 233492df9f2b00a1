// Any bytes as a window's property list: a clear exception or a clean apply, never a read past the end.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/exceptions.h"
#include "framework/property_list.h"

namespace {
class Target final : public PropertyTarget {
 public:
  std::optional<PropertyKind> PropertyKindOf(std::string_view key) const override {
    if (key == "B") return PropertyKind::Boolean;
    if (key == "C") return PropertyKind::Color;
    if (key == "I") return PropertyKind::Integer;
    if (key == "T") return PropertyKind::Text;
    return std::nullopt;
  }
  void SetProperty(std::string_view, const PropertyValue& value) override { last = value; }
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
