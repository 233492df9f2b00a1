// A save that cannot complete leaves the old file exactly as it was, with nothing beside it, and
// the program goes on.
#include <sys/resource.h>

#include "framework/runtime.h"
#include "prefs_test_support.h"
#include "tests/support/child_process.h"

using Writing = PrefsTest;

// A file-size limit stops the write for root too. The limit, and the signal a write past it
// raises, belong to the whole process, so the save runs in a child started as the program starts.
TEST_F(Writing, savePrefs_pastAFileSizeLimitKeepsTheOldFileAndTheProgramRunning) {
  const std::string old = "#Window1Position 7,8\n'a comment that makes the old file the longer\n";
  WriteFile(old);
  const int status = testing_support::RunInChild([] {
    RuntimeInit(0, nullptr);
    const rlimit tiny{8, 8};
    if (setrlimit(RLIMIT_FSIZE, &tiny) != 0) return 1;
    prefModule::savePrefs();
    return 0;
  });
  EXPECT_TRUE(testing_support::ExitedWith(status, 0)) << "wait status " << status;
  EXPECT_EQ(ReadFile().toStdString(), old);
  EXPECT_EQ(FolderEntries(), QStringList{"rozovozu.txt"});
}
