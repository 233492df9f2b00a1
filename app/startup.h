#pragma once

// The program's start-up and shutdown, in their fixed order: class records, the exception hook,
// early start-up (application object, menu bar, menu handlers), the framework's initialisation
// with the application's Open event, the main window, the event loop, then the release of globals.

#include <exception>

// Builds every class record and the module globals that need set-up.
void initialize();
// Runs start-up and the event loop.
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
// Releases the module globals.
void finalize();

// The exception-handling hook handed to the framework.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// The whole run, from framework initialisation to its exit status.
int RunProgram(int argc, char** argv);
