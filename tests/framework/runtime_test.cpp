#include "framework/runtime.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

namespace {
// Ends a loop that would otherwise hang the test, with a status no test expects.
class LoopGuard {
 public:
  LoopGuard() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [] { QApplication::exit(99); });
    timer_.start(5000);
  }

 private:
  QTimer timer_;
};
}  // namespace

TEST(Runtime, quitEndsTheEventLoopWithItsCodeAsTheExitStatus) {
  RuntimeInit(0, nullptr);
  LoopGuard guard;
  QTimer::singleShot(0, [] { Dispatch([] { Quit(3); }); });
  RuntimeRun();
  EXPECT_EQ(RuntimeExit(), 3);
}

TEST(Runtime, aQuitBeforeTheLoopEndsTheRunAtOnceAndSparesLaterDialogs) {
  RuntimeInit(0, nullptr);
  Quit(0);
  // A dialog's own loop must still wait for its answer.
  QEventLoop dialogLoop;
  QTimer::singleShot(0, &dialogLoop, [&] { dialogLoop.exit(7); });
  EXPECT_EQ(dialogLoop.exec(), 7);

  LoopGuard guard;
  RuntimeRun();
  EXPECT_EQ(RuntimeExit(), 0);
}
