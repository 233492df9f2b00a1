#include "framework/runtime.h"

#include <QApplication>
#include <csignal>
#include <memory>
#include <vector>

#include "framework/application.h"
#include "framework/dispatch.h"
#include "framework/window.h"

namespace {
struct Runtime {
  std::unique_ptr<QApplication> qt;
  int exitCode = 0;
  bool quitRequested = false;
  bool running = false;  // inside RuntimeRun's event loop
  std::vector<char*> argv;
  int argc = 0;
};

// Never destroyed: when the display goes away, Qt ends the process with exit() from inside the
// event loop, and a QApplication destroyed by the exit handlers would then crash. An ordinary end
// releases it in RuntimeExit.
Runtime& State() {
  static auto* runtime = new Runtime;
  return *runtime;
}
}  // namespace

void RuntimeInit(int argc, char** argv) {
  auto& rt = State();
  rt.exitCode = 0;
  rt.quitRequested = false;
  // Under a file-size limit a write then fails, as on a full disk, and the save keeps the old file;
  // the signal's default would end the program instead.
  std::signal(SIGXFSZ, SIG_IGN);
  if (QCoreApplication::instance()) return;  // a host (a test) made one already
  // Qt keeps references to argc and argv for the application's lifetime.
  rt.argc = argc > 0 ? 1 : 0;
  static char name[] = "zendle";
  rt.argv = {argc > 0 ? argv[0] : name, nullptr};
  if (rt.argc == 0) rt.argv[0] = name, rt.argc = 1;
  rt.qt = std::make_unique<QApplication>(rt.argc, rt.argv.data());
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(QStringLiteral("Zendle II"));
}

int RuntimeExit() {
  auto& rt = State();
  const int code = rt.exitCode;
  RuntimeSetExceptionHelper(nullptr);
  rt.qt.reset();
  return code;
}

void RunFrameworkInitialization(void (*lateStartup)()) {
  if (auto app = GetAppObject()) Dispatch([&] { app->CallOpen(); });
  if (lateStartup) Dispatch([&] { lateStartup(); });
}

void RuntimeRun() {
  auto& rt = State();
  // A Quit during start-up ends the run before the loop starts.
  if (rt.quitRequested) return;
  rt.running = true;
  rt.exitCode = QApplication::exec();
  rt.running = false;
}

void Quit(int code) {
  auto& rt = State();
  rt.exitCode = code;
  rt.quitRequested = true;
  // Outside the loop Qt would only note the request, and every later dialog's loop would return at
  // once; RuntimeRun reads the flag instead.
  if (rt.running) QApplication::exit(code);
}

void RuntimeFinalize() {
  ReleaseWindowList();
  RuntimeRegisterAppObject(nullptr);
}
