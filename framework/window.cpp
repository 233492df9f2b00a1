#include "framework/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "framework/dispatch.h"
#include "framework/menu_renderer.h"
#include "framework/qt_text.h"

namespace {
// Never destroyed, like the runtime's state: the windows hold Qt widgets, which must not be taken
// apart by the exit handlers after the display has gone.
std::vector<std::shared_ptr<Window>>& OpenList() {
  static auto* windows = new std::vector<std::shared_ptr<Window>>;
  return *windows;
}

// X11 carries a window's position in 16 signed bits of device pixels, and Qt's rectangle arithmetic
// overflows near the 32-bit bounds: a position beyond goes to the nearest one the window system can
// hold. Ours are logical pixels, which a scale factor multiplies on the way to the screen.
std::int32_t Placeable(const QWidget& w, std::int32_t position) {
  const qreal ratio = w.devicePixelRatioF();
  return std::clamp(position, static_cast<std::int32_t>(std::ceil(-32768 / ratio)), static_cast<std::int32_t>(std::floor(32767 / ratio)));
}

// Moves one edge of the window, keeping its size.
void MoveEdge(QWidget& w, void (QRect::*moveEdge)(int), std::int32_t position) {
  QRect g = w.geometry();
  (g.*moveEdge)(Placeable(w, position));
  w.setGeometry(g);
}
}  // namespace

// The Qt side of a Window: forwards the close box and the Return and Escape keys. It may outlive
// its Window by a turn of the event loop (deleteLater), so the Window orphans it when it goes.
class WindowWidget final : public QMainWindow {
 public:
  explicit WindowWidget(Window& owner) : owner_(&owner) {
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    setCentralWidget(content);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    if (owner_) owner_->HandleCloseRequest();
  }

  // Keys no control took: Return presses the default button, Escape the cancel button.
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (owner_ && (enter || event->key() == Qt::Key_Escape)) {
      const auto key = enter ? Control::WindowKey::Return : Control::WindowKey::Escape;
      for (const auto& control : owner_->Controls()) {
        if (control->AnswerWindowKey(key)) return;
      }
    }
    QMainWindow::keyPressEvent(event);
  }

 private:
  friend class Window;
  Window* owner_ = nullptr;
};

const ClassRecord& Window::ClassInfo() {
  static const ClassRecord record{
      U"Window", nullptr, PublicMethods({{"Constructor", "(  )"}, {"Show", "(  )"}, {"Close", "(  )"}, {"SetFocus", "(  )"}}), {}};
  return record;
}

Window::Window() {
  RequireMainThread();
  widget_ = new WindowWidget(*this);
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
  widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Window::~Window() { ReleaseWidget(); }

// The widget goes with the next turn of the event loop and must not call back meanwhile.
void Window::ReleaseWidget() {
  if (!widget_) return;
  widget_->owner_ = nullptr;
  widget_->hide();
  widget_->deleteLater();
  widget_ = nullptr;
}

QWidget* Window::ContentWidget() const { return NotNil(widget_).centralWidget(); }
QWidget* Window::TopLevelWidget() const { return widget_; }

void Window::Construct() {
  RequireMainThread();
  auto self = shared_from_this();
  Layout();
  CreateControls();
  // Keyboard focus follows TabIndex, whatever order the controls were created in.
  std::vector<RectControl*> stops;
  for (const auto& c : controls_) {
    auto* rect = dynamic_cast<RectControl*>(c.get());
    if (rect && rect->Widget() && rect->Widget()->focusPolicy() != Qt::NoFocus) stops.push_back(rect);
  }
  std::stable_sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
  for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());

  open_ = true;
  OpenList().push_back(self);
  for (const auto& c : controls_) c->WindowOpening();
  Event_Open();
  if (open_ && visible_) {
    widget_->show();
    if (!stops.empty() && stops.front()->Widget()) stops.front()->Widget()->setFocus();
  }
}

void Window::HandleCloseRequest() {
  if (!open_ || closing_) return;
  closing_ = true;
  auto self = shared_from_this();  // the window must outlive its own Close event
  Dispatch([&] { Event_Close(); });
  open_ = false;
  auto& list = OpenList();
  list.erase(std::remove(list.begin(), list.end(), self), list.end());
  for (const auto& c : controls_) c->Detach();
  controls_.clear();
  ReleaseWidget();
}

void Window::Show() {
  RequireMainThread();
  NotNil(widget_).show();
  SetFocus();
}

void Window::Close() {
  RequireMainThread();
  if (!open_ || closing_) return;
  if (widget_)
    widget_->close();  // through closeEvent, as the close box would
  else
    HandleCloseRequest();
}

void Window::SetFocus() {
  RequireMainThread();
  auto& w = NotNil(widget_);
  w.raise();
  w.activateWindow();
}

std::int32_t Window::Top() const {
  RequireMainThread();
  return NotNil(widget_).geometry().top();
}

