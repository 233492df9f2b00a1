#include "framework/dispatch.h"

#include <cxxabi.h>

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "framework/exceptions.h"
#include "framework/qt_text.h"

namespace {
ExceptionHelper installedHelper = nullptr;

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

void RuntimeSetExceptionHelper(ExceptionHelper helper) { installedHelper = helper; }

void Dispatch(const std::function<void()>& handler) {
  auto trampoline = [](void* argument) { (*static_cast<const std::function<void()>*>(argument))(); };
  std::exception_ptr caught;
  try {
    if (auto helper = installedHelper) {
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
