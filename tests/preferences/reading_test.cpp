// The directives file as the reader sees it: which lines count, where reading stops, what the
// position fields become, and files that are not what they should be.
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <cstdint>
#include <limits>

#include "prefs_test_support.h"

namespace {
using namespace std::string_literals;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct Case {
  std::string file;
  std::int32_t top, left;
};

using ReadingRules = PrefsTest;

TEST_F(ReadingRules, loadPrefs_positionFollowsTheReadingRules) {
  const Case cases[] = {
      {"#Window1Position 200,300\n", 200, 300},
      {"", 0, 0},
      {"\n#Window1Position 1,2\n", 0, 0},
      {"'comment\n#nodirective\n#Window1Position 7,8\n", 7, 8},
      {"#Window1Position 1,1\n indented\n#Window1Position 2,2\n", 1, 1},
      {"#Window1Position 1,1\r\n#WINDOW1POSITION 3,4\r\n#window1position 5,6", 5, 6},
      {"#Window1Position 1,1\r#Window1Position -22,-1300\r", -22, -1300},
      {"#Window1PositionX 10,10\n", 0, 0},
      {"#Window1Position 100\n", 100, 0},
      {"#Window1Position 1,2,3\n", 1, 2},
      {"#Window1Position \n", 0, 0},
      {"#Window1Position  100,20\n", 100, 20},
      {"#Window1Position x,20\n", 0, 20},
      {"#Window1Position 999999999999,20\n", kMax, 20},
      {"#Window1Position -999999999999,7.9\n", kMin, 7},
      {"\xEF\xBB\xBF#Window1Position 5,6\n", 5, 6},
      {"\xFF\xFE#\0W\0"s, 0, 0},
      {"#Window1Position 5,6\n\0\0\xC3(binary"s, 5, 6},
      {"#w\xFF\xFE\xC3 x\n#Window1Position 9,9", 9, 9},
      // A CR LF split across the reader's 64 KiB buffers is one line end, not an end mark.
      {"'" + std::string(64 * 1024 - 2, 'x') + "\r\n#Window1Position 4,3", 4, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.file));
    SetUp();
    WriteFile(c.file);
    prefModule::loadPrefs();
    EXPECT_EQ(prefModule::Window1Top, c.top);
    EXPECT_EQ(prefModule::Window1Left, c.left);
  }
}

TEST_F(ReadingRules, extractDirectives_keepsNamesLowerCaseAndTextsAsRead) {
  WriteFile("#Na\xC3\x84me  a b \n'#skipped x\n#noblank\n# x\n");
  prefModule::loadPrefs();
  const auto& d = prefModule::gDirectives;
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0], nullptr);
  EXPECT_EQ(d[1]->name, U"na\u00E4me");
  EXPECT_EQ(d[1]->text, U" a b ");
  EXPECT_EQ(d[2]->name, U"");
  EXPECT_EQ(d[2]->text, U"x");
}

TEST_F(ReadingRules, loadPrefs_whatCannotBeOpenedGivesTheDefaults) {
  prefModule::loadPrefs();  // no file
  EXPECT_EQ(prefModule::Window1Top, 50);
  EXPECT_EQ(prefModule::Window1Left, 20);

  SetUp();
  ASSERT_TRUE(QDir(config_->Path()).mkdir("rozovozu.txt"));
  prefModule::loadPrefs();
  EXPECT_EQ(prefModule::Window1Top, 50);

  // Root reads a file whatever its mode: then the file's position holds.
  SetUp();
  WriteFile("#Window1Position 5,6\n");
  QFile(FilePath()).setPermissions(QFileDevice::WriteOwner);
  const bool readable = access(FilePath().toLocal8Bit().constData(), R_OK) == 0;
  prefModule::loadPrefs();
  EXPECT_EQ(prefModule::Window1Top, readable ? 5 : 50);

  // A preferences folder that cannot be created, its parent being a regular file.
  SetUp();
  WriteFile("");
  qputenv("XDG_CONFIG_HOME", (FilePath() + "/config").toUtf8());
  prefModule::loadPrefs();
  EXPECT_EQ(prefModule::Window1Top, 50);
  EXPECT_EQ(prefModule::Window1Left, 20);
}

TEST_F(ReadingRules, loadPrefs_largeFilesAndLongLines) {
  // Reading stops at the end mark and never pulls in the 100 MB behind it. First here, because the
  // resident peak only ever grows.
  WriteFile("#Window1Position 7,8\n\n");
  ASSERT_TRUE(QFile::resize(FilePath(), 100 << 20));
  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  prefModule::loadPrefs();
  getrusage(RUSAGE_SELF, &after);
  EXPECT_EQ(prefModule::Window1Top, 7);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 50 * 1024) << "kB more resident";

  SetUp();
  WriteFile("#Window1Position 300," + std::string(10 << 20, '9'));
  prefModule::loadPrefs();
  EXPECT_EQ(prefModule::Window1Top, 300);
  EXPECT_EQ(prefModule::Window1Left, kMax);
}
}  // namespace
