#pragma once

// The runtime: process-wide set-up and shutdown, the exception-handling hook through which every
// event is dispatched, the one default handler for what escapes, and the event loop.

#include <exception>
#include <functional>

#include "framework/string.h"

// Runs function(argument) inside an exception frame: an empty pointer when it completes, the
// caught exception when it is a RuntimeException; any other exception propagates.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);

void RuntimeInit(int argc, char** argv);
int RuntimeExit();  // the process exit status: the code given to Quit
void RuntimeSetExceptionHelper(ExceptionHelper helper);
void RuntimeInitClasses();  // the class records of the framework's own classes
// Initialises the framework, fires the application's Open event, then calls lateStartup.
void RunFrameworkInitialization(void (*lateStartup)());
void RuntimeRun();       // returns after Quit
void RuntimeFinalize();  // releases the framework's own globals: window list, application object
void Quit(int code = 0);

// Every event handler runs through this: the installed hook catches, and what escapes reaches the
// default handler, which reports the exception's class in a message box and ends the process with
// a non-zero status.
void Dispatch(const std::function<void()>& handler);

// Raises ThreadAccessingUIException off the main thread.
void RequireMainThread();
