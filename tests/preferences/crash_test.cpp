// A save killed at any moment leaves the old file or the new one, whole: never a part, never none.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QRegularExpression>
#include <chrono>
#include <random>
#include <thread>

#include "prefs_test_support.h"

namespace {
using Crash = PrefsTest;

// Saves position k,k for k = first, first + 1, ... until killed; reports once the first save is done.
[[noreturn]] void SaveForever(std::int32_t first, int ready) {
  try {
    for (std::int32_t k = first;; ++k) {
      prefModule::Window1Top = prefModule::Window1Left = k;
      prefModule::savePrefs();
      if (k == first && write(ready, "!", 1) != 1) _exit(3);
    }
  } catch (...) {
    _exit(2);
  }
}

TEST_F(Crash, savePrefs_killedAtRandomMomentsLeavesAWholeFile) {
  const auto seed = std::random_device{}();
  SCOPED_TRACE(seed);
  std::mt19937 random(seed);
  const QRegularExpression whole(R"(^#Window1Position (\d+),\1\n$)");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(6);
  for (std::int32_t round = 0; round < 300 && std::chrono::steady_clock::now() < deadline; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const std::int32_t first = round * 100000 + 1;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(first, ready[1]);
    close(ready[1]);
    char signal = 0;
    const bool started = read(ready[0], &signal, 1) == 1;
    close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(started) << "the saving child ended with status " << status;

    const QByteArray content = ReadFile();
    const auto match = whole.match(QString::fromLatin1(content));
    ASSERT_TRUE(match.hasMatch()) << "round " << round << ": " << content.toStdString();
    ASSERT_GE(match.captured(1).toInt(), first) << "the file predates this round's first save";
  }
}
}  // namespace
