#include "framework/label.h"

#include <QLabel>

#include "framework/dispatch.h"
#include "framework/qt_text.h"

namespace {
const PropertyKey<Label> kKeys[] = {
    {"Text", PropertyKind::Text, [](Label& l, const PropertyValue& v) { l.SetText(std::get<String>(v)); }},
    {"TextAlign", PropertyKind::Integer, [](Label& l, const PropertyValue& v) { l.SetTextAlign(std::get<std::int32_t>(v)); }},
    {"Multiline", PropertyKind::Boolean, [](Label& l, const PropertyValue& v) { l.SetMultiline(std::get<bool>(v)); }},
    {"Selectable", PropertyKind::Boolean,
     [](Label& l, const PropertyValue& v) {
       if (auto* w = static_cast<QLabel*>(l.Widget()))
         w->setTextInteractionFlags(std::get<bool>(v) ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
     }},
    {"Transparent", PropertyKind::Boolean, IgnoreProperty<Label>},
    {"TabStop", PropertyKind::Boolean, IgnoreProperty<Label>},  // static text never takes focus
    {"TextColor", PropertyKind::Color,
     [](Label& l, const PropertyValue& v) {
       if (auto* w = l.Widget()) {
         const auto c = std::get<Color>(v);
         auto palette = w->palette();
         palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
         w->setPalette(palette);
       }
     }},
    {"DataField", PropertyKind::Text, IgnoreProperty<Label>},
    {"DataSource", PropertyKind::Text, IgnoreProperty<Label>},
};
}  // namespace

const ClassRecord& Label::ClassInfo() {
  static const ClassRecord record{U"Label", &RectControl::ClassInfo(), {}, {{U"Open", U"Open"}}};
  return record;
}

QWidget* Label::CreateWidget(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

String Label::Text() const { return FromQtLines(static_cast<QLabel&>(LiveWidget()).text()); }

void Label::SetText(const String& text) { static_cast<QLabel&>(LiveWidget()).setText(ToQtLines(text)); }

void Label::WindowOpening() {
  if (Open) Dispatch([&] { Open(*this); });
}

void Label::SetTextAlign(std::int32_t align) {
  const Qt::Alignment horizontal = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
  static_cast<QLabel&>(LiveWidget()).setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetMultiline(bool on) { static_cast<QLabel&>(LiveWidget()).setWordWrap(on); }

std::optional<PropertySetter> Label::PropertySetterFor(std::string_view key) { return FindPropertySetter<RectControl>(*this, kKeys, key); }
