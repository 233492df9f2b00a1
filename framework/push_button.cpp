#include "framework/push_button.h"

#include <QPushButton>

#include "framework/dispatch.h"
#include "framework/qt_text.h"

namespace {
const PropertyKey<PushButton> kKeys[] = {
    {"Caption", PropertyKind::Text, [](PushButton& b, const PropertyValue& v) { b.SetCaption(std::get<String>(v)); }},
    {"Default", PropertyKind::Boolean, [](PushButton& b, const PropertyValue& v) { b.SetDefault(std::get<bool>(v)); }},
    {"Cancel", PropertyKind::Boolean, [](PushButton& b, const PropertyValue& v) { b.SetCancel(std::get<bool>(v)); }},
    {"ButtonStyle", PropertyKind::Integer, IgnoreProperty<PushButton>},  // 0: the platform's push button
};
}  // namespace

const ClassRecord& PushButton::ClassInfo() {
  static const ClassRecord record{U"PushButton", &RectControl::ClassInfo(), PublicMethods({{"Push", "(  )"}}), {{U"Action", U"Action"}}};
  return record;
}

QWidget* PushButton::CreateWidget(QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [weak = weak_from_this()] {
    if (auto self = std::static_pointer_cast<PushButton>(weak.lock())) self->Push();
  });
  return button;
}

void PushButton::SetCaption(const String& caption) { static_cast<QPushButton&>(LiveWidget()).setText(ToQString(caption)); }

void PushButton::SetDefault(bool on) {
  default_ = on;
  static_cast<QPushButton&>(LiveWidget()).setDefault(on);
}

void PushButton::Push() {
  RequireMainThread();
  if (!Action) return;
  auto self = std::static_pointer_cast<PushButton>(shared_from_this());
  // A handler may close its own window; the window lives on until the handler returns.
  const auto owner = Window();
  Dispatch([&] { Action(*self); });
}

bool PushButton::AnswerWindowKey(WindowKey key) {
  const QWidget* w = Widget();
  if (!w || !w->isVisible() || !w->isEnabled() || !(key == WindowKey::Return ? default_ : cancel_)) return false;
  Push();
  return true;
}

std::optional<PropertySetter> PushButton::PropertySetterFor(std::string_view key) {
  return FindPropertySetter<RectControl>(*this, kKeys, key);
}
