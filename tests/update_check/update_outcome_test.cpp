#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "tests/support/url_catcher.h"
#include "update_check_fixture.h"

class UpdateOutcomeTest : public UpdateCheckTest {
 protected:
  void BeforeStartup() override {
    UpdateCheckTest::BeforeStartup();
    // Answers every message box from a timer: the update window is modal too, so only a box counts.
    QObject::connect(&answerer, &QTimer::timeout, &answerer, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      shown << box->text() << box->informativeText();
      titles << box->windowTitle();
      if (auto window = OpenInstance<class updateWindow>()) {
        labelBehind = ToQString(window->Label1()->Text());
        barShownBehind = !window->ProgressBar1()->Widget()->isHidden();
      }
      QAbstractButton* target = box->buttons().first();
      for (auto* button : box->buttons()) target = button->text() == press ? button : target;
      target->click();
    });
    answerer.start(10);
  }
  // Opens the update window and then the version panel again, and waits for the window to close.
  bool CheckAndWait(const QByteArray& body, const QByteArray& statusLine = "HTTP/1.0 200 OK") {
    server.ReplyWith(statusLine + "\r\n\r\n" + body);
    window = OpenUpdateWindow();
    CheckNow();
    return testing_support::WaitUntil([] { return OpenInstance<class updateWindow>() == nullptr; });
  }
  static bool PanelOpen() { return OpenInstance<class selfTest>() != nullptr; }

  QTimer answerer;
  QString press = QStringLiteral("OK");
  QStringList shown;  // each box's text and explanation
  QStringList titles;
  QString labelBehind;
  bool barShownBehind = true;
  UrlCatcher urls;
  std::shared_ptr<class updateWindow> window;
};

TEST_F(UpdateOutcomeTest, anUnreachableServerIsReportedWithItsCode) {
  SetUpdateURLForTesting(U"http://127.0.0.1:" + Str(ClosedPort()) + U"/");
  ASSERT_TRUE(CheckAndWait(""));
  EXPECT_EQ(shown.value(0), QStringLiteral("There was a communication error with the website. Please try again later. (Code: 2)"));
  EXPECT_FALSE(PanelOpen());
  QWidget* main = NotNil(OpenInstance<class Window1>()).TopLevelWidget();
  EXPECT_TRUE(testing_support::WaitUntil([&] { return QApplication::activeWindow() == main; })) << "the main window has the focus again";
}

// A reply that names no version is no answer: an empty body, a server's error page, an empty tag.
TEST_F(UpdateOutcomeTest, aReplyThatNamesNoVersionClosesWithoutAWord) {
  ASSERT_TRUE(CheckAndWait(""));
  ASSERT_TRUE(CheckAndWait("<html><body><h1>Not Found</h1></body></html>", "HTTP/1.0 404 Not Found"));
  ASSERT_TRUE(CheckAndWait("<CurrentVersion></CurrentVersion><Free>Yes</Free>"));
  ASSERT_TRUE(CheckAndWait("<CurrentVersion> \t\r\n \n</CurrentVersion>"));
  EXPECT_TRUE(shown.empty()) << shown.join(u'|').toStdString();
  EXPECT_TRUE(PanelOpen());
  press = QStringLiteral("Cancel");
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>\n 3 \n</CurrentVersion>", "HTTP/1.0 404 Not Found"));
  EXPECT_TRUE(shown.value(0).startsWith(QStringLiteral("Version   3   is now available."))) << shown.value(0).toStdString();
}

// The reply's text decides, whatever its status says.
TEST_F(UpdateOutcomeTest, theCurrentVersionIsReportedThenEverythingCloses) {
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>2.0.0</CurrentVersion>", "HTTP/1.0 404 Not Found"));
  EXPECT_EQ(shown.value(0), QStringLiteral("You are using the current version. No update is available."));
  EXPECT_EQ(labelBehind, QStringLiteral("This version is current."));
  EXPECT_FALSE(barShownBehind);
  EXPECT_FALSE(PanelOpen());
}

