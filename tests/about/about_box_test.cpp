#include "about/about_box.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

#include "app/app.h"
#include "main_window/window1.h"
#include "tests/support/program_fixture.h"

using Box = class AboutBox;  // the bare name is also the accessor

// Collects the addresses handed to the system instead of opening them.
class UrlCatcher final : public QObject {
  Q_OBJECT
 public slots:
  void Open(const QUrl& url) { urls << url.toString(); }

 public:
  QStringList urls;
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
    auto box = OpenInstance<Box>();
    NotNil(box);  // raises: a failed test rather than a crash
    return box;
  }
  UrlCatcher catcher_;
};

TEST_F(AboutBoxTest, aboutAgain_raisesSameBoxUntouched_closedBoxIsBuiltAfresh) {
  auto box = ChooseAbout();
  EXPECT_EQ(box->StaticText4()->Text(), NotNil(App()).LongVersion());
  EXPECT_FALSE(box->TopLevelWidget()->findChild<QMenuBar*>());
  box->StaticText4()->SetText(U"seen");
  // The second time through the real menu of the main window.
  NotNil(Window1()->TopLevelWidget()->findChild<QMenuBar*>()->findChild<QAction*>("EditAbout")).trigger();
  EXPECT_EQ(OpenInstance<Box>(), box);
  EXPECT_EQ(OpenWindows().size(), 2u);
  EXPECT_EQ(box->StaticText4()->Text(), U"seen");

  box->Close();
  testing_support::ProcessEvents();
  EXPECT_TRUE(Window1()->IsOpen());
  EXPECT_TRUE(QDir(config_->Path()).isEmpty()) << "preferences touched";
  auto fresh = ChooseAbout();
  EXPECT_NE(fresh, box);
  EXPECT_EQ(fresh->StaticText4()->Text(), NotNil(App()).LongVersion());
}

TEST_F(AboutBoxTest, whileOpen_linksAndReturnHandFixedAddresses_mainWindowStaysUsable) {
  auto box = ChooseAbout();
  for (const auto& button : {box->PushButton1(), box->PushButton2(), box->Kagi(), box->PushButton1()})
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
  // Return and Escape go to whatever has the focus, the first button when the box opens.
  QWidget* focused = box->TopLevelWidget()->focusWidget();
  QTest::keyClick(focused ? focused : box->TopLevelWidget(), Qt::Key_Escape);
  QTest::keyClick(focused ? focused : box->TopLevelWidget(), Qt::Key_Return);
  const QString mail = "mailto:mira.okafor@brevant.example", order = "http://orders.kestrelpay.example/?BRV7QX&lang=en";
  EXPECT_EQ(catcher_.urls, QStringList({mail, "http://brevant.example", order, mail, order}));
  EXPECT_TRUE(box->IsOpen());

  // Modeless: the main window goes on working beside it.
  EXPECT_EQ(box->TopLevelWidget()->windowModality(), Qt::NonModal);
  Window1()->EditField1()->SetText(U"quoted > text");
  QTest::mouseClick(Window1()->ClearField()->Widget(), Qt::LeftButton);
  EXPECT_EQ(Window1()->EditField1()->Text(), U"");
}

#include "about_box_test.moc"
