#pragma once
// The database windows' links to the desktop: the lottery's web site in the
// browser and a database file in the text editor. Every request goes to the
// desktop's URL service, which returns at once.

#include <QString>

// Opens an http or https address in the browser ("www.example.com" is taken
// as http). Any other scheme, or text that is no address, opens nothing
// (false).
bool BrowseTo(const QString& address);
// Opens a file of the current folder in the desktop's text editor, without
// waiting. False when the file is missing or nothing could open it.
bool EditInTextEditor(const QString& fileName);