TEST_F(UpdateOutcomeTest, cancellingTheOfferOpensNothing) {
  press = QStringLiteral("Cancel");
  ASSERT_TRUE(CheckAndWait("<Free>yEs</Free><CurrentVersion>2.1.0</CurrentVersion><Description>one\r\n<b>two</b></Description>"));
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>3^2</CurrentVersion><Free> Yes</Free>", "HTTP/1.0 500 Internal Server Error"));
  EXPECT_EQ(shown.value(0), QStringLiteral("Version 2.1.0 is now available. (You are using version 2.0.0.) This is a free upgrade. Would "
                                           "you like to automatically download this update (using your web browser)?"));
  EXPECT_EQ(titles.value(0), QStringLiteral("New version available!"));
  EXPECT_EQ(shown.value(1), QStringLiteral("one\n<b>two</b>"));
  // Only Yes, in any letter case, is free; the version is shown as it is written.
  EXPECT_EQ(shown.value(2), QStringLiteral("Version 3^2 is now available. (You are using version 2.0.0.) This is a paid upgrade. Would "
                                           "you like to automatically download the trial version (using your web browser)?"));
  EXPECT_TRUE(urls.urls.isEmpty());
  EXPECT_TRUE(PanelOpen()) << "the offer leaves the version panel alone";
}

// A line break in the version would end the isolate around it, and its RLO would turn our words around.
TEST_F(UpdateOutcomeTest, theOffersVersionCannotTurnTheSentenceAround) {
  press = QStringLiteral("Cancel");
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>3.0.0\xE2\x81\xA9\xE2\x80\xAEgnp.exe</CurrentVersion>"));
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>3.0\n\u202Eevil</CurrentVersion>"));
  EXPECT_TRUE(shown.value(0).startsWith(QStringLiteral("Version \u20683.0.0\u202Egnp.exe\u2069 is now available. (You are using")))
      << shown.value(0).toStdString();
  EXPECT_TRUE(shown.value(2).startsWith(QStringLiteral("Version \u20683.0 \u202Eevil\u2069 is now available. (You are using")))
      << shown.value(2).toStdString();
}

// However long the version, the dialog's cut leaves the offer's own words in view.
TEST_F(UpdateOutcomeTest, aLongVersionIsCutSoTheWholeSentenceShows) {
  press = QStringLiteral("Cancel");
  ASSERT_TRUE(CheckAndWait("<Free>Yes</Free><CurrentVersion>" + QByteArray(40000, '9') + "</CurrentVersion>"));
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>3" + QByteArray("\u200D").repeated(32768) + "</CurrentVersion>"));
  EXPECT_EQ(shown.value(0), QStringLiteral("Version ") + QString(64, u'9') +
                                QStringLiteral("\u2026 is now available. (You are using version 2.0.0.) This is a free upgrade. "
                                               "Would you like to automatically download this update (using your web browser)?"));
  EXPECT_EQ(shown.value(2), QStringLiteral("Version 3") + QString(63, u'\u200D') +
                                QStringLiteral("\u2026 is now available. (You are using version 2.0.0.) This is a paid upgrade. "
                                               "Would you like to automatically download the trial version (using your web browser)?"));
}

TEST_F(UpdateOutcomeTest, theActionButtonOpensTheDownloadPageAndCloses) {
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>2.0.1</CurrentVersion>"));
  EXPECT_EQ(urls.urls, QStringList{QStringLiteral("http://www.brevant.example/download/")});
}

TEST_F(UpdateOutcomeTest, goToWebsiteOpensTheSiteAndLeavesTheWindowOpen) {
  press = QStringLiteral("Go to Website");
  server.ReplyWith("HTTP/1.0 200 OK\r\n\r\n<CurrentVersion>9.0.0</CurrentVersion>");
  window = OpenUpdateWindow();
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !urls.urls.isEmpty(); }));
  EXPECT_EQ(urls.urls, QStringList{QStringLiteral("http://www.brevant.example")});
  EXPECT_EQ(OpenInstance<class updateWindow>(), window);
}
