#include "platform/ui/Shell.h"

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

bool open(const QUrl& url)
{
    if (hook())
        return hook()(url);
    return QDesktopServices::openUrl(url);
}
} // namespace

void SetShellHook(ShellHook h) { hook() = std::move(h); }

bool OpenWebAddress(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme != "http" && scheme != "https")
        return false;
    return open(url);
}

bool OpenInTextEditor(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    return open(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool OpenLocalPage(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    return open(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool OpenMailTo(const QString& address, const QString& subject)
{
    const QString to = address.trimmed();
    if (to.isEmpty() || to.contains(QRegularExpression("[\\s?&<>\"]")))
        return false;
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
