#include "platform/ui/Shell.h"

#include "platform/Fetch.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrlQuery>

namespace {
ShellHook& hook()
{
    static ShellHook h;
    return h;
}

ShellResult open(const QUrl& url)
{
    const bool opened = hook() ? hook()(url) : QDesktopServices::openUrl(url);
    return opened ? ShellResult::Opened : ShellResult::NoProgram;
}
} // namespace

void SetShellHook(ShellHook h) { hook() = std::move(h); }

ShellResult OpenWebAddress(const QString& address)
{
    if (!WebAddressFault(address).isEmpty())
        return ShellResult::Refused;
    return open(QUrl(address.trimmed(), QUrl::StrictMode));
}

ShellResult OpenInTextEditor(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return ShellResult::Refused;
    return open(QUrl::fromLocalFile(info.absoluteFilePath()));
}

ShellResult OpenLocalPage(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return ShellResult::Refused;
    return open(QUrl::fromLocalFile(info.absoluteFilePath()));
}

ShellResult OpenMailTo(const QString& address, const QString& subject)
{
    const QString to = address.trimmed();
    if (to.isEmpty() || to.contains(QRegularExpression("[\\s?&<>\"]")))
        return ShellResult::Refused;
    QUrl url;
    url.setScheme("mailto");
    url.setPath(to);
    if (!subject.isEmpty()) {
        QUrlQuery query;
        query.addQueryItem("subject", subject);
        url.setQuery(query);
    }
    return open(url);
}

QString NoProgramText(const QString& kind, const QString& what)
{
    return "This desktop has no program to open " + kind + ", so " + what + " cannot be shown.    ";
}
