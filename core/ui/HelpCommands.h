#pragma once
// The Help menu's commands that open no window of the program: the help
// pages, the program's web sites, a mail to technical support and the check
// for a new version. They go to the desktop's browser and mail program.

#include <QString>

class QWidget;

// The maker's addresses.
inline const QString kAlternativeSite = QStringLiteral("http://www.vantrel.net");
inline const QString kGeneralEmail = QStringLiteral("info@vantrel.org");
inline const QString kSupportEmail = QStringLiteral("support@vantrel.org");

// The help pages of the program folder.
inline const QString kHelpPage = QStringLiteral("help.html");

// Opens a help page of the program folder in the browser; says so when the
// page is missing.
void ShowHelpPage(const QString& page = kHelpPage);
// Opens a web address in the browser; says so when it is not an http or
// https address, or when the desktop has no browser. The second form gives
// the message box its title and style.
void OpenWebPage(const QString& address);
void OpenWebPage(const QString& address, const QString& title, int style);
// Help > "Vantrel website": the program's site (settings item 30).
void OpenProgramSite();
// Help > "Alternative website": warns that it is less up to date, then opens it.
void OpenAlternativeSite();
// A new mail to the address in the mail program.
void WriteMailTo(const QString& address);
// Help > "Check for new version": fetches the published version and says
// whether it is newer; offers the program's site when it is.
void CheckForNewVersion();
