#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/app.h"
#include "app/menu_bar1.h"
#include "main_window/window1.h"
#include "tests/support/program_fixture.h"

namespace {
class MenuBarTest : public ProgramFixture {
 protected:
  QMenuBar* Bar() const { return static_cast<QMainWindow*>(NotNil(OpenInstance<class Window1>()).TopLevelWidget())->menuBar(); }
  QMenu* Menu(const char* name) const { return Bar()->findChild<QMenu*>(QLatin1String(name), Qt::FindDirectChildrenOnly); }
  QAction* Action(const char* name) const {
    for (QMenu* menu : Bar()->findChildren<QMenu*>()) {
      for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String(name)) return action;
      }
    }
    return nullptr;
  }
  // Automatic enabling as the user sees it when the Edit menu opens.
  bool Enabled(const char* name) const {
    emit Menu("EditMenu")->aboutToShow();
    return NotNil(Action(name)).isEnabled();
  }
};

struct Row {
  const char* name;
  const char* text;
  const char* shortcut;
};
}  // namespace

TEST_F(MenuBarTest, menusAreBuiltExactlyAsDesignedWithControlShortcuts) {
  const auto menus = Bar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "&Edit");
  EXPECT_EQ(menus[0]->menu()->objectName(), "EditMenu");
  EXPECT_EQ(menus[1]->text(), "Check for Update");
  EXPECT_EQ(menus[1]->menu()->objectName(), "CheckforUpdateMenu");

  const Row edit[] = {{"EditUndo", "&Undo", "Ctrl+Z"},   {"UntitledMenu1", nullptr, ""},
                      {"EditCut", "Cu&t", "Ctrl+X"},     {"EditCopy", "&Copy", "Ctrl+C"},
                      {"EditPaste", "&Paste", "Ctrl+V"}, {"EditClear", "&Delete", ""},
                      {"UntitledMenu0", nullptr, ""},    {"EditSelectAll", "Select &All", "Ctrl+A"},
                      {"EditAbout", "About...", ""}};
  const auto actions = menus[0]->menu()->actions();
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(edit)));
  for (std::size_t i = 0; i < std::size(edit); ++i) {
    const QAction* a = actions[static_cast<qsizetype>(i)];
    EXPECT_EQ(a->objectName(), edit[i].name);
    EXPECT_EQ(a->isSeparator(), edit[i].text == nullptr) << edit[i].name;
    if (edit[i].text) {
      EXPECT_EQ(a->text(), edit[i].text);
    }
    EXPECT_EQ(a->shortcut().toString(), edit[i].shortcut) << edit[i].name;
  }
  const auto check = menus[1]->menu()->actions();
  ASSERT_EQ(check.size(), 1);
  EXPECT_EQ(check[0]->objectName(), "CheckforUpdateCheckNow");
  EXPECT_EQ(check[0]->text(), "Check Now");
  EXPECT_TRUE(check[0]->shortcut().isEmpty());

  // The tree behind the rendering.
  auto bar = MenuBar1();
  EXPECT_NE(std::dynamic_pointer_cast<AppleMenuItem>(bar->Lookup(U"EditAbout")), nullptr);
  for (const char* name :
       {"EditMenu", "EditUndo", "UntitledMenu1", "EditClear", "EditAbout", "CheckforUpdateMenu", "CheckforUpdateCheckNow"}) {
    EXPECT_TRUE(NotNil(bar->Lookup(FromLatin1(name))).AutoEnable()) << name;
  }
}

TEST_F(MenuBarTest, oneMenuBarIsSharedByTheApplicationAndTheMainWindow) {
  auto bar = MenuBar1();
  EXPECT_EQ(MenuBar1(), bar);
  EXPECT_EQ(NotNil(App()).MenuBar(), bar);
  EXPECT_EQ(NotNil(Window1()).MenuBar(), bar);
}

TEST_F(MenuBarTest, theTwoHandlersAreRegisteredInOrderAndReportHandled) {
  auto& app = NotNil(App());
  EXPECT_EQ(app.MenuHandlerNames(), (std::vector<String>{U"EditAbout", U"CheckforUpdateCheckNow"}));
  for (const String name : {U"EditAbout", U"CheckforUpdateCheckNow"}) {
    EXPECT_TRUE(app.HandleMenuCommand(name));
    const auto open = OpenWindows().size();
    EXPECT_TRUE(app.HandleMenuCommand(name)) << "handled again while its window is open";
    EXPECT_EQ(OpenWindows().size(), open) << "no second window";
  }
  EXPECT_FALSE(app.HandleMenuCommand(U"EditCopy"));

  // Choosing an item runs the handler registered under its name.
  int ran = 0;
  app.AddMenuHandler(U"CheckforUpdateCheckNow", [&] { return ++ran > 0; });
  NotNil(Action("CheckforUpdateCheckNow")).trigger();
  EXPECT_EQ(ran, 1);
}

TEST_F(MenuBarTest, editCommandsFollowTheFocusedFieldAndActOnIt) {
  auto w = Window1();
  QWidget* field = w->EditField1()->Widget();
  w->TopLevelWidget()->activateWindow();
  field->setFocus();
  ASSERT_TRUE(testing_support::WaitUntil([&] { return QApplication::focusWidget() == field; }));
  QApplication::clipboard()->clear();

  EXPECT_FALSE(Enabled("EditUndo"));
  EXPECT_FALSE(Enabled("EditCut"));
  EXPECT_FALSE(Enabled("EditCopy"));
  EXPECT_FALSE(Enabled("EditPaste")) << "nothing on the clipboard";
  EXPECT_TRUE(Enabled("EditAbout"));

  QTest::keyClicks(field, "abc");
  EXPECT_TRUE(Enabled("EditUndo"));
  EXPECT_FALSE(Enabled("EditCopy")) << "no selection";
  w->EditField1()->SelectAll();
  EXPECT_TRUE(Enabled("EditCut"));
  EXPECT_TRUE(Enabled("EditCopy"));

  Action("EditCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "abc");
  EXPECT_TRUE(Enabled("EditPaste"));
  Action("EditCut")->trigger();
  EXPECT_EQ(w->EditField1()->Text(), U"");
  Action("EditPaste")->trigger();
  Action("EditPaste")->trigger();
  EXPECT_EQ(w->EditField1()->Text(), U"abcabc");
  Action("EditSelectAll")->trigger();
  Action("EditClear")->trigger();
  EXPECT_EQ(w->EditField1()->Text(), U"");
  Action("EditUndo")->trigger();
  EXPECT_EQ(w->EditField1()->Text(), U"abcabc");

  // With a button focused there is no field for the Edit commands.
  w->Zendle1()->Widget()->setFocus();
  ASSERT_TRUE(testing_support::WaitUntil([&] { return QApplication::focusWidget() == w->Zendle1()->Widget(); }));
  EXPECT_FALSE(Enabled("EditPaste"));
  Action("EditSelectAll")->trigger();
  EXPECT_FALSE(w->EditField1()->HasSelection());
}
