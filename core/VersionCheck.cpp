#include "core/VersionCheck.h"

#include "platform/TextFile.h"

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
    if (!text.startsWith(QStringLiteral("VTL")) || text.size() < 8)
        return std::nullopt;
    const QString version = text.mid(3, 5);
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (!digit(version[0]) || version[1] != u'.' || !digit(version[2]) || version[3] != u'.' || !digit(version[4]))
        return std::nullopt;
    return version;
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
    FetchResult fetched;
    if (address.isEmpty())
        fetched.error = QStringLiteral("The program's web address is not an http or https address: ") + site;
    else
        fetched = Fetch(address, idleTimeoutMs);
    WriteTextFile(QStringLiteral("temp.txt"), fetched.received + QStringLiteral("\r\n"));
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
