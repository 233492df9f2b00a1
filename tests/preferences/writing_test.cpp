// A save that cannot complete leaves the old file exactly as it was, with nothing beside it.
#include <sys/resource.h>

#include <csignal>

#include "prefs_test_support.h"

using Writing = PrefsTest;

TEST_F(Writing, savePrefs_thatCannotCompleteKeepsTheOldFile) {
  const std::string old = "#Window1Position 7,8\n'a comment that makes the old file the longer\n";
  WriteFile(old);
  // A file-size limit stops the write for root too.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit tiny{8, saved.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  prefModule::savePrefs();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(ReadFile().toStdString(), old);
  EXPECT_EQ(FolderEntries(), QStringList{"rozovozu.txt"});
}
