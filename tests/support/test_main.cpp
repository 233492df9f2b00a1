#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <optional>

// GUI tests run without a display unless the caller chose a platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt warns in every process that has no private runtime folder: a run without one gets a fresh
  // one (mode 0700), removed when the run ends; the processes it starts inherit it.
  std::optional<QTemporaryDir> runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    runtime.emplace();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
  }
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
