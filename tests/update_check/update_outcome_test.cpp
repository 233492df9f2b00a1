#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include "update_check_fixture.h"

// Catches every address the program hands to the browser.
class UrlCatcher final : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
  QStringList urls;

 public slots:
  void open(const QUrl& url) { urls << url.toString(); }
};

class UpdateOutcomeTest : public UpdateCheckTest {
 protected:
  void BeforeStartup() override {
    UpdateCheckTest::BeforeStartup();
    // Answers every message box from a timer: the update window is modal too, so only a box counts.
    QObject::connect(&answerer, &QTimer::timeout, &answerer, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      shown << box->text() << box->informativeText();
      if (auto window = OpenInstance<class updateWindow>()) labelBehind = ToQString(window->Label1()->Text());
      QAbstractButton* target = box->buttons().first();
      for (auto* button : box->buttons()) target = button->text() == press ? button : target;
      target->click();
    });
    answerer.start(10);
  }
  // Opens the update window and then the version panel again, and waits for the window to close.
  bool CheckAndWait(const QByteArray& body) {
    server.ReplyWith("HTTP/1.0 200 OK\r\n\r\n" + body);
    window = OpenUpdateWindow();
    CheckNow();
    return testing_support::WaitUntil([] { return OpenInstance<class updateWindow>() == nullptr; });
  }
  static bool PanelOpen() { return OpenInstance<class selfTest>() != nullptr; }

  QTimer answerer;
  QString press = QStringLiteral("OK");
  QStringList shown;  // each box's text and explanation
  QString labelBehind;
  UrlCatcher urls;
  std::shared_ptr<class updateWindow> window;
};

TEST_F(UpdateOutcomeTest, anUnreachableServerIsReportedWithItsCode) {
  const quint16 closedPort = [] {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
  }();
  SetUpdateURLForTesting(U"http://127.0.0.1:" + Str(closedPort) + U"/");
  ASSERT_TRUE(CheckAndWait(""));
  EXPECT_EQ(shown.value(0), QStringLiteral("There was a communication error with the website. Please try again later. (Code: 2)"));
  EXPECT_FALSE(PanelOpen());
}

TEST_F(UpdateOutcomeTest, anEmptyBodyClosesWithoutAWord) {
  ASSERT_TRUE(CheckAndWait(""));
  EXPECT_TRUE(shown.empty());
  EXPECT_TRUE(PanelOpen());
}

TEST_F(UpdateOutcomeTest, theCurrentVersionIsReportedThenEverythingCloses) {
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>2.0.0</CurrentVersion>"));
  EXPECT_EQ(shown.value(0), QStringLiteral("You are using the current version. No update is available."));
  EXPECT_EQ(labelBehind, QStringLiteral("This version is current."));
  EXPECT_FALSE(PanelOpen());
}

TEST_F(UpdateOutcomeTest, cancellingTheOfferOpensNothing) {
  press = QStringLiteral("Cancel");
  ASSERT_TRUE(CheckAndWait("<Free>yEs</Free><CurrentVersion>1.9</CurrentVersion><Description>one\r\n<b>two</b></Description>"));
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>3</CurrentVersion><Free> Yes</Free>"));
  EXPECT_EQ(shown.value(0), QStringLiteral("Version 1.9 is now available. (You are using version 2.0.0.) This is a free upgrade. Would "
                                           "you like to automatically download this update (using your web browser)?"));
  EXPECT_EQ(shown.value(1), QStringLiteral("one\n<b>two</b>"));
  EXPECT_TRUE(shown.value(2).contains(QStringLiteral("This is a paid upgrade."))) << "only Yes, in any letter case, is free";
  EXPECT_TRUE(urls.urls.isEmpty());
  EXPECT_TRUE(PanelOpen()) << "the offer leaves the version panel alone";
}

TEST_F(UpdateOutcomeTest, theActionButtonOpensTheDownloadPageAndCloses) {
  ASSERT_TRUE(CheckAndWait("<CurrentVersion>2.0.1</CurrentVersion>"));
  EXPECT_EQ(urls.urls, QStringList{ToQString(kDownloadPage)});
}

TEST_F(UpdateOutcomeTest, goToWebsiteOpensTheSiteAndLeavesTheWindowOpen) {
  press = QStringLiteral("Go to Website");
  server.ReplyWith("HTTP/1.0 200 OK\r\n\r\n<CurrentVersion>9.0.0</CurrentVersion>");
  window = OpenUpdateWindow();
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !urls.urls.isEmpty(); }));
  EXPECT_EQ(urls.urls, QStringList{ToQString(kProductWebSite)});
  EXPECT_EQ(OpenInstance<class updateWindow>(), window);
}

#include "update_outcome_test.moc"
