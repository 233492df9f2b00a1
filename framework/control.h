#pragma once

// Controls: created through a window (Window::New), registered and found by name. Control is the
// base of everything a window holds; RectControl is the visible kind, with geometry and font.

#include <memory>
#include <optional>

#include "framework/class_record.h"
#include "framework/property_list.h"

class QWidget;
class Window;

class Control : public PropertyTarget, public std::enable_shared_from_this<Control> {
 public:
  Control() = default;
  ~Control() override = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  static const ClassRecord& ClassInfo();
  virtual const ClassRecord& Record() const { return ClassInfo(); }

  const String& Name() const { return name_; }
  // The owning window; Nil once it has closed.
  std::shared_ptr<::Window> Window() const { return window_.lock(); }

  // Called by Window::New and Window::AddControl.
  void AttachTo(::Window& window);
  void SetName(const String& name) { name_ = name; }
  // The window has closed: drop the widget and stop anything under way.
  virtual void Detach();
  // The window is opening, before its own Open event: a control with an Open event fires it.
  virtual void WindowOpening() {}
  // A key the window's controls left alone; true when this control answered it.
  enum class WindowKey { Return, Escape };
  virtual bool AnswerWindowKey(WindowKey) { return false; }

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

  QWidget* Widget() const { return widget_; }  // Nil for controls without a face, or when closed

 protected:
  virtual QWidget* CreateWidget(QWidget* parent);
  // The widget, or NilObjectException when the control's window has closed. Main thread only.
  QWidget& LiveWidget() const;

 private:
  String name_;
  std::weak_ptr<::Window> window_;
  QWidget* widget_ = nullptr;
};

class RectControl : public Control {
 public:
  static const ClassRecord& ClassInfo();
  const ClassRecord& Record() const override { return ClassInfo(); }

  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  std::int32_t TabIndex() const { return tabIndex_; }

  // Size 0 is the default size.
  void SetTextSize(double size);

  // Redraws at once when immediately is true, otherwise at the next paint.
  void Refresh(bool immediately = true);

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

 private:
  static const PropertyKey<RectControl> kPropertyKeys[];
  void ApplyFont();
  void ApplyGeometry();

  std::int32_t left_ = 0, top_ = 0, width_ = 80, height_ = 20;
  std::int32_t tabIndex_ = 0;
  String textFont_ = U"System";  // "System" is the platform's own
  double textSize_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
};
