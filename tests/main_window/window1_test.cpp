#include "main_window/window1.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "tests/support/program_fixture.h"

namespace {
using Window1Test = ProgramFixture;

std::string ClipboardText() { return QApplication::clipboard()->text().toStdString(); }
}  // namespace

TEST_F(Window1Test, aFixedSizeWindowWithTheHelpTextsWordForWord) {
  auto w = Window1();
  EXPECT_EQ(w->StaticText1()->Text(),
            U"Paste text to be \"fixed\" into the field above and click on the \"Simple\" button to remove \">\" characters.  "
            U"Click on the \"Complex\" button to remove additional undesired charaters.  The \"fixed\" text will be displayed "
            U"and placed in the clipboard, ready for pasting into an email.");
  EXPECT_EQ(w->StaticText2()->Text(),
            U"Click on the \"Clear\" button to clear the text from the field.  Check the \"Auto Clear\" checkbox to clear the "
            U"field when the \"Zendle\" button is clicked.");
  QWidget* top = w->TopLevelWidget();
  top->resize(600, 700);
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

TEST_F(Window1Test, everyPressReplacesTheClipboardWithLineFeeds_evenWhenNothingChanges) {
  auto w = Window1();
  // Pasted line breaks of every kind become one; the clipboard gets line feeds.
  QApplication::clipboard()->setText(QString::fromUtf8("> a\r\n> b\n> c\r\r\r\rd\u00A0e"));
  w->EditField1()->Paste();
  EXPECT_EQ(w->EditField1()->Text(), U"> a\r> b\r> c\r\r\r\rd\u00A0e");
  w->Zendle2()->Push();
  EXPECT_EQ(w->EditField1()->Text(), U" abc\r\rd\u00A0e");
  EXPECT_EQ(ClipboardText(), " abc\n\nd\u00A0e");

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
