// The directives file as the reader sees it: which lines count, where reading stops, what the
// position fields become, and a file that cannot be read at all.
#include <sys/stat.h>

#include <cstdint>
#include <tuple>

#include "prefs_test_support.h"
#include "tests/support/child_process.h"

using namespace std::string_literals;
using Reading = PrefsTest;

TEST_F(Reading, loadPrefs_positionFollowsTheReadingRules) {
  const std::tuple<std::string, std::int32_t, std::int32_t> cases[] = {
      {"\n#Window1Position 1,2\n", 0, 0},
      {"#Window1Positions 1,2\n#Window1Position2 3,4\n", 0, 0},  // the name whole, not its start
      {"'comment\n#nodirective\n#Window1Position 7,8\n indented\n#Window1Position 2,2\n", 7, 8},
      {"#Window1Position 1,1\r\n#WINDOW1POSITION 3,4\r#window1position -22,-1300", -22, -1300},
      {"#Window1Position 999999999999,7.9,3\n", 2147483647, 7},
      {"\xEF\xBB\xBF#Window1Position 5,x\n\0\0\xC3(binary"s, 5, 0},
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

TEST_F(Reading, loadPrefs_readsNoFurtherThanTheBound) {
  const std::string position = "#Window1Position 7,8\n";
  // A comment line, then the position as the last line, the whole file this many bytes long.
  auto endingInPosition = [&](std::size_t bytes) { return "'" + std::string(bytes - 2 - position.size(), 'x') + "\n" + position; };
  const std::string tiny = "#a b\n";
  std::string tinyDirectives;
  while (tinyDirectives.size() < 1024 * 1024) tinyDirectives += tiny;
  const std::tuple<std::string, std::int32_t, std::size_t> cases[] = {
      // file, the top read, the directives read; the first 64 KiB are read
      {endingInPosition(65536), 7, 1},
      {endingInPosition(65537), 0, 0},
      {"'" + std::string(1024 * 1024, 'x') + "\n" + position, 0, 0},
      {"#" + std::string(1024 * 1024, '\0') + "\n" + position, 0, 0},
      {"#Window1Position 1,2 " + std::string(1024 * 1024, ' ') + position, 0, 0},
      {tinyDirectives + position, 0, 13107},  // the whole 5-byte lines in 65,536 bytes
  };
  for (const auto& [file, top, directives] : cases) {
    SCOPED_TRACE(file.substr(0, 30));
    SetUp();
    WriteFile(file);
    prefModule::loadPrefs();
    EXPECT_EQ(prefModule::Window1Top, top);
    EXPECT_EQ(prefModule::gDirectives.size() - 1, directives);
  }
}

// Start-up and close, in a child that the test outlives: a FIFO in the file's place, or where its
// link leads, is a file that cannot be opened, nothing waits on it, and it stays as it was.
TEST_F(Reading, aFifoGivesTheDefaultsWithoutWaitingAndStays) {
  for (const bool linked : {false, true}) {
    SetUp();
    const auto path = FilePath().toStdString();
    const auto fifo = linked ? path + ".fifo" : path;
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    if (linked) {
      ASSERT_EQ(symlink(fifo.c_str(), path.c_str()), 0);
    }
    const int status = testing_support::RunInChild([] {
      prefModule::loadPrefs();
      if (prefModule::Window1Top != 50 || prefModule::Window1Left != 20) return 1;
      prefModule::savePrefs();
      return 0;
    });
    EXPECT_TRUE(testing_support::ExitedWith(status, 0)) << "linked " << linked << ", wait status " << status;
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "linked " << linked;
  }
}
