#include "framework/control.h"

#include <QFont>
#include <QWidget>

#include "framework/qt_text.h"
#include "framework/runtime.h"
#include "framework/window.h"

namespace {
bool AsBool(const PropertyValue& v) { return std::get<bool>(v); }
std::int32_t AsInt(const PropertyValue& v) { return std::get<std::int32_t>(v); }

const PropertyKey<Control> kControlKeys[] = {
    {"Name", PropertyKind::Text, [](Control& c, const PropertyValue& v) { c.SetName(std::get<String>(v)); }},
    {"Index", PropertyKind::Integer, IgnoreProperty<Control>},
    {"InitialParent", PropertyKind::Text, IgnoreProperty<Control>},
};

// The controls never resize with their windows (none is resizable), so locks have nothing to do.
const PropertyKey<RectControl> kRectKeys[] = {
    {"Left", PropertyKind::Integer, [](RectControl& c, const PropertyValue& v) { c.SetBounds(AsInt(v), c.Top(), c.Width(), c.Height()); }},
    {"Top", PropertyKind::Integer, [](RectControl& c, const PropertyValue& v) { c.SetBounds(c.Left(), AsInt(v), c.Width(), c.Height()); }},
    {"Width", PropertyKind::Integer, [](RectControl& c, const PropertyValue& v) { c.SetBounds(c.Left(), c.Top(), AsInt(v), c.Height()); }},
    {"Height", PropertyKind::Integer, [](RectControl& c, const PropertyValue& v) { c.SetBounds(c.Left(), c.Top(), c.Width(), AsInt(v)); }},
    {"Visible", PropertyKind::Boolean, [](RectControl& c, const PropertyValue& v) { c.SetVisible(AsBool(v)); }},
    {"Enabled", PropertyKind::Boolean, [](RectControl& c, const PropertyValue& v) { c.SetEnabled(AsBool(v)); }},
    {"TextFont", PropertyKind::Text, [](RectControl& c, const PropertyValue& v) { c.SetTextFont(std::get<String>(v)); }},
    {"TextSize", PropertyKind::Integer, [](RectControl& c, const PropertyValue& v) { c.SetTextSize(AsInt(v)); }},
    {"Bold", PropertyKind::Boolean, [](RectControl& c, const PropertyValue& v) { c.SetBold(AsBool(v)); }},
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
}  // namespace

// TabIndex, TabStop, Italic and Underline need private state, so they are applied in SetProperty.

const ClassRecord& Control::ClassInfo() {
  static const ClassRecord record{U"Control", nullptr, PublicMethods({{"Constructor", "(  )"}}), {}};
  return record;
}

const ClassRecord& RectControl::ClassInfo() {
  static const ClassRecord record{U"RectControl", &Control::ClassInfo(), PublicMethods({{"Refresh", "( Boolean )"}}), {}};
  return record;
}

void Control::AttachTo(::Window& window) {
  RequireMainThread();
  window_ = window.weak_from_this();
  if (!widget_) widget_ = CreateWidget(window.ContentWidget());
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

std::optional<PropertyKind> Control::PropertyKindOf(std::string_view key) const {
  if (const auto* entry = FindPropertyKey(kControlKeys, key)) return entry->kind;
  return std::nullopt;
}

void Control::SetProperty(std::string_view key, const PropertyValue& value) {
  if (const auto* entry = FindPropertyKey(kControlKeys, key)) entry->apply(*this, value);
}

std::optional<PropertyKind> RectControl::PropertyKindOf(std::string_view key) const {
  if (const auto* entry = FindPropertyKey(kRectKeys, key)) return entry->kind;
  if (key == "TabIndex") return PropertyKind::Integer;
  if (key == "TabStop" || key == "Italic" || key == "Underline") return PropertyKind::Boolean;
  return Control::PropertyKindOf(key);
}

void RectControl::SetProperty(std::string_view key, const PropertyValue& value) {
  if (const auto* entry = FindPropertyKey(kRectKeys, key)) return entry->apply(*this, value);
  if (key == "TabIndex")
    tabIndex_ = AsInt(value);
  else if (key == "TabStop")
    SetTabStop(AsBool(value));
  else if (key == "Italic")
    italic_ = AsBool(value), ApplyFont();
  else if (key == "Underline")
    underline_ = AsBool(value), ApplyFont();
  else
    Control::SetProperty(key, value);
}

void RectControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  left_ = left, top_ = top, width_ = width, height_ = height;
  ApplyGeometry();
}

void RectControl::ApplyGeometry() {
  RequireMainThread();
  if (auto* w = Widget()) w->setGeometry(left_, top_, width_, height_);
}

void RectControl::SetVisible(bool visible) { LiveWidget().setVisible(visible); }
void RectControl::SetEnabled(bool enabled) { LiveWidget().setEnabled(enabled); }

void RectControl::SetTabStop(bool on) {
  if (auto* w = Widget()) w->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void RectControl::SetTextFont(const String& family) {
  textFont_ = family;
  ApplyFont();
}
void RectControl::SetTextSize(double size) {
  textSize_ = size;
  ApplyFont();
}
void RectControl::SetBold(bool bold) {
  bold_ = bold;
  ApplyFont();
}

void RectControl::ApplyFont() {
  RequireMainThread();
  auto* w = Widget();
  if (!w) return;
  QFont font = w->parentWidget() ? w->parentWidget()->font() : QFont();
  if (textFont_ != U"System" && !textFont_.empty()) {
    // Where the designed face is missing, a metric-compatible one keeps the designed line breaks.
    QStringList families{ToQString(textFont_)};
    if (textFont_.starts_with(U"Helvetica")) families << QStringLiteral("Liberation Sans") << QStringLiteral("Arial");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
  }
  // Designs give sizes in points of 1/72 inch as the original screens drew them: one pixel each.
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
