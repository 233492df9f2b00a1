#include "main_window/window1.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "tests/support/program_fixture.h"

namespace {
using Window1Test = ProgramFixture;

std::string ClipboardText() { return QApplication::clipboard()->text().toStdString(); }
}  // namespace

TEST_F(Window1Test, theWindowKeepsItsSizeWhenAskedToGrow) {
  auto w = Window1();
  w->TopLevelWidget()->resize(600, 700);
  EXPECT_EQ(w->ContentWidget()->size(), QSize(450, 472));
}

TEST_F(Window1Test, tabVisitsTheFieldSimpleClearAutoClearComplexAndSkipsLabels) {
  auto w = Window1();
  QWidget* top = w->TopLevelWidget();
  top->activateWindow();
  w->EditField1()->Widget()->setFocus();
  for (QWidget* next :
       {w->Zendle1()->Widget(), w->ClearField()->Widget(), w->AutoClear()->Widget(), w->Zendle2()->Widget(), w->EditField1()->Widget()}) {
    QTest::keyClick(top->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(top->focusWidget(), next) << "now at " << qPrintable(top->focusWidget()->objectName());
  }
}

TEST_F(Window1Test, eachButtonCleansItsOwnWayAndEveryPressReplacesTheClipboardWithLineFeeds) {
  auto w = Window1();
  // Pasted line breaks of every kind become one; the clipboard gets line feeds. Complex through
  // the real clipboard is the end-to-end test's.
  QApplication::clipboard()->setText(QString::fromUtf8("> a\r\n> b\n> c\r\r\r\rd  e.."));
  w->EditField1()->Paste();
  EXPECT_EQ(w->EditField1()->Text(), U"> a\r> b\r> c\r\r\r\rd  e..");
  w->Zendle1()->Push();
  EXPECT_EQ(w->EditField1()->Text(), U" a\r b\r c\r\r\r\rd  e..");
  EXPECT_EQ(ClipboardText(), " a\n b\n c\n\n\n\nd  e..");
  w->Zendle2()->Push();
  EXPECT_EQ(w->EditField1()->Text(), U" abc\r\rd e.");

  for (auto button : {&Window1::Zendle1, &Window1::Zendle2}) {
    for (const String text : {U"", U"nothing to clean"}) {
      w->EditField1()->SetText(text);
      QApplication::clipboard()->setText("earlier");
      NotNil(((*w).*button)()).Push();
      EXPECT_EQ(ClipboardText(), ToUtf8(text));
    }
  }
}

TEST_F(Window1Test, clearEmptiesTheFieldOnly_autoClearIsReadAfterEachPress) {
  auto w = Window1();
  w->EditField1()->SetText(U"> quoted\rtext");
  QApplication::clipboard()->setText("keep me");
  w->AutoClear()->SetValue(true);
  QTest::mouseClick(w->ClearField()->Widget(), Qt::LeftButton);
  EXPECT_EQ(w->EditField1()->Text(), U"");
  EXPECT_EQ(ClipboardText(), "keep me");
  EXPECT_TRUE(w->AutoClear()->Value());

  for (bool autoClear : {false, true, false}) {
    w->AutoClear()->SetValue(autoClear);
    w->EditField1()->SetText(U">two\r  three");
    w->Zendle2()->Push();
    EXPECT_EQ(w->EditField1()->Text(), autoClear ? U"" : U"two three");
    EXPECT_EQ(ClipboardText(), "two three") << "the clipboard keeps the cleaned text";
  }
}
