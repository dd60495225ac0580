#pragma once
// What the program sets on the application object before its first window.

// The program's names and its font fallbacks.
void SetUpApplication();