std::int32_t Window::Left() const {
  RequireMainThread();
  return NotNil(widget_).geometry().left();
}

void Window::SetTop(std::int32_t top) {
  RequireMainThread();
  MoveEdge(NotNil(widget_), &QRect::moveTop, top);
}

void Window::SetLeft(std::int32_t left) {
  RequireMainThread();
  MoveEdge(NotNil(widget_), &QRect::moveLeft, left);
}

void Window::SetMenuBar(std::shared_ptr<::MenuBar> bar) {
  RequireMainThread();
  menuBar_ = std::move(bar);
  if (menuBar_) RenderMenuBar(*menuBar_, NotNil(widget_).menuBar());
}

void Window::AddControl(const String& name, std::shared_ptr<Control> control) {
  RequireMainThread();
  NotNil(control).SetName(name);
  control->AttachTo(*this);
  if (auto* w = control->Widget()) w->setObjectName(ToQString(name));
  controls_.push_back(std::move(control));
}

std::shared_ptr<Control> Window::ControlByName(const String& name) const {
  RequireMainThread();
  for (const auto& c : controls_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

void Window::ApplyFrameFlags() {
  Qt::WindowFlags flags = (frame_ == 1 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  auto& w = NotNil(widget_);
  w.setWindowFlags(flags);
  // Frame 1 is modal for the whole application, yet shown without a nested event loop.
  w.setWindowModality(frame_ == 1 ? Qt::ApplicationModal : Qt::NonModal);
  QWidget* content = w.centralWidget();
  if (resizeable_) {
    content->setMinimumSize(64, 64);
    content->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    content->resize(width_, height_);
    w.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  } else {
    content->setFixedSize(width_, height_);
    w.layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  w.adjustSize();
}

// Every key of the frame builds the frame again, so the list's order does not matter.
const PropertyKey<Window> Window::kPropertyKeys[] = {
    {"Title", PropertyKind::Text,
     [](Window& w, const PropertyValue& v) { NotNil(w.TopLevelWidget()).setWindowTitle(ToQString(std::get<String>(v))); }},
    {"Width", PropertyKind::Integer, StoreProperty<&Window::width_, &Window::ApplyFrameFlags>},
    {"Height", PropertyKind::Integer, StoreProperty<&Window::height_, &Window::ApplyFrameFlags>},
    {"Frame", PropertyKind::Integer, StoreProperty<&Window::frame_, &Window::ApplyFrameFlags>},
    {"Visible", PropertyKind::Boolean, StoreProperty<&Window::visible_, &Window::ApplyFrameFlags>},
    {"Resizeable", PropertyKind::Boolean, StoreProperty<&Window::resizeable_, &Window::ApplyFrameFlags>},
    {"CloseButton", PropertyKind::Boolean, StoreProperty<&Window::closeButton_, &Window::ApplyFrameFlags>},
    {"MinimizeButton", PropertyKind::Boolean, StoreProperty<&Window::minimizeButton_, &Window::ApplyFrameFlags>},
    {"MaximizeButton", PropertyKind::Boolean, StoreProperty<&Window::maximizeButton_, &Window::ApplyFrameFlags>},
    {"Placement", PropertyKind::Integer, IgnoreProperty<Window>},  // 0: placed by the program's own code
    {"MinWidth", PropertyKind::Integer, IgnoreProperty<Window>},
    {"MinHeight", PropertyKind::Integer, IgnoreProperty<Window>},
    {"MaxWidth", PropertyKind::Integer, IgnoreProperty<Window>},
    {"MaxHeight", PropertyKind::Integer, IgnoreProperty<Window>},
    {"Composite", PropertyKind::Boolean, IgnoreProperty<Window>},
    {"HasBackColor", PropertyKind::Boolean, IgnoreProperty<Window>},  // the back colour is never used
    {"BackColor", PropertyKind::Color, IgnoreProperty<Window>},
    {"FullScreen", PropertyKind::Boolean, IgnoreProperty<Window>},
    {"MenuBarVisible", PropertyKind::Boolean, IgnoreProperty<Window>},
    {"LiveResize", PropertyKind::Boolean, IgnoreProperty<Window>},
    {"MacProcID", PropertyKind::Integer, IgnoreProperty<Window>},
};

std::optional<PropertySetter> Window::PropertySetterFor(std::string_view key) { return FindPropertySetter(*this, kPropertyKeys, key); }

std::vector<std::shared_ptr<Window>> OpenWindows() { return OpenList(); }

std::shared_ptr<Window> GetImplicitWindow(const String& className) {
  for (const auto& w : OpenList()) {
    if (w->Record().name == className) return w;
  }
  return nullptr;
}

void ReleaseWindowList() { OpenList().clear(); }

// Here rather than beside Control: a control knows its window by name only, so that the controls
// stand below the window that holds them.
void Control::AttachTo(::Window& window) {
  RequireMainThread();
  window_ = window.weak_from_this();
  if (!widget_) widget_ = CreateWidget(window.ContentWidget());
}
