#include "main_window/window1.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

#include "tests/support/program_fixture.h"

namespace {
using Window1Test = ProgramFixture;

struct Design {
  const char* name;
  const char* className;
  QRect bounds;
  std::int32_t tabIndex;
  const char* caption;  // buttons and the check box
  const char* family;   // nullptr: the platform's own ("System")
  bool bold;
};

const Design kControls[] = {
    {"EditField1", "TextArea", {20, 20, 410, 196}, 0, nullptr, nullptr, false},
    {"Zendle1", "PushButton", {20, 234, 80, 20}, 1, "Simple", nullptr, true},
    {"StaticText1", "Label", {20, 274, 410, 83}, 2, nullptr, "Helvetica Neue", true},
    {"ClearField", "PushButton", {230, 234, 80, 20}, 3, "Clear", nullptr, true},
    {"AutoClear", "CheckBox", {330, 234, 100, 20}, 4, "Auto Clear", nullptr, true},
    {"StaticText2", "Label", {20, 364, 410, 61}, 5, nullptr, "Helvetica Neue", true},
    {"Label1", "Label", {20, 432, 410, 20}, 6, nullptr, nullptr, false},
    {"Zendle2", "PushButton", {125, 234, 80, 20}, 8, "Complex", nullptr, true},
};

const String kHelp1 =
    U"Paste text to be \"fixed\" into the field above and click on the \"Simple\" button to remove \">\" characters.  Click on "
    U"the \"Complex\" button to remove additional undesired charaters.  The \"fixed\" text will be displayed and placed in the "
    U"clipboard, ready for pasting into an email.";
const String kHelp2 =
    U"Click on the \"Clear\" button to clear the text from the field.  Check the \"Auto Clear\" checkbox to clear the field "
    U"when the \"Zendle\" button is clicked.";
}  // namespace

TEST_F(Window1Test, theEightControlsStandAsDesigned) {
  auto w = Window1();
  ASSERT_EQ(w->Controls().size(), std::size(kControls));
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    const Design& d = kControls[i];
    SCOPED_TRACE(d.name);
    auto control = std::dynamic_pointer_cast<RectControl>(w->Controls()[i]);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Name(), FromLatin1(d.name)) << "creation order";
    EXPECT_EQ(control->Record().name, FromLatin1(d.className));
    EXPECT_EQ(control->Widget()->geometry(), d.bounds);
    EXPECT_TRUE(control->Widget()->isVisible());
    EXPECT_TRUE(control->Widget()->isEnabled());
    EXPECT_EQ(control->TabIndex(), d.tabIndex);
    EXPECT_EQ(control->Widget()->font().bold(), d.bold);
    EXPECT_FALSE(control->Widget()->font().italic());
    EXPECT_EQ(control->Widget()->font().family(), d.family ? QString::fromLatin1(d.family) : QApplication::font().family());
    if (d.family) {
      EXPECT_EQ(QFontInfo(control->Widget()->font()).family(), "Liberation Sans") << "the installed stand-in for the designed face";
    }
    if (auto button = std::dynamic_pointer_cast<PushButton>(control)) {
      EXPECT_EQ(button->Caption(), FromLatin1(d.caption));
      EXPECT_FALSE(button->Default());
      EXPECT_FALSE(button->Cancel());
    }
    if (auto box = std::dynamic_pointer_cast<CheckBox>(control)) {
      EXPECT_EQ(box->Caption(), FromLatin1(d.caption));
    }
    if (auto label = std::dynamic_pointer_cast<Label>(control)) {
      auto* qlabel = static_cast<QLabel*>(label->Widget());
      EXPECT_EQ(label->TextAlign(), 1);
      EXPECT_TRUE(qlabel->alignment() & Qt::AlignHCenter);
      EXPECT_EQ(qlabel->wordWrap(), label->Name() != U"Label1") << "the help labels wrap, the credit is one line";
      EXPECT_EQ(qlabel->textFormat(), Qt::PlainText);
    }
  }
}

TEST_F(Window1Test, helpTextsAreWordForWordAndTheCreditIsOneLine) {
  auto w = Window1();
  EXPECT_EQ(w->StaticText1()->Text(), kHelp1);
  EXPECT_EQ(Len(w->StaticText1()->Text()), 275);
  EXPECT_EQ(w->StaticText2()->Text(), kHelp2);
  EXPECT_EQ(Len(w->StaticText2()->Text()), 150);
  const String credit = w->Label1()->Text();
  EXPECT_FALSE(credit.empty());
  EXPECT_EQ(InStr(credit, U"\r"), 0);
}

TEST_F(Window1Test, tabVisitsTheFieldSimpleClearAutoClearComplexAndSkipsLabels) {
  auto w = Window1();
  QWidget* top = w->TopLevelWidget();
  top->activateWindow();
  w->EditField1()->Widget()->setFocus();
  const std::vector<QWidget*> expected = {w->Zendle1()->Widget(), w->ClearField()->Widget(), w->AutoClear()->Widget(),
                                          w->Zendle2()->Widget(), w->EditField1()->Widget()};
  for (QWidget* next : expected) {
    QTest::keyClick(top->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(top->focusWidget(), next) << "now at " << qPrintable(top->focusWidget()->objectName());
  }
}

TEST_F(Window1Test, clearEmptiesTheFieldOnlyAndAutoClearStartsUnchecked) {
  auto w = Window1();
  EXPECT_FALSE(w->AutoClear()->Value());
  EXPECT_EQ(w->EditField1()->Text(), U"");

  w->EditField1()->SetText(U"> quoted\rtext");
  QApplication::clipboard()->setText(QStringLiteral("keep me"));
  w->AutoClear()->SetValue(true);
  QTest::mouseClick(w->ClearField()->Widget(), Qt::LeftButton);
  EXPECT_EQ(w->EditField1()->Text(), U"");
  EXPECT_EQ(QApplication::clipboard()->text(), "keep me");
  EXPECT_TRUE(w->AutoClear()->Value());

  w->ClearField()->Push();
  EXPECT_EQ(w->EditField1()->Text(), U"");
}

TEST_F(Window1Test, aFixedSizeDocumentWindowAtTheDefaultPlace) {
  auto w = Window1();
  EXPECT_EQ(Window1(), w);
  EXPECT_EQ(OpenWindows().size(), 1u);
  EXPECT_EQ(w->Title(), U"Zendle II");
  EXPECT_EQ(w->Top(), 50) << "no preferences: the default place";
  EXPECT_EQ(w->Left(), 20);

  QWidget* top = w->TopLevelWidget();
  EXPECT_EQ(w->Width(), 450);
  EXPECT_EQ(w->Height(), 472);
  EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "resizable";
  top->resize(600, 700);
  EXPECT_EQ(w->Width(), 450);
  EXPECT_EQ(w->Height(), 472);
  EXPECT_FALSE(top->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);

  w->SetTop(123);
  w->SetLeft(456);
  EXPECT_EQ(w->Top(), 123);
  EXPECT_EQ(w->Left(), 456);
  EXPECT_EQ(top->geometry().topLeft(), QPoint(456, 123));
}
