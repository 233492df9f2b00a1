#pragma once

// The exception-handling hook every event handler runs through, and the one default handler for
// what escapes it. Controls and windows dispatch through here; the runtime installs the hook.

#include <exception>
#include <functional>

// Runs function(argument) inside an exception frame: an empty pointer when it completes, the
// caught exception when it is a RuntimeException; any other exception propagates.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);

void RuntimeSetExceptionHelper(ExceptionHelper helper);

// Every event handler runs through this: the installed hook catches, and what escapes reaches the
// default handler, which reports the exception's class in a message box and ends the process with
// a non-zero status.
void Dispatch(const std::function<void()>& handler);

// Raises ThreadAccessingUIException off the main thread.
void RequireMainThread();
