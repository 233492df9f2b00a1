#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <utility>

#include "main_window/window1.h"
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
  // Gives the main window's field the keyboard focus; false when it never arrives.
  [[nodiscard]] static bool FocusTheField() {
    auto w = Window1();
    QWidget* field = w->EditField1()->Widget();
    w->TopLevelWidget()->activateWindow();
    field->setFocus();
    return testing_support::WaitUntil([&] { return QApplication::focusWidget() == field; });
  }
};

// A clipboard owner that offers its formats and counts each time a content is asked of it.
class OfferedOnly final : public QMimeData {
 public:
  explicit OfferedOnly(QString format, int& fetches) : format_(std::move(format)), fetches_(fetches) {}
  QStringList formats() const override { return {format_}; }

 protected:
  QVariant retrieveData(const QString&, QMetaType) const override {
    ++fetches_;
    return QStringLiteral("offered");
  }

 private:
  QString format_;
  int& fetches_;
};
}  // namespace

TEST_F(MenuBarTest, editCommandsFollowTheFocusedFieldAndActOnIt) {
  ASSERT_TRUE(FocusTheField());
  auto w = Window1();
  QWidget* field = w->EditField1()->Widget();
  QApplication::clipboard()->clear();
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditSelectAll"}) EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_EQ(Action("EditCopy")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));

  QTest::keyClicks(field, "abc");
  EXPECT_TRUE(Enabled("EditUndo"));
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

TEST_F(MenuBarTest, pasteIsEnabledByWhatTheClipboardOffersWithoutFetchingIt) {
  ASSERT_TRUE(FocusTheField());
  int fetches = 0;
  QApplication::clipboard()->setMimeData(new OfferedOnly(QStringLiteral("text/plain"), fetches));
  EXPECT_TRUE(Enabled("EditPaste"));
  QApplication::clipboard()->setMimeData(new OfferedOnly(QStringLiteral("image/png"), fetches));
  EXPECT_FALSE(Enabled("EditPaste"));
  EXPECT_EQ(fetches, 0);
  QApplication::clipboard()->clear();
}
