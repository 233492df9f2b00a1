#include "framework/progress_bar.h"

#include <QProgressBar>

namespace {
const PropertyKey<ProgressBar> kKeys[] = {
    {"Maximum", PropertyKind::Integer, [](ProgressBar& b, const PropertyValue& v) { b.SetMaximum(std::get<std::int32_t>(v)); }},
    {"Value", PropertyKind::Integer, [](ProgressBar& b, const PropertyValue& v) { b.SetValue(std::get<std::int32_t>(v)); }},
    {"TabStop", PropertyKind::Boolean, IgnoreProperty<ProgressBar>},  // a bar never takes focus
};
QProgressBar& Bar(QWidget& w) { return static_cast<QProgressBar&>(w); }
}  // namespace

const ClassRecord& ProgressBar::ClassInfo() {
  static const ClassRecord record{U"ProgressBar", &RectControl::ClassInfo(), {}, {}};
  return record;
}

QWidget* ProgressBar::CreateWidget(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setTextVisible(false);
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setFocusPolicy(Qt::NoFocus);
  return bar;
}

void ProgressBar::SetMaximum(std::int32_t maximum) { Bar(LiveWidget()).setRange(0, maximum < 0 ? 0 : maximum); }
void ProgressBar::SetValue(std::int32_t value) { Bar(LiveWidget()).setValue(value); }

std::optional<PropertySetter> ProgressBar::PropertySetterFor(std::string_view key) {
  return FindPropertySetter<RectControl>(*this, kKeys, key);
}
