#pragma once
// What the program sets on the application object before its first window,
// and the run of the program itself.

// The program's names and its font fallbacks.
void SetUpApplication();

// The program, once the application object is made: its names, its windows,
// the data folder and the main window, run until the main window closes.
// Returns the exit code.
int RunProgram();
