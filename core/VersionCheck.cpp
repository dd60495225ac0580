#include "core/VersionCheck.h"

#include "platform/TextFile.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

QString ProgramVersion() { return QStringLiteral(VANTREL_VERSION); }

QString VersionFileAddress(const QString& site)
{
    QUrl url(site.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https"))
        return {};
    url.setPath(QStringLiteral("/software/vtl_version.txt"));
    url.setQuery(QString());
    url.setFragment(QString());
    url.setUserInfo(QString());
    return url.toString();
}

std::optional<QString> PublishedVersion(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^VTL([0-9]{1,6})\\.([0-9]{1,6})\\.([0-9]{1,6})"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // Leading zeros go: "07.0.4" is 7.0.4.
    return QStringLiteral("%1.%2.%3")
        .arg(match.captured(1).toInt())
        .arg(match.captured(2).toInt())
        .arg(match.captured(3).toInt());
}

int CompareVersions(const QString& a, const QString& b)
{
    const QStringList x = a.split('.');
    const QStringList y = b.split('.');
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i) {
        const long long p = x.value(i).toLongLong();
        const long long q = y.value(i).toLongLong();
        if (p != q)
            return p < q ? -1 : 1;
    }
    return 0;
}

VersionCheckResult CheckVersion(const QString& site, int idleTimeoutMs)
{
    VersionCheckResult result;
    result.current = ProgramVersion();
    const QString address = VersionFileAddress(site);
    if (address.isEmpty()) {
        result.error = QStringLiteral("The program's web address is not an http or https address: ") + site;
        return result;
    }
    const FetchResult fetched = Fetch(address, idleTimeoutMs);
    WriteTextFile(QStringLiteral("temp.txt"), fetched.body + QStringLiteral("\r\n"));
    if (!fetched.ok) {
        result.error = fetched.error;
        return result;
    }
    const auto latest = PublishedVersion(fetched.body);
    if (!latest) {
        result.error = QStringLiteral("The version file does not start with VTL and a version.");
        return result;
    }
    result.latest = *latest;
    result.kind =
        CompareVersions(result.latest, result.current) > 0 ? VersionCheckResult::Newer : VersionCheckResult::Latest;
    return result;
}
