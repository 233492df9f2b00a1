#include "framework/control.h"

#include <QFont>
#include <QWidget>

#include "framework/dispatch.h"
#include "framework/qt_text.h"

namespace {
const PropertyKey<Control> kControlKeys[] = {
    {"Name", PropertyKind::Text, [](Control& c, const PropertyValue& v) { c.SetName(std::get<String>(v)); }},
    {"Index", PropertyKind::Integer, IgnoreProperty<Control>},
    {"InitialParent", PropertyKind::Text, IgnoreProperty<Control>},
};
}  // namespace

// The controls never resize with their windows (none is resizable), so locks have nothing to do.
const PropertyKey<RectControl> RectControl::kPropertyKeys[] = {
    {"Left", PropertyKind::Integer, StoreProperty<&RectControl::left_, &RectControl::ApplyGeometry>},
    {"Top", PropertyKind::Integer, StoreProperty<&RectControl::top_, &RectControl::ApplyGeometry>},
    {"Width", PropertyKind::Integer, StoreProperty<&RectControl::width_, &RectControl::ApplyGeometry>},
    {"Height", PropertyKind::Integer, StoreProperty<&RectControl::height_, &RectControl::ApplyGeometry>},
    {"Visible", PropertyKind::Boolean, [](RectControl& c, const PropertyValue& v) { c.SetVisible(std::get<bool>(v)); }},
    {"Enabled", PropertyKind::Boolean, [](RectControl& c, const PropertyValue& v) { c.SetEnabled(std::get<bool>(v)); }},
    {"TabIndex", PropertyKind::Integer, StoreProperty<&RectControl::tabIndex_>},
    {"TabStop", PropertyKind::Boolean,
     [](RectControl& c, const PropertyValue& v) {
       if (auto* w = c.Widget()) w->setFocusPolicy(std::get<bool>(v) ? Qt::StrongFocus : Qt::NoFocus);
     }},
    {"TextFont", PropertyKind::Text, StoreProperty<&RectControl::textFont_, &RectControl::ApplyFont>},
    {"TextSize", PropertyKind::Integer, [](RectControl& c, const PropertyValue& v) { c.SetTextSize(std::get<std::int32_t>(v)); }},
    {"Bold", PropertyKind::Boolean, StoreProperty<&RectControl::bold_, &RectControl::ApplyFont>},
    {"Italic", PropertyKind::Boolean, StoreProperty<&RectControl::italic_, &RectControl::ApplyFont>},
    {"Underline", PropertyKind::Boolean, StoreProperty<&RectControl::underline_, &RectControl::ApplyFont>},
    {"HelpTag", PropertyKind::Text,
     [](RectControl& c, const PropertyValue& v) {
       if (auto* w = c.Widget()) w->setToolTip(ToQString(std::get<String>(v)));
     }},
    {"LockLeft", PropertyKind::Boolean, IgnoreProperty<RectControl>},
    {"LockTop", PropertyKind::Boolean, IgnoreProperty<RectControl>},
    {"LockRight", PropertyKind::Boolean, IgnoreProperty<RectControl>},
    {"LockBottom", PropertyKind::Boolean, IgnoreProperty<RectControl>},
    {"AutoDeactivate", PropertyKind::Boolean, IgnoreProperty<RectControl>},
    {"TabPanelIndex", PropertyKind::Integer, IgnoreProperty<RectControl>},
};

const ClassRecord& Control::ClassInfo() {
  static const ClassRecord record{U"Control", nullptr, PublicMethods({{"Constructor", "(  )"}}), {}};
  return record;
}

const ClassRecord& RectControl::ClassInfo() {
  static const ClassRecord record{U"RectControl", &Control::ClassInfo(), PublicMethods({{"Refresh", "( Boolean )"}}), {}};
  return record;
}

QWidget* Control::CreateWidget(QWidget*) { return nullptr; }

void Control::Detach() {
  // The widget belongs to the window's widget tree, which deletes it.
  widget_ = nullptr;
}

QWidget& Control::LiveWidget() const {
  RequireMainThread();
  return NotNil(widget_);
}

std::optional<PropertySetter> Control::PropertySetterFor(std::string_view key) { return FindPropertySetter(*this, kControlKeys, key); }

std::optional<PropertySetter> RectControl::PropertySetterFor(std::string_view key) {
  return FindPropertySetter<Control>(*this, kPropertyKeys, key);
}

void RectControl::ApplyGeometry() {
  RequireMainThread();
  if (auto* w = Widget()) w->setGeometry(left_, top_, width_, height_);
}

void RectControl::SetVisible(bool visible) { LiveWidget().setVisible(visible); }
void RectControl::SetEnabled(bool enabled) { LiveWidget().setEnabled(enabled); }

void RectControl::SetTextSize(double size) {
  textSize_ = size;
  ApplyFont();
}

void RectControl::ApplyFont() {
  RequireMainThread();
  auto* w = Widget();
  if (!w) return;
  QFont font = w->parentWidget() ? w->parentWidget()->font() : QFont();
  if (textFont_ != U"System" && !textFont_.empty()) {
    // Where the named face is missing, a metric-compatible one keeps the labels' line breaks.
    QStringList families{ToQString(textFont_)};
    if (textFont_.starts_with(U"Helvetica")) families << QStringLiteral("Liberation Sans") << QStringLiteral("Arial");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
  }
  // A size counts points of 1/72 inch at 72 dots per inch: one pixel each.
  if (textSize_ > 0) font.setPixelSize(static_cast<int>(textSize_ + 0.5));
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  w->setFont(font);
}

void RectControl::Refresh(bool immediately) {
  auto& w = LiveWidget();
  if (immediately)
    w.repaint();
  else
    w.update();
}
