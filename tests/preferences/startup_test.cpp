// The real start-up against a prepared directives file, and the rewrite when the main window closes.
#include <QFile>

#include "main_window/window1.h"
#include "tests/support/program_fixture.h"

struct SavedPosition : ProgramFixture {
  void BeforeStartup() override {
    QFile file(config_->Path() + "/rozovozu.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("'saved by an earlier run\r\n#Window1Position 200,300\r\n");
  }
};

TEST_F(SavedPosition, mainWindowOpensThereAndClosingRewritesTheFile) {
  auto window = Window1();
  EXPECT_EQ(window->Top(), 200);
  EXPECT_EQ(window->Left(), 300);

  window->SetTop(-22);
  window->SetLeft(1300);
  window->Close();
  QFile file(config_->Path() + "/rozovozu.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "#Window1Position -22,1300\n");
}
