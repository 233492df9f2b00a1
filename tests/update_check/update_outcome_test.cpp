#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include "main_window/window1.h"
#include "tests/update_check/update_check_fixture.h"

using testing_support::WaitUntil;

// Catches every address the program hands to the system.
class UrlCatcher final : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "open");
  }
  ~UrlCatcher() override {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  }
  QStringList urls;

 public slots:
  void open(const QUrl& url) { urls << url.toString(); }
};

namespace {
// What a message box showed, and how the update window looked behind it.
struct Seen {
  QString title, text, explanation;
  QStringList buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString windowLabel;
  bool barVisible = true;
};

class UpdateOutcomeTest : public UpdateCheckTest {
 protected:
  void BeforeStartup() override {
    UpdateCheckTest::BeforeStartup();
    // Answers every message box from a timer: the update window is modal too, so only a box counts.
    QObject::connect(&answerer, &QTimer::timeout, &answerer, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      Seen seen;
      seen.title = box->windowTitle(), seen.text = box->text(), seen.explanation = box->informativeText(), seen.icon = box->icon();
      if (auto window = OpenInstance<class updateWindow>()) {
        seen.windowLabel = ToQString(window->Label1()->Text());
        seen.barVisible = window->ProgressBar1()->Visible();
      }
      QAbstractButton* target = nullptr;
      for (auto* button : box->buttons()) {
        seen.buttons << button->text();
        if (button->text() == press) target = button;
      }
      shown.push_back(seen);
      (target ? target : box->buttons().first())->click();
    });
    answerer.start(10);
  }
  void TearDown() override {
    answerer.stop();
    UpdateCheckTest::TearDown();
  }

  // Opens the update window, then the version panel again while the reply is on its way.
  void StartCheck(const QByteArray& body) {
    server.ReplyWith("HTTP/1.0 200 OK\r\n\r\n" + body);
    window = OpenUpdateWindow();
    CheckNow();
  }
  bool WaitForClose() {
    return WaitUntil([&] { return !window->IsOpen(); });
  }
  static bool PanelOpen() { return OpenInstance<class selfTest>() != nullptr; }

  QTimer answerer;
  QString press = QStringLiteral("OK");
  std::vector<Seen> shown;
  UrlCatcher urls;
  std::shared_ptr<class updateWindow> window;
};
}  // namespace

TEST_F(UpdateOutcomeTest, anUnreachableServerIsReportedWithItsCode) {
  quint16 closedPort = 0;
  {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    closedPort = probe.serverPort();
  }
  SetUpdateURLForTesting(U"http://127.0.0.1:" + Str(closedPort) + U"/");
  StartCheck("");
  ASSERT_TRUE(WaitForClose());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, QStringLiteral("There was a communication error with the website. Please try again later. (Code: 2)"));
  EXPECT_FALSE(PanelOpen());
  EXPECT_TRUE(WaitUntil([] { return QApplication::activeWindow() == ::Window1()->TopLevelWidget(); }));
  EXPECT_TRUE(urls.urls.isEmpty());
}

TEST_F(UpdateOutcomeTest, anEmptyBodyClosesWithoutAWord) {
  StartCheck("");
  ASSERT_TRUE(WaitForClose());
  EXPECT_TRUE(shown.empty());
  EXPECT_TRUE(PanelOpen()) << "not touched";
}

TEST_F(UpdateOutcomeTest, theCurrentVersionIsReportedThenEverythingCloses) {
  StartCheck("<CurrentVersion>2.0.0</CurrentVersion>");
  ASSERT_TRUE(WaitForClose());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, QStringLiteral("You are using the current version. No update is available."));
  EXPECT_EQ(shown[0].windowLabel, QStringLiteral("This version is current."));
  EXPECT_FALSE(shown[0].barVisible);
  EXPECT_FALSE(PanelOpen());

  StartCheck("<CurrentVersion>2.0.0</CurrentVersion>");
  window->automaticCheck = true;
  ASSERT_TRUE(WaitForClose());
  EXPECT_EQ(shown.size(), 1u) << "no message box for an automatic check";
  EXPECT_FALSE(PanelOpen());
}

TEST_F(UpdateOutcomeTest, theOfferNamesTheVersionAndTheKindOfUpgrade) {
  press = QStringLiteral("Cancel");
  const QString running = QStringLiteral("(You are using version 2.0.0.) ");
  const QString free =
      running + QStringLiteral("This is a free upgrade. Would you like to automatically download this update (using your web browser)?");
  const QString paid =
      running +
      QStringLiteral("This is a paid upgrade. Would you like to automatically download the trial version (using your web browser)?");
  const std::vector<std::pair<QByteArray, QString>> cases = {
      {"<CurrentVersion>2.1.0</CurrentVersion><Free>Yes</Free>", "Version 2.1.0 is now available. " + free},
      {"<Free>yEs</Free><CurrentVersion>1.9</CurrentVersion>", "Version 1.9 is now available. " + free},
      {"<CurrentVersion>3</CurrentVersion><Free> Yes</Free>", "Version 3 is now available. " + paid},
      {"<CurrentVersion>3</CurrentVersion><Free>Yes\n</Free>", "Version 3 is now available. " + paid},
      {"<html>Not Found</html>", "Version  is now available. " + paid},
  };
  for (const auto& [body, message] : cases) {
    StartCheck(body + "<Description>line one\r\n<b>two</b></Description>");
    ASSERT_TRUE(WaitForClose()) << body.toStdString();
    EXPECT_EQ(shown.back().text, message);
    EXPECT_EQ(shown.back().explanation, QStringLiteral("line one\n<b>two</b>"));
    EXPECT_EQ(shown.back().title, QStringLiteral("New version available!"));
    EXPECT_EQ(shown.back().icon, QMessageBox::Question);
    EXPECT_EQ(shown.back().buttons.size(), 3);
    EXPECT_FALSE(shown.back().barVisible);
  }
  EXPECT_TRUE(urls.urls.isEmpty()) << "cancel opens nothing";
  EXPECT_TRUE(PanelOpen()) << "the offer leaves the version panel alone";
}

TEST_F(UpdateOutcomeTest, theActionButtonOpensTheDownloadPageAndCloses) {
  StartCheck("<CurrentVersion>2.0.1</CurrentVersion>");
  ASSERT_TRUE(WaitForClose());
  EXPECT_EQ(urls.urls, QStringList{ToQString(kDownloadPage)});
  EXPECT_TRUE(PanelOpen());
}

TEST_F(UpdateOutcomeTest, goToWebsiteOpensTheSiteAndLeavesTheWindowOpen) {
  press = QStringLiteral("Go to Website");
  StartCheck("<CurrentVersion>9.0.0</CurrentVersion>");
  ASSERT_TRUE(WaitUntil([&] { return !urls.urls.isEmpty(); }));
  EXPECT_EQ(urls.urls, QStringList{ToQString(kProductWebSite)});
  EXPECT_TRUE(window->IsOpen());
  EXPECT_FALSE(window->ProgressBar1()->Visible());
  EXPECT_EQ(window->Label1()->Text(), U"Checking for update...");
  window->PushButton1()->Push();
  EXPECT_FALSE(window->IsOpen());
}

#include "update_outcome_test.moc"
