// The cleaning buttons in the real main window: what lands in the field and on the clipboard.
#include <QClipboard>
#include <QGuiApplication>

#include "main_window/window1.h"
#include "tests/support/program_fixture.h"

namespace {
std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }
void SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

class CleaningWindow : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    window_ = Window1();
  }
  void TearDown() override {
    window_.reset();
    ProgramFixture::TearDown();
  }
  TextArea& Field() { return NotNil(window_->EditField1()); }

  std::shared_ptr<class Window1> window_;
};
}  // namespace

TEST_F(CleaningWindow, everyPressReplacesTheClipboard_evenWhenNothingChanges) {
  for (auto button : {&Window1::Zendle1, &Window1::Zendle2}) {
    Field().SetText(U"");
    SetClipboardText("earlier");
    NotNil((*window_.*button)()).Push();
    EXPECT_EQ(ClipboardText(), "") << "empty field";

    Field().SetText(U"nothing to clean");
    SetClipboardText("earlier");
    NotNil((*window_.*button)()).Push();
    EXPECT_EQ(ClipboardText(), "nothing to clean");
    EXPECT_EQ(Field().Text(), U"nothing to clean");
  }
}

TEST_F(CleaningWindow, cleanedTextGoesToFieldAndToClipboardWithLineFeeds) {
  Field().SetText(U"> A\r> B\u00A0\r\r\r\rC");
  NotNil(window_->Zendle1()).Push();
  EXPECT_EQ(Field().Text(), U" A\r B\u00A0\r\r\r\rC");
  EXPECT_EQ(ClipboardText(), " A\n B\u00A0\n\n\n\nC");

  NotNil(window_->Zendle2()).Push();
  EXPECT_EQ(Field().Text(), U" AB\u00A0\r\rC");
  EXPECT_EQ(ClipboardText(), " AB\u00A0\n\nC");
}

TEST_F(CleaningWindow, pastedLineBreaksOfEveryKindBecomeOneAndNoBreakSpacesSurvive) {
  SetClipboardText(QString::fromUtf8("> a\r\n> b\n> c\r> \u00C2\u00A0d\u00A0e"));
  Field().Paste();
  EXPECT_EQ(Field().Text(), U"> a\r> b\r> c\r> \u00C2\u00A0d\u00A0e");

  NotNil(window_->Zendle2()).Push();
  EXPECT_EQ(Field().Text(), U" abc\u00C2\u00A0d\u00A0e");
}

TEST_F(CleaningWindow, autoClearIsReadAfterEachPress) {
  auto& autoClear = NotNil(window_->AutoClear());
  Field().SetText(U">one");
  NotNil(window_->Zendle1()).Push();
  EXPECT_EQ(Field().Text(), U"one");

  autoClear.SetValue(true);
  Field().SetText(U">two\r  three");
  NotNil(window_->Zendle2()).Push();
  EXPECT_EQ(Field().Text(), U"");
  EXPECT_EQ(ClipboardText(), "two three") << "the clipboard keeps the cleaned text";
  EXPECT_TRUE(autoClear.Value());

  autoClear.SetValue(false);
  Field().SetText(U">four");
  NotNil(window_->Zendle1()).Push();
  EXPECT_EQ(Field().Text(), U"four");
}

TEST_F(CleaningWindow, clearLeavesClipboardAndAutoClearAlone) {
  Field().SetText(U"some text");
  NotNil(window_->AutoClear()).SetValue(true);
  SetClipboardText("kept");
  NotNil(window_->ClearField()).Push();
  EXPECT_EQ(Field().Text(), U"");
  EXPECT_EQ(ClipboardText(), "kept");
  EXPECT_TRUE(NotNil(window_->AutoClear()).Value());
}
