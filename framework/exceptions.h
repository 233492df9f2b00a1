#pragma once

// The framework's exception family. Everything the framework raises derives from
// RuntimeException, so one default handler can report any of them by class name.

#include <memory>
#include <stdexcept>
#include <string>

class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message = {}) : std::runtime_error(message) {}
  virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

#define ZENDLE_EXCEPTION(Name)                                        \
  class Name : public RuntimeException {                              \
   public:                                                            \
    using RuntimeException::RuntimeException;                         \
    const char* ClassName() const noexcept override { return #Name; } \
  }

ZENDLE_EXCEPTION(NilObjectException);
ZENDLE_EXCEPTION(ThreadAccessingUIException);
ZENDLE_EXCEPTION(UnsupportedFormatException);
ZENDLE_EXCEPTION(OutOfBoundsException);
ZENDLE_EXCEPTION(IllegalCastException);

#undef ZENDLE_EXCEPTION

// The one way the program reaches through a reference: Nil raises instead of crashing.
template <class T>
T& NotNil(const std::shared_ptr<T>& object) {
  if (!object) throw NilObjectException("member used on a Nil object");
  return *object;
}
template <class T>
T& NotNil(T* object) {
  if (!object) throw NilObjectException("member used on a Nil object");
  return *object;
}
