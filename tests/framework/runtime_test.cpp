#include "framework/runtime.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "tests/support/gui_helpers.h"

TEST(Runtime, aQuitBeforeTheLoopEndsTheRunAtOnceAndSparesLaterDialogs) {
  RuntimeInit(0, nullptr);
  Quit(0);
  // A dialog's own loop must still wait for its answer.
  QEventLoop dialogLoop;
  QTimer::singleShot(0, &dialogLoop, [&] { dialogLoop.exit(7); });
  EXPECT_EQ(dialogLoop.exec(), 7);

  testing_support::LoopGuard guard;
  RuntimeRun();
  EXPECT_EQ(RuntimeExit(), 0);
}
