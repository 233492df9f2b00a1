#pragma once

// A top-level window. Its constructor sequence (Construct) runs Layout, CreateControls, then the
// Open event; the framework keeps every open window and hands out the implicit instance of a class.
// A window counts as open from the start of its Open event to the end of its Close event.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/class_record.h"
#include "framework/control.h"
#include "framework/menu_item.h"
#include "framework/property_list.h"

class QWidget;
class WindowWidget;

class Window : public std::enable_shared_from_this<Window>, public PropertyTarget {
 public:
  Window();
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  static const ClassRecord& ClassInfo();
  virtual const ClassRecord& Record() const { return ClassInfo(); }

  // Builds and opens the window. A step apart from the constructor, which would reach only Window's
  // own Layout, CreateControls and Open, not the subclass's.
  void Construct();

  // A position the window system cannot hold is set to the nearest one it can, and read back so.
  std::int32_t Top() const;
  void SetTop(std::int32_t top);
  std::int32_t Left() const;
  void SetLeft(std::int32_t left);

  void Show();
  void Close();
  void SetFocus();

  std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<::MenuBar> bar);

  // A control of class C whose widget lives on this window, not yet registered under a name.
  template <class C>
  std::shared_ptr<C> New() {
    auto control = std::make_shared<C>();
    control->AttachTo(*this);
    return control;
  }
  void AddControl(const String& name, std::shared_ptr<Control> control);
  // The order every window builds a control in: create it on this window under its name, let
  // prepare set what the property list does not hold, then apply the list. The caller attaches
  // handlers last, to the control this returns.
  template <class C>
  std::shared_ptr<C> BuildControl(const String& name, const PropertyList& list, const std::function<void(C&)>& prepare = {}) {
    auto control = New<C>();
    AddControl(name, control);
    if (prepare) prepare(*control);
    SetProperties(*control, list.Bytes());
    return control;
  }
  std::shared_ptr<Control> ControlByName(const String& name) const;
  // The control of that name, checked to be of class C; a name nobody registered is Nil.
  template <class C>
  std::shared_ptr<C> ControlAs(const String& name) const {
    auto control = ControlByName(name);
    if (!control) throw NilObjectException("no control named " + ToUtf8(name));
    auto typed = std::dynamic_pointer_cast<C>(control);
    if (!typed) throw IllegalCastException("control " + ToUtf8(name) + " is not of the expected class");
    return typed;
  }
  const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

  std::optional<PropertySetter> PropertySetterFor(std::string_view key) override;

  QWidget* ContentWidget() const;  // where controls stand
  QWidget* TopLevelWidget() const;

 protected:
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Open() {}
  virtual void Event_Close() {}

 private:
  friend class WindowWidget;
  static const PropertyKey<Window> kPropertyKeys[];
  void HandleCloseRequest();
  void ReleaseWidget();
  void ApplyFrameFlags();

  WindowWidget* widget_ = nullptr;
  std::shared_ptr<::MenuBar> menuBar_;
  std::vector<std::shared_ptr<Control>> controls_;
  std::int32_t frame_ = 0;
  bool open_ = false;
  bool closing_ = false;
  bool resizeable_ = true, closeButton_ = true, minimizeButton_ = true, maximizeButton_ = true;
  bool visible_ = true;
  std::int32_t width_ = 300, height_ = 300;
};

// The open windows, oldest first.
std::vector<std::shared_ptr<Window>> OpenWindows();
// The open window whose class is named className ("Window1.Window1"), or Nil.
std::shared_ptr<Window> GetImplicitWindow(const String& className);
// Lets go of every window at shutdown, without their Close events.
void ReleaseWindowList();

// The accessor behind every window class's implicit instance: the open one, or a new one built
// and opened before this returns.
template <class W>
std::shared_ptr<W> ImplicitInstance() {
  if (auto open = GetImplicitWindow(W::ClassInfo().name)) {
    auto typed = std::dynamic_pointer_cast<W>(open);
    if (!typed) throw IllegalCastException("implicit window of another class");
    return typed;
  }
  auto window = std::make_shared<W>();
  window->Construct();
  return window;
}

// The open window of class W without creating one, or Nil.
template <class W>
std::shared_ptr<W> OpenInstance() {
  return std::dynamic_pointer_cast<W>(GetImplicitWindow(W::ClassInfo().name));
}
