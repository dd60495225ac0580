#pragma once
// The desktop shell: web addresses in the browser, text files in the text
// editor, mail links in the mail program. Nothing is run through a command
// line; every request goes to the desktop's URL service, which returns at once.

#include <QString>
#include <QUrl>
#include <functional>

// Opens an http or https address in the web browser. Any other scheme, or
// text that is not an address, is refused (false) and nothing is opened.
bool OpenWebAddress(const QString& address);
// Opens a file in the desktop's text editor (the application the desktop
// gives plain text files) without waiting. False when the file is missing.
bool OpenInTextEditor(const QString& path);
// Opens a local page (a help page of the program folder) in the web browser.
// False when the file is missing.
bool OpenLocalPage(const QString& path);
// Opens a mail to the address in the mail program, with an optional subject.
bool OpenMailTo(const QString& address, const QString& subject = QString());

// Tests see the addresses that would be opened instead of opening them. An
// empty hook restores the desktop.
using ShellHook = std::function<bool(const QUrl&)>;
void SetShellHook(ShellHook hook);
