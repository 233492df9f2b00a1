#include "about/about_box.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "app/app.h"
#include "main_window/window1.h"
#include "tests/support/program_fixture.h"
#include "tests/support/url_catcher.h"

using Box = class AboutBox;  // the bare name is also the accessor

using AboutBoxTest = ProgramFixture;

// The version label's text: the version, then the kind of processor the program was built for.
#if defined(__aarch64__)
constexpr char32_t kShownVersion[] = U"2.0.0 ARM";
#else
constexpr char32_t kShownVersion[] = U"2.0.0 x64";
#endif

TEST_F(AboutBoxTest, linksAndReturnHandFixedAddresses_modeless_aboutAgainRaisesTheSameBox) {
  UrlCatcher catcher;
  EXPECT_TRUE(NotNil(App()).HandleMenuCommand(U"EditAbout"));
  auto box = OpenInstance<Box>();
  ASSERT_NE(box, nullptr);
  for (const auto& button : {box->PushButton1(), box->PushButton2(), box->Kagi(), box->PushButton1()})
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
  // Return presses the default button, "Support Brevant", even while another button has the focus.
  QWidget* focused = box->TopLevelWidget()->focusWidget();
  QTest::keyClick(focused ? focused : box->TopLevelWidget(), Qt::Key_Return);
  const QString mail = "mailto:mira.okafor@brevant.example", order = "http://orders.kestrelpay.example/?BRV7QX&lang=en";
  EXPECT_EQ(catcher.urls, QStringList({mail, "http://brevant.example", order, mail, order}));

  // Modeless: the main window goes on working beside it.
  EXPECT_EQ(box->TopLevelWidget()->windowModality(), Qt::NonModal);
  Window1()->EditField1()->SetText(U"quoted > text");
  QTest::mouseClick(Window1()->ClearField()->Widget(), Qt::LeftButton);
  EXPECT_EQ(Window1()->EditField1()->Text(), U"");

  // About again, through the real menu, raises the same box untouched; once closed it is built afresh.
  box->StaticText4()->SetText(U"seen");
  NotNil(Window1()->TopLevelWidget()->findChild<QMenuBar*>()->findChild<QAction*>("EditAbout")).trigger();
  EXPECT_EQ(OpenInstance<Box>(), box);
  EXPECT_EQ(OpenWindows().size(), 2u);
  EXPECT_EQ(box->StaticText4()->Text(), U"seen");
  box->Close();
  testing_support::ProcessEvents();
  EXPECT_TRUE(NotNil(App()).HandleMenuCommand(U"EditAbout"));
  auto fresh = OpenInstance<Box>();
  ASSERT_NE(fresh, nullptr);
  EXPECT_NE(fresh, box);
  EXPECT_EQ(fresh->StaticText4()->Text(), kShownVersion);
}

// The credits are five lines, and none is wider than its label, so none wraps onto a second line.
TEST_F(AboutBoxTest, everyCreditLineFitsOnOneLine) {
  EXPECT_TRUE(NotNil(App()).HandleMenuCommand(U"EditAbout"));
  auto* credits = qobject_cast<QLabel*>(NotNil(NotNil(OpenInstance<Box>()).StaticText2()).Widget());
  ASSERT_NE(credits, nullptr);
  const QStringList lines = credits->text().split('\n');
  EXPECT_EQ(lines.size(), 5);
  const QFontMetrics metrics(credits->font());
  for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), credits->contentsRect().width()) << line.toStdString();
}
