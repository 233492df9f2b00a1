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

TEST(Runtime, pluginEntryPointsDigestAndEncodeTheTextsUtf8) {
  // The digest comes as its 16 raw bytes, one character each.
  EXPECT_EQ(PluginMD5(U"abc"), FromLatin1(std::string("\x90\x01\x50\x98\x3c\xd2\x4f\xb0\xd6\x96\x3f\x7d\x28\xe1\x7f\x72", 16)));
  const String encoded = PluginBase64(String(60, U'\u00E9'));  // 120 bytes of UTF-8: 160 characters
  EXPECT_EQ(InStr(encoded, U"\r\n"), 77) << "lines wrap after 76 characters by default";
  EXPECT_EQ(Len(PluginBase64(String(60, U'\u00E9'), 0)), 160);
}
