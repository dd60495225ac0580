#pragma once
// The settings table and its file "vantrel.ini": 100 text items, line k of the
// file is item k. Every window reads and writes items by their numbers.

#include <QString>
#include <array>
#include <functional>

inline constexpr int kSettingsCount = 100;
inline const QString kSettingsFile = QStringLiteral("vantrel.ini");

// Items 0 to 100; item 0 is never read from or written to the file.
extern std::array<QString, kSettingsCount + 1> Settings;

// Reads "vantrel.ini" from the current folder into the items, writing the
// defaults first when the file is missing. Items beyond the file's last line
// keep their values; lines after the 100th are ignored. Then runs the hook
// set by the main window (its WebLinks menu follows items 20 to 29).
void LoadSettings();
// Sets every item to its default and writes the file.
void DefaultSettings();
// Writes items 1 to 100, each followed by CR LF. False when the file could not
// be written (the old file is then left as it was).
bool SaveSettings();

// Run at the end of every LoadSettings.
void SetSettingsLoadedHook(std::function<void()> hook);
// Empties every item (tests).
void ResetSettings();
