#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/app.h"
#include "main_window/window1.h"
#include "menu_bar/menu_bar1.h"
#include "tests/support/program_fixture.h"

namespace {
class MenuBarTest : public ProgramFixture {
 protected:
  QMenuBar* Bar() const { return static_cast<QMainWindow*>(NotNil(OpenInstance<class Window1>()).TopLevelWidget())->menuBar(); }
  QAction* Action(const char* name) const { return &NotNil(Bar()->findChild<QAction*>(QLatin1String(name))); }
  // Automatic enabling as the user sees it when the Edit menu opens.
  bool Enabled(const char* name) const {
    emit Bar()->findChild<QMenu*>(QStringLiteral("EditMenu"))->aboutToShow();
    return Action(name)->isEnabled();
  }
};
}  // namespace

TEST_F(MenuBarTest, menusHoldTheirItemsInOrderWithControlShortcuts) {
  // Each menu followed by its items: name|text|shortcut, no text for a separator.
  const QStringList expected = {"EditMenu|&Edit|",
                                "EditUndo|&Undo|Ctrl+Z",
                                "UntitledMenu1||",
                                "EditCut|Cu&t|Ctrl+X",
                                "EditCopy|&Copy|Ctrl+C",
                                "EditPaste|&Paste|Ctrl+V",
                                "EditClear|&Delete|",
                                "UntitledMenu0||",
                                "EditSelectAll|Select &All|Ctrl+A",
                                "EditAbout|About...|",
                                "CheckforUpdateMenu|Check for Update|",
                                "CheckforUpdateCheckNow|Check Now|"};
  QStringList actual;
  for (const QAction* menu : Bar()->actions()) {
    actual << menu->menu()->objectName() + "|" + menu->text() + "|";
    for (const QAction* a : menu->menu()->actions()) {
      actual << a->objectName() + "|" + (a->isSeparator() ? QString() : a->text()) + "|" + a->shortcut().toString();
    }
  }
  EXPECT_EQ(actual, expected);
}

TEST_F(MenuBarTest, oneSharedMenuBar_theTwoHandlersReportHandled) {
  auto& app = NotNil(App());
  EXPECT_EQ(app.MenuBar(), MenuBar1());
  EXPECT_EQ(NotNil(Window1()).MenuBar(), MenuBar1());
  EXPECT_TRUE(app.HandleMenuCommand(U"EditAbout"));
  EXPECT_TRUE(app.HandleMenuCommand(U"CheckforUpdateCheckNow"));
  EXPECT_FALSE(app.HandleMenuCommand(U"EditCopy"));
}

TEST_F(MenuBarTest, editCommandsFollowTheFocusedFieldAndActOnIt) {
  auto w = Window1();
  QWidget* field = w->EditField1()->Widget();
  w->TopLevelWidget()->activateWindow();
  field->setFocus();
  ASSERT_TRUE(testing_support::WaitUntil([&] { return QApplication::focusWidget() == field; }));
  QApplication::clipboard()->clear();
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste"}) EXPECT_FALSE(Enabled(name)) << name;

  QTest::keyClicks(field, "abc");
  EXPECT_FALSE(Enabled("EditCopy")) << "no selection";
  Action("EditSelectAll")->trigger();
  EXPECT_TRUE(Enabled("EditCut"));
  Action("EditCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "abc");
  EXPECT_TRUE(Enabled("EditPaste"));

  // With a button focused there is no field for the Edit commands.
  w->Zendle1()->Widget()->setFocus();
  ASSERT_TRUE(testing_support::WaitUntil([&] { return QApplication::focusWidget() == w->Zendle1()->Widget(); }));
  EXPECT_FALSE(Enabled("EditPaste"));
}
