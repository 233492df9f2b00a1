#include "framework/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

#include "framework/label.h"
#include "framework/menu_renderer.h"
#include "framework/push_button.h"
#include "framework/qt_text.h"
#include "framework/runtime.h"

namespace {
// Never destroyed, like the runtime's state: the windows hold Qt widgets, which must not be taken
// apart by the exit handlers after the display has gone.
std::vector<std::shared_ptr<Window>>& OpenList() {
  static auto* windows = new std::vector<std::shared_ptr<Window>>;
  return *windows;
}

// X11 carries a window's position in 16 signed bits, and Qt's rectangle arithmetic overflows near
// the 32-bit bounds: a position beyond goes to the nearest one the window system can hold.
std::int32_t Placeable(std::int32_t position) { return std::clamp(position, -32768, 32767); }

bool AsBool(const PropertyValue& v) { return std::get<bool>(v); }
std::int32_t AsInt(const PropertyValue& v) { return std::get<std::int32_t>(v); }
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
    const bool escape = event->key() == Qt::Key_Escape;
    if (owner_ && (enter || escape)) {
      for (const auto& control : owner_->Controls()) {
        auto button = std::dynamic_pointer_cast<PushButton>(control);
        if (button && button->Widget() && button->Widget()->isVisible() && button->Widget()->isEnabled() &&
            (enter ? button->Default() : button->Cancel())) {
          button->Push();
          return;
        }
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
  for (const auto& c : controls_) {
    if (auto label = std::dynamic_pointer_cast<Label>(c); label && label->Open) Dispatch([&] { label->Open(*label); });
  }
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
  auto& w = NotNil(widget_);
  w.show();
  w.raise();
  w.activateWindow();
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
  auto& w = NotNil(widget_);
  QRect g = w.geometry();
  g.moveTop(Placeable(top));
  w.setGeometry(g);
}

void Window::SetLeft(std::int32_t left) {
  RequireMainThread();
  auto& w = NotNil(widget_);
  QRect g = w.geometry();
  g.moveLeft(Placeable(left));
  w.setGeometry(g);
}

std::int32_t Window::Width() const {
  RequireMainThread();
  return NotNil(widget_).centralWidget()->width();
}

std::int32_t Window::Height() const {
  RequireMainThread();
  return NotNil(widget_).centralWidget()->height();
}

String Window::Title() const {
  RequireMainThread();
  return FromQString(NotNil(widget_).windowTitle());
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

namespace {
const PropertyKey<Window> kWindowKeys[] = {
    {"Title", PropertyKind::Text,
     [](Window& w, const PropertyValue& v) { NotNil(w.TopLevelWidget()).setWindowTitle(ToQString(std::get<String>(v))); }},
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
}  // namespace

std::optional<PropertyKind> Window::PropertyKindOf(std::string_view key) const {
  if (const auto* entry = FindPropertyKey(kWindowKeys, key)) return entry->kind;
  static constexpr std::string_view kInts[] = {"Width", "Height", "Frame"};
  static constexpr std::string_view kBools[] = {"Visible", "Resizeable", "CloseButton", "MinimizeButton", "MaximizeButton"};
  if (std::find(std::begin(kInts), std::end(kInts), key) != std::end(kInts)) return PropertyKind::Integer;
  if (std::find(std::begin(kBools), std::end(kBools), key) != std::end(kBools)) return PropertyKind::Boolean;
  return std::nullopt;
}

void Window::SetProperty(std::string_view key, const PropertyValue& value) {
  if (const auto* entry = FindPropertyKey(kWindowKeys, key)) return entry->apply(*this, value);
  if (key == "Width")
    width_ = AsInt(value);
  else if (key == "Height")
    height_ = AsInt(value);
  else if (key == "Frame")
    frame_ = AsInt(value);
  else if (key == "Visible")
    visible_ = AsBool(value);
  else if (key == "Resizeable")
    resizeable_ = AsBool(value);
  else if (key == "CloseButton")
    closeButton_ = AsBool(value);
  else if (key == "MinimizeButton")
    minimizeButton_ = AsBool(value);
  else if (key == "MaximizeButton")
    maximizeButton_ = AsBool(value);
  else
    return;
  ApplyFrameFlags();
}

std::vector<std::shared_ptr<Window>> OpenWindows() { return OpenList(); }

std::shared_ptr<Window> GetImplicitWindow(const String& className) {
  for (const auto& w : OpenList()) {
    if (w->Record().name == className) return w;
  }
  return nullptr;
}

void ReleaseWindowList() { OpenList().clear(); }
