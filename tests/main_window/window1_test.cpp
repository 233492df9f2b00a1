#include "main_window/window1.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "framework/clipboard.h"
#include "framework/qt_text.h"
#include "tests/support/program_fixture.h"

namespace {
using Window1Test = ProgramFixture;

std::string ClipboardText() { return QApplication::clipboard()->text().toStdString(); }

QPlainTextEdit& Edit(class Window1& w) { return *qobject_cast<QPlainTextEdit*>(w.EditField1()->Widget()); }
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
    w->EditField1()->SetText(U"");
    QApplication::clipboard()->setText("earlier");
    NotNil(((*w).*button)()).Push();
    EXPECT_EQ(ClipboardText(), "");
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

TEST_F(Window1Test, aLineBreakTypedInsideAParagraphIsACarriageReturn) {
  auto w = Window1();
  w->TopLevelWidget()->activateWindow();
  QPlainTextEdit& edit = Edit(*w);
  edit.setFocus();
  QTest::keyClicks(&edit, "a");
  QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);  // a line break inside the paragraph
  QTest::keyClicks(&edit, " b");
  EXPECT_EQ(w->EditField1()->Text(), U"a\r b");
  w->Zendle2()->Push();
  EXPECT_EQ(w->EditField1()->Text(), U"ab") << "the line break goes with the blank after it";
  EXPECT_EQ(ClipboardText(), "ab");
}

// A press hands the clipboard the text it gave the field instead of reading the field back; that
// must be what a read gives, also where Qt's document changes characters.
TEST_F(Window1Test, theClipboardGetsWhatTheFieldHolds_characterForCharacter) {
  auto w = Window1();
  const String nul(1, U'\0');
  const String given = U"\uFEFF\u2028a\r\nb\nc\u2029d\uFDD0e\uFDD1f\u00A0g\U0001F600h" + String{0xD83D, 0xDE00, 0x110000} + nul + U"\r";
  const String held = U"\uFEFF\ra\rb\rc\rd\re\rf\u00A0g\U0001F600h\uFFFD\uFFFD\uFFFD" + nul + U"\r";
  const String shared = U"\uFEFF\na\nb\nc\nd\ne\nf\u00A0g\U0001F600h\uFFFD\uFFFD\uFFFD" + nul + U"\n";
  Clipboard clipboard;
  for (int round = 0; round < 2; ++round) {  // handed over, then read back
    w->EditField1()->SetText(given);
    if (round == 1) {
      EXPECT_EQ(w->EditField1()->Text(), held);
    }
    clipboard.SetText(*w->EditField1());
    EXPECT_EQ(FromQString(QApplication::clipboard()->text()), shared) << "round " << round;
  }
  w->EditField1()->SetText(given);
  QTest::keyClicks(&Edit(*w), "x");
  clipboard.SetText(*w->EditField1());
  EXPECT_EQ(FromQString(QApplication::clipboard()->text()), U"x" + shared) << "the field was edited since";
}

namespace {
// The desktop's theme is dark from the start: white text on black, red selections.
class DarkThemeTest : public ProgramFixture {
 protected:
  void BeforeStartup() override {
    QPalette dark = light_;
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, Qt::red);
    QApplication::setPalette(dark);
  }
  void TearDown() override {
    ProgramFixture::TearDown();
    QApplication::setPalette(light_);
  }
  const QPalette light_ = QApplication::palette();
};
}  // namespace

TEST_F(DarkThemeTest, theFieldIsBlackOnWhite_hidesItsSelectionWithoutFocus_alwaysShowsItsScrollBar) {
  auto w = Window1();
  w->TopLevelWidget()->activateWindow();
  QPlainTextEdit& edit = Edit(*w);
  EXPECT_TRUE(edit.verticalScrollBar()->isVisible()) << "with nothing to scroll";

  w->EditField1()->SetText(U"MMMM MMMM");
  w->Zendle1()->Widget()->setFocus();
  auto shown = [&] { return edit.viewport()->grab().toImage(); };
  const QImage plain = shown();
  EXPECT_EQ(plain.pixelColor(plain.width() - 5, plain.height() - 5), QColor(Qt::white));
  int darkest = 255;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) darkest = std::min(darkest, qGray(plain.pixel(x, y)));
  EXPECT_LT(darkest, 64) << "black text";

  w->EditField1()->SelectAll();
  EXPECT_EQ(shown(), plain) << "a selection without focus is not shown";
  edit.setFocus();
  edit.setCursorWidth(0);  // a blinking cursor would make the picture depend on timing
  EXPECT_NE(shown(), plain) << "with focus it is";
}

namespace {
// An offer whose owner quits after its list of formats was first read: from then on the list is
// empty. With text, it still answers the request for the text itself.
class VanishingOffer final : public QMimeData {
 public:
  explicit VanishingOffer(QString text) : text_(std::move(text)) {}
  QStringList formats() const override { return readings_++ == 0 ? QStringList{QStringLiteral("text/plain")} : QStringList{}; }

 protected:
  QVariant retrieveData(const QString& format, QMetaType) const override {
    return format == QStringLiteral("text/plain") && !text_.isEmpty() ? QVariant(text_) : QVariant();
  }

 private:
  QString text_;
  mutable int readings_ = 0;
};
}  // namespace

// Nothing to paste, or an owner that quits in the middle: a clipboard with no formats at all,
// formats without text, or a list of formats that empties once read, pasted by key or by the Edit
// menu. The field keeps what it held, and gets the text that was still handed over.
TEST_F(Window1Test, pastingNothingOrFromAVanishingOwnerKeepsTheField) {
  auto w = Window1();
  auto& edit = Edit(*w);
  edit.setFocus();
  QTest::keyClicks(&edit, "typed");
  const std::function<QMimeData*()> offers[] = {
      [] { return new QMimeData; },
      [] {
        auto* offer = new QMimeData;
        offer->setData(QStringLiteral("image/png"), "\x89PNG");
        return offer;
      },
      [] { return new VanishingOffer(QString()); },
      [] { return new VanishingOffer(QStringLiteral("+")); },
  };
  const std::function<void()> pastes[] = {
      [&] { QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier); },
      [&] { QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier); },
      [&] { w->EditField1()->Paste(); },
  };
  for (const auto& offer : offers) {
    for (const auto& paste : pastes) {
      QApplication::clipboard()->setMimeData(offer());
      paste();
    }
  }
  EXPECT_EQ(w->EditField1()->Text(), U"typed+++");
}

// The field's frame tells whether typing goes there, as the style's own text inputs do.
TEST_F(Window1Test, theFieldsFrameShowsTheFocus) {
  auto w = Window1();
  w->TopLevelWidget()->activateWindow();
  QPlainTextEdit& edit = Edit(*w);
  edit.setCursorWidth(0);  // a blinking cursor would make the picture depend on timing
  auto frame = [&] { return edit.grab().toImage().copy(0, 0, edit.width(), 2); };
  w->Zendle1()->Widget()->setFocus();
  const QImage unfocused = frame();
  edit.setFocus();
  ASSERT_TRUE(edit.hasFocus());
  EXPECT_NE(frame(), unfocused);
  w->Zendle1()->Widget()->setFocus();
  EXPECT_EQ(frame(), unfocused);
}
