#include "framework/menu_renderer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "framework/application.h"
#include "framework/dispatch.h"
#include "framework/qt_text.h"
#include "framework/text_area.h"
#include "framework/window.h"

namespace {
void AddItems(const MenuItem& parent, QMenu* menu) {
  for (std::int64_t i = 0; i < parent.Count(); ++i) {
    auto item = parent.Item(i);
    if (item->IsSeparator()) {
      menu->addSeparator()->setObjectName(ToQString(item->Name()));
      continue;
    }
    if (item->Count() > 0) {
      QMenu* sub = menu->addMenu(ToQString(item->Text()));
      sub->setObjectName(ToQString(item->Name()));
      AddItems(*item, sub);
      continue;
    }
    QAction* action = menu->addAction(ToQString(item->Text()));
    action->setObjectName(ToQString(item->Name()));
    if (!item->KeyboardShortcut().empty()) action->setShortcut(QKeySequence(ToQString(PlatformShortcut(item->KeyboardShortcut()))));
    std::weak_ptr<const MenuItem> weak = item;
    QObject::connect(action, &QAction::triggered, action, [weak] {
      if (auto it = weak.lock()) Dispatch([&] { RunMenuCommand(*it); });
    });
  }
  // Automatic enabling, judged afresh each time the menu opens.
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, weak = parent.weak_from_this()] {
    Dispatch([&] {
      const auto owner = weak.lock();
      if (!owner) return;
      for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->menu()) continue;
        if (auto item = owner->Lookup(FromQString(action->objectName()))) action->setEnabled(MenuItemEnabled(*item));
      }
    });
  });
}
}  // namespace

void RenderMenuBar(const MenuBar& bar, QMenuBar* target) {
  // The bar owns the menus it made; clear() only takes their actions away.
  for (QMenu* old : target->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) old->deleteLater();
  target->clear();
  for (std::int64_t i = 0; i < bar.Count(); ++i) {
    auto top = bar.Item(i);
    QMenu* menu = target->addMenu(ToQString(top->Text()));
    menu->setObjectName(ToQString(top->Name()));
    AddItems(*top, menu);
  }
}

TextArea* FocusedTextArea() {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) return nullptr;
  for (const auto& window : OpenWindows()) {
    for (const auto& control : window->Controls()) {
      if (control->Widget() == focus) return dynamic_cast<TextArea*>(control.get());
    }
  }
  return nullptr;
}

bool RunMenuCommand(const MenuItem& item) {
  if (auto app = GetAppObject(); app && app->HandleMenuCommand(item.Name())) return true;
  TextArea* field = FocusedTextArea();
  if (!field) return false;
  const String& name = item.Name();
  if (name == U"EditUndo")
    field->Undo();
  else if (name == U"EditCut")
    field->Cut();
  else if (name == U"EditCopy")
    field->Copy();
  else if (name == U"EditPaste")
    field->Paste();
  else if (name == U"EditClear")
    field->DeleteSelection();
  else if (name == U"EditSelectAll")
    field->SelectAll();
  else
    return false;
  return true;
}

bool MenuItemEnabled(const MenuItem& item) {
  if (!item.AutoEnable()) return true;
  if (auto app = GetAppObject(); app && app->HasMenuHandler(item.Name())) return true;
  const TextArea* field = FocusedTextArea();
  if (!field) return false;
  const String& name = item.Name();
  if (name == U"EditUndo") return field->CanUndo();
  if (name == U"EditCut" || name == U"EditCopy" || name == U"EditClear") return field->HasSelection();
  if (name == U"EditPaste") {
    // Whether text is offered, never the text itself: fetching it would wait on the clipboard's
    // owner, for the whole of a large clipboard, each time the menu opens.
    const QMimeData* offered = QApplication::clipboard()->mimeData();
    return offered && offered->hasText();
  }
  if (name == U"EditSelectAll") return !field->Text().empty();
  return false;
}
