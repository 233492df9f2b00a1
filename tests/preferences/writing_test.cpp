// Saving: the one position line, read back as written, and saves that cannot complete leaving the
// old file exactly as it was, with nothing beside it.
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <limits>

#include "prefs_test_support.h"

namespace {
using Writing = PrefsTest;

void SaveAndReload(std::int32_t top, std::int32_t left) {
  prefModule::Window1Top = top;
  prefModule::Window1Left = left;
  prefModule::savePrefs();
  prefModule::InitDirectives();
  prefModule::Window1Top = prefModule::Window1Left = 0;
  prefModule::loadPrefs();
}

TEST_F(Writing, savePrefs_writesOneLineThatReadsBack) {
  WriteFile("'old comment\n#other directive\n#Window1Position 1,2\n");
  SaveAndReload(120, 35);
  EXPECT_EQ(ReadFile(), "#Window1Position 120,35\n");
  EXPECT_EQ(prefModule::Window1Top, 120);
  EXPECT_EQ(prefModule::Window1Left, 35);
  EXPECT_EQ(prefModule::gDirectives.size(), 2u);

  constexpr auto kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();
  SaveAndReload(kMin, kMax);
  EXPECT_EQ(ReadFile(), "#Window1Position -2147483648,2147483647\n");
  EXPECT_EQ(prefModule::Window1Top, kMin);
  EXPECT_EQ(prefModule::Window1Left, kMax);
  EXPECT_EQ(FolderEntries(), QStringList{"rozovozu.txt"});
}

TEST_F(Writing, savePrefs_thatCannotCompleteKeepsTheOldFile) {
  const std::string old = "#Window1Position 7,8\n'a comment that makes the old file the longer\n";
  WriteFile(old);
  // A file-size limit stops the write for root too.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 8;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  SaveAndReload(120, 35);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(ReadFile().toStdString(), old);
  EXPECT_EQ(prefModule::Window1Top, 7);
  EXPECT_EQ(FolderEntries(), QStringList{"rozovozu.txt"});

  // A directory in the file's place stays, alone.
  ASSERT_TRUE(QFile::remove(FilePath()));
  ASSERT_TRUE(QDir(config_->Path()).mkdir("rozovozu.txt"));
  SaveAndReload(120, 35);
  EXPECT_TRUE(QFileInfo(FilePath()).isDir());
  EXPECT_EQ(FolderEntries(), QStringList{"rozovozu.txt"});

  // No preferences folder to be had: its parent is a regular file.
  ASSERT_TRUE(QDir(config_->Path()).rmdir("rozovozu.txt"));
  WriteFile(old);
  qputenv("XDG_CONFIG_HOME", (FilePath() + "/config").toUtf8());
  SaveAndReload(120, 35);
  EXPECT_EQ(ReadFile().toStdString(), old);
  EXPECT_EQ(FolderEntries(), QStringList{"rozovozu.txt"});
}
}  // namespace
