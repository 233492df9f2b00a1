#pragma once

// The program's start-up and shutdown, shared by main, the tests and the benchmark.

// Everything before the event loop, in its fixed order: the class records, the exception hook, the
// application object with its menu bar and handlers, the application's Open event, the main window.
void StartProgram(int argc, char** argv);
// Everything after the event loop: releases what start-up made; returns the process exit status.
int StopProgram();
