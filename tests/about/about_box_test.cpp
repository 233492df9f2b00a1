#include "about/about_box.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

#include "app/app.h"
#include "main_window/window1.h"
#include "tests/support/program_fixture.h"

using testing_support::ProcessEvents;
using Box = class AboutBox;  // the bare name is also the accessor

// Collects every address handed to the system instead of opening it.
class UrlCatcher final : public QObject {
  Q_OBJECT
 public:
  QStringList urls;
 public slots:
  void Open(const QUrl& url) { urls << url.toString(); }
};

class AboutBoxTest : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    for (const char* scheme : {"http", "mailto"}) QDesktopServices::setUrlHandler(scheme, &catcher_, "Open");
  }
  void TearDown() override {
    for (const char* scheme : {"http", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    ProgramFixture::TearDown();
  }
  static std::shared_ptr<Box> ChooseAbout() {
    EXPECT_TRUE(NotNil(App()).HandleMenuCommand(U"EditAbout"));
    return OpenInstance<Box>();
  }
  UrlCatcher catcher_;
};

TEST_F(AboutBoxTest, aboutAgain_raisesSameBox_closedBoxIsBuiltAfresh) {
  auto box = ChooseAbout();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->StaticText4()->Text(), U"2.0.0 Linux");
  box->StaticText4()->SetText(U"seen");

  // The second time through the real menu of the main window.
  auto* menuBar = Window1()->TopLevelWidget()->findChild<QMenuBar*>();
  NotNil(menuBar->findChild<QAction*>(QStringLiteral("EditAbout"))).trigger();
  ProcessEvents();
  EXPECT_EQ(OpenInstance<Box>(), box);
  EXPECT_EQ(OpenWindows().size(), 2u);
  EXPECT_EQ(box->StaticText4()->Text(), U"seen");

  box->Close();
  ProcessEvents();
  EXPECT_FALSE(OpenInstance<Box>());
  EXPECT_TRUE(Window1()->IsOpen());
  EXPECT_TRUE(QDir(config_->Path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot)) << "preferences touched";

  auto fresh = ChooseAbout();
  EXPECT_NE(fresh, box);
  EXPECT_EQ(fresh->StaticText4()->Text(), NotNil(App()).LongVersion());
}

TEST_F(AboutBoxTest, linkButtons_handTheirAddressEveryPress_boxStaysOpen) {
  auto box = ChooseAbout();
  for (int round = 0; round < 2; ++round) {
    for (const auto& button : {box->PushButton1(), box->PushButton2(), box->Kagi()}) {
      QTest::mouseClick(button->Widget(), Qt::LeftButton);
    }
  }
  const QStringList once{"mailto:mira.okafor@brevant.example", "http://brevant.example",
                         "http://orders.kestrelpay.example/?BRV7QX&lang=en"};
  EXPECT_EQ(catcher_.urls, once + once);
  EXPECT_TRUE(box->IsOpen());
}

TEST_F(AboutBoxTest, returnPressesSupportBrevant_escapePressesNothing) {
  auto box = ChooseAbout();
  QWidget* top = box->TopLevelWidget();
  QWidget* focused = top->focusWidget() ? top->focusWidget() : top;
  QTest::keyClick(focused, Qt::Key_Escape);
  QTest::keyClick(focused, Qt::Key_Return);
  EXPECT_EQ(catcher_.urls, QStringList{"http://orders.kestrelpay.example/?BRV7QX&lang=en"});
}

TEST_F(AboutBoxTest, boxIsModelessFixedAndMenuless_mainWindowStaysUsable) {
  auto box = ChooseAbout();
  QWidget* top = box->TopLevelWidget();
  EXPECT_EQ(top->windowModality(), Qt::NonModal);
  EXPECT_FALSE(top->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  EXPECT_EQ(box->Width(), 264);
  EXPECT_EQ(box->Height(), 296);
  EXPECT_FALSE(top->findChild<QMenuBar*>());

  auto main = Window1();
  main->EditField1()->SetText(U"quoted > text");
  QTest::mouseClick(main->ClearField()->Widget(), Qt::LeftButton);
  EXPECT_EQ(main->EditField1()->Text(), U"");
  EXPECT_TRUE(box->IsOpen());
}

#include "about_box_test.moc"
