#include "core/ui/HelpCommands.h"

#include "core/Settings.h"
#include "core/VersionCheck.h"
#include "platform/Fetch.h"
#include "platform/Folder.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Shell.h"

#include <QDir>
#include <optional>

namespace {
const QString kLineEnd = QStringLiteral("\r\n");
}

void ShowHelpPage(const QString& page)
{
    switch (OpenLocalPage(QDir(ProgramFolder()).filePath(page))) {
    case ShellResult::Opened: break;
    case ShellResult::Refused:
        MsgBox("The help page " + page + " is not in the program folder.  ", vbOKOnly | vbInformation, "Sorry!");
        break;
    case ShellResult::NoProgram:
        MsgBox(NoProgramText("web pages", "the help page " + page), vbOKOnly | vbInformation, "Sorry!");
        break;
    }
}

void OpenWebPage(const QString& address) { OpenWebPage(address, "Vantrel", vbExclamation); }

void OpenWebPage(const QString& address, const QString& title, int style)
{
    switch (OpenWebAddress(address)) {
    case ShellResult::Opened: break;
    case ShellResult::Refused: {
        QString why = WebAddressFault(address);
        if (why == kNotAWebScheme)
            why = "Only addresses that start with http:// or https:// are opened.";
        else if (!why.isEmpty())
            why = why.left(1).toUpper() + why.mid(1) + ".";
        MsgBox("This web address cannot be opened: " + address + kLineEnd + kLineEnd + why, style, title);
        break;
    }
    case ShellResult::NoProgram: MsgBox(NoProgramText("web pages", address), style, title); break;
    }
}

void OpenProgramSite() { OpenWebPage(Settings[LinkAddress]); }

void OpenAlternativeSite()
{
    MsgBox("This site is not as up to date" + kLineEnd + "or functional as the main site.    " + kLineEnd,
           vbOKOnly + vbExclamation, "Warning");
    OpenWebPage(kAlternativeSite);
}

void WriteMailTo(const QString& address)
{
    if (OpenMailTo(address) != ShellResult::Opened)
        MsgBox("No mail program could be started. Please write to " + address + ".    ", vbOKOnly + vbInformation,
               "Vantrel");
}

void CheckForNewVersion()
{
    std::optional<Hourglass> hourglass(std::in_place);
    const VersionCheckResult result = CheckVersion(Settings[LinkAddress]);
    hourglass.reset();
    switch (result.kind) {
    case VersionCheckResult::Error:
        MsgBox("An error occured checking for the latest    " + kLineEnd
                   + "program version. No Internet connection     " + kLineEnd + "or website not available.",
               vbOKOnly + vbExclamation, "VTL update error");
        break;
    case VersionCheckResult::Newer:
        if (MsgBox("  A new version of the program is available.      " + kLineEnd + kLineEnd
                       + "  Current version: " + result.current + kLineEnd + "  Latest version: " + result.latest
                       + kLineEnd + kLineEnd + "  Go to website to download it?      " + kLineEnd,
                   vbYesNo + vbInformation, "VTL update check")
            == vbYes)
            OpenProgramSite();
        break;
    case VersionCheckResult::Latest:
        MsgBox("You have the latest version of the program.    ", vbOKOnly + vbInformation, "VTL update check");
        break;
    }
}
