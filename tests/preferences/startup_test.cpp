// The real start-up against a prepared directives file, and the rewrite when the main window closes.
#include <QFile>
#include <string>
#include <tuple>

#include "main_window/window1.h"
#include "preferences/pref_module.h"
#include "tests/support/program_fixture.h"

struct SavedPosition : ProgramFixture {
  void BeforeStartup() override {
    QFile file(config_->Path() + "/rozovozu.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(saved);
  }
  QByteArray saved = "#Window1Position 99999999999999999999,-1e309\n";
};

TEST_F(SavedPosition, onlyATopOfZeroMeansNoSavedPlace) {
  const std::tuple<QByteArray, std::int32_t, std::int32_t> cases[] = {
      {"#Window1Position 0,300\n", 50, 20},
      {"#Window1Position 200,0\n", 200, 0},
      {"'no position in this file\n", 50, 20},
  };
  for (const auto& [file, top, left] : cases) {
    SCOPED_TRACE(file.toStdString());
    TearDown();
    saved = file;
    SetUp();
    // Where the Open event placed the window; the offscreen platform keeps a frame's width from the edge.
    EXPECT_EQ(Window1()->Top(), top);
    EXPECT_EQ(prefModule::Window1Top, top);
    EXPECT_EQ(prefModule::Window1Left, left);
  }
}

TEST_F(SavedPosition, outOfRangeIsPlacedAtTheWindowSystemsBoundsAndSavedAsPlaced) {
  auto window = Window1();
  const std::int32_t top = window->Top(), left = window->Left();
  EXPECT_EQ(top, 32767);
  EXPECT_LE(left, -32700) << "the window system's least left, less the frame it may keep on screen";
  window->Close();
  QFile file(config_->Path() + "/rozovozu.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), "#Window1Position " + std::to_string(top) + "," + std::to_string(left) + "\n");
}
