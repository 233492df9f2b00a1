#pragma once

// The runtime: process-wide set-up and shutdown, and the event loop. It stands above the windows
// and controls it runs; they reach the exception hook through dispatch.h.

void RuntimeInit(int argc, char** argv);
int RuntimeExit();  // the process exit status: the code given to Quit
// Initialises the framework, fires the application's Open event, then calls lateStartup.
void RunFrameworkInitialization(void (*lateStartup)());
void RuntimeRun();       // returns after Quit
void RuntimeFinalize();  // releases the framework's own globals: window list, application object
void Quit(int code = 0);
