// The real start-up against a prepared directives file, and the rewrite when the main window closes.
#include <QFile>

#include "main_window/window1.h"
#include "tests/support/program_fixture.h"

namespace {
class SavedPosition : public ProgramFixture {
 protected:
  void BeforeStartup() override {
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("'saved by an earlier run\r\n#Window1Position 200,300\r\n");
  }
  QString FilePath() const { return config_->Path() + "/rozovozu.txt"; }
};

TEST_F(SavedPosition, mainWindowOpensThereAndClosingRewritesTheFile) {
  auto window = Window1();
  EXPECT_EQ(window->Top(), 200);
  EXPECT_EQ(window->Left(), 300);

  window->SetTop(-22);
  window->SetLeft(1300);
  window->Close();
  QFile file(FilePath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "#Window1Position -22,1300\n");
}
}  // namespace
