#include "framework/check_box.h"

#include <QCheckBox>

#include "framework/qt_text.h"

namespace {
const PropertyKey<CheckBox> kKeys[] = {
    {"Caption", PropertyKind::Text, [](CheckBox& c, const PropertyValue& v) { c.SetCaption(std::get<String>(v)); }},
    {"Value", PropertyKind::Boolean, [](CheckBox& c, const PropertyValue& v) { c.SetValue(std::get<bool>(v)); }},
    {"State", PropertyKind::Integer, [](CheckBox& c, const PropertyValue& v) { c.SetValue(std::get<std::int32_t>(v) == 1); }},
};
}  // namespace

const ClassRecord& CheckBox::ClassInfo() {
  static const ClassRecord record{U"CheckBox", &RectControl::ClassInfo(), {}, {}};
  return record;
}

QWidget* CheckBox::CreateWidget(QWidget* parent) { return new QCheckBox(parent); }

void CheckBox::SetCaption(const String& caption) { static_cast<QCheckBox&>(LiveWidget()).setText(ToQString(caption)); }
bool CheckBox::Value() const { return static_cast<QCheckBox&>(LiveWidget()).isChecked(); }
void CheckBox::SetValue(bool checked) { static_cast<QCheckBox&>(LiveWidget()).setChecked(checked); }

std::optional<PropertySetter> CheckBox::PropertySetterFor(std::string_view key) {
  return FindPropertySetter<RectControl>(*this, kKeys, key);
}
