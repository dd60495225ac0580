#include "databases/DesktopLinks.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool BrowseTo(const QString& address)
{
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    return QDesktopServices::openUrl(url);
}

bool EditInTextEditor(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
