#pragma once
// The desktop shell: web addresses in the browser, text files in the text
// editor, mail links in the mail program. Nothing is run through a command
// line; every request goes to the desktop's URL service, which returns at once.

#include <QString>
#include <QUrl>
#include <functional>

// What became of a request to the desktop.
enum class ShellResult {
    Opened,
    Refused,   // not an address we open, or a missing file: the desktop was not asked
    NoProgram, // the desktop has no program for it (no browser, editor, mail program)
};

// Opens an http or https address in the web browser. Any other scheme, or
// text that is not an address (WebAddressFault, platform/Fetch.h, says why),
// is refused and nothing is opened.
ShellResult OpenWebAddress(const QString& address);
// Opens a file in the desktop's text editor (the application the desktop
// gives plain text files) without waiting. Refused when the file is missing.
ShellResult OpenInTextEditor(const QString& path);
// Opens a local page (a help page of the program folder) in the web browser.
// Refused when the file is missing.
ShellResult OpenLocalPage(const QString& path);
// Opens a mail to the address in the mail program, with an optional subject.
ShellResult OpenMailTo(const QString& address, const QString& subject = QString());

// The message for a desktop without a program to open what is named, e.g.
// NoProgramText("web pages", "http://example.org").
QString NoProgramText(const QString& kind, const QString& what);

// Tests see the addresses that would be opened instead of opening them. An
// empty hook restores the desktop.
using ShellHook = std::function<bool(const QUrl&)>;
void SetShellHook(ShellHook hook);
