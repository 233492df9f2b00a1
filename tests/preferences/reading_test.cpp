// The directives file as the reader sees it: which lines count, where reading stops, what the
// position fields become, and a file that cannot be read at all.
#include <cstdint>
#include <limits>
#include <tuple>

#include "prefs_test_support.h"

using namespace std::string_literals;
using Reading = PrefsTest;

TEST_F(Reading, loadPrefs_positionFollowsTheReadingRules) {
  const std::tuple<std::string, std::int32_t, std::int32_t> cases[] = {
      {"\n#Window1Position 1,2\n", 0, 0},
      {"#Window1Positions 1,2\n#Window1Position2 3,4\n", 0, 0},  // the name whole, not its start
      {"'comment\n#nodirective\n#Window1Position 7,8\n indented\n#Window1Position 2,2\n", 7, 8},
      {"#Window1Position 1,1\r\n#WINDOW1POSITION 3,4\r#window1position -22,-1300", -22, -1300},
      {"#Window1Position 999999999999,7.9,3\n", std::numeric_limits<std::int32_t>::max(), 7},
      {"\xEF\xBB\xBF#Window1Position 5,x\n\0\0\xC3(binary"s, 5, 0},
      // A CR LF split across the reader's 64 KiB buffers is one line end, not an end mark.
      {"'" + std::string(64 * 1024 - 2, 'x') + "\r\n#Window1Position 4,3", 4, 3},
  };
  for (const auto& [file, top, left] : cases) {
    SCOPED_TRACE(testing::PrintToString(file));
    SetUp();
    WriteFile(file);
    prefModule::loadPrefs();
    EXPECT_EQ(prefModule::Window1Top, top);
    EXPECT_EQ(prefModule::Window1Left, left);
  }
}

TEST_F(Reading, loadPrefs_whatCannotBeOpenedGivesTheDefaults) {
  prefModule::loadPrefs();  // no file
  EXPECT_EQ(prefModule::Window1Top, 50);
  EXPECT_EQ(prefModule::Window1Left, 20);

  // A directory in the file's place, as root meets it too.
  SetUp();
  ASSERT_TRUE(QDir(config_->Path()).mkdir("rozovozu.txt"));
  prefModule::loadPrefs();
  EXPECT_EQ(prefModule::Window1Top, 50);

  // A preferences folder that cannot be created, its parent being a regular file.
  SetUp();
  WriteFile("");
  qputenv("XDG_CONFIG_HOME", (FilePath() + "/config").toUtf8());
  prefModule::loadPrefs();
  EXPECT_EQ(prefModule::Window1Top, 50);
}
