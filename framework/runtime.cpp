#include "framework/runtime.h"

#include <cxxabi.h>

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "framework/application.h"
#include "framework/check_box.h"
#include "framework/exceptions.h"
#include "framework/http_socket.h"
#include "framework/label.h"
#include "framework/progress_bar.h"
#include "framework/push_button.h"
#include "framework/qt_text.h"
#include "framework/text_area.h"
#include "framework/window.h"

void ReleaseWindowList();

namespace {
struct Runtime {
  std::unique_ptr<QApplication> qt;
  ExceptionHelper helper = nullptr;
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

String ClassNameOf(const std::exception_ptr& caught) {
  try {
    std::rethrow_exception(caught);
  } catch (const RuntimeException& e) {
    return FromLatin1(e.ClassName());
  } catch (const std::exception& e) {
    // The language's own name ("std::runtime_error"), not the mangled one.
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    return FromLatin1(status == 0 && readable ? readable.get() : typeid(e).name());
  } catch (...) {
    return U"unknown exception";
  }
}

// The one default handler: report, then end with a failure status. Nothing is left half-run.
[[noreturn]] void Unhandled(const std::exception_ptr& caught) {
  const String name = ClassNameOf(caught);
  std::fprintf(stderr, "zendle: unhandled exception: %s\n", ToUtf8(name).c_str());
  std::fflush(stderr);
  if (QApplication::instance()) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zendle II"),
                    QStringLiteral("An exception of class %1 was not handled. The application must shut down.").arg(ToQString(name)));
    box.setTextFormat(Qt::PlainText);
    box.exec();
  }
  std::_Exit(EXIT_FAILURE);
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
  rt.helper = nullptr;
  rt.qt.reset();
  return code;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) { State().helper = helper; }

void RuntimeInitClasses() {
  BuildClassRecords({&Application::ClassInfo, &MenuItem::ClassInfo, &MenuBar::ClassInfo, &AppleMenuItem::ClassInfo, &Window::ClassInfo,
                     &Control::ClassInfo, &RectControl::ClassInfo, &TextArea::ClassInfo, &PushButton::ClassInfo, &Label::ClassInfo,
                     &CheckBox::ClassInfo, &ProgressBar::ClassInfo, &HTTPSocket::ClassInfo});
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

void Dispatch(const std::function<void()>& handler) {
  auto trampoline = [](void* argument) { (*static_cast<const std::function<void()>*>(argument))(); };
  std::exception_ptr caught;
  try {
    if (auto helper = State().helper) {
      caught = helper(trampoline, const_cast<std::function<void()>*>(&handler));
    } else {
      handler();
    }
  } catch (...) {
    caught = std::current_exception();
  }
  if (caught) Unhandled(caught);
}

void RequireMainThread() {
  auto* app = QCoreApplication::instance();
  if (app && QThread::currentThread() != app->thread()) throw ThreadAccessingUIException("window member used off the main thread");
}
