#include "platform/Fetch.h"

#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int kMaxRedirects = 10;

// Read by the same rule as the program's files: UTF-8, and a line that is not
// valid UTF-8 as Windows-1252.
QString decodeBody(const QByteArray& bytes) { return DecodeText(bytes); }

QString duration(int ms)
{
    if (ms == 1000)
        return QStringLiteral("1 second");
    if (ms % 1000 == 0)
        return QStringLiteral("%1 seconds").arg(ms / 1000);
    return QStringLiteral("%1 seconds").arg(QString::number(ms / 1000.0, 'g', 3));
}

QString statusFailure(int status, const QNetworkReply& reply)
{
    const QByteArray phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    const QString reason = QString::fromLatin1(phrase).trimmed();
    if (reason.isEmpty())
        return QStringLiteral("The server answered %1.").arg(status);
    return QStringLiteral("The server answered %1 (%2).").arg(status).arg(reason);
}

// The announced length of the body, when it can be compared with what arrived:
// a compressed body is unpacked on the way, so its length says nothing.
qint64 announcedLength(const QNetworkReply& reply)
{
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity")
        return -1;
    bool ok = false;
    const qint64 length = reply.header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
    return ok ? length : -1;
}

// The character as the player would name it.
QString characterName(QChar c)
{
    if (c.isSpace())
        return QStringLiteral("a blank");
    if (c == u'"')
        return QStringLiteral("a double quote");
    if (c.category() == QChar::Other_Control)
        return QStringLiteral("a control character");
    return QStringLiteral("\"%1\"").arg(c);
}

// The ASCII characters an address may hold as they stand.
bool addressCharacter(QChar c)
{
    static const QString marks = QStringLiteral("-._~:/?#[]@!$&'()*+,;=%");
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || marks.contains(c);
}

bool hexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

QString networkFailure(const QNetworkReply& reply, const QString& host)
{
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError: return QStringLiteral("The connection to %1 was refused.").arg(host);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("The connection to %1 was dropped before the answer was complete.").arg(host);
    case QNetworkReply::HostNotFoundError: return QStringLiteral("The server %1 could not be found.").arg(host);
    case QNetworkReply::TimeoutError: return QStringLiteral("The connection to %1 timed out.").arg(host);
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("No secure connection could be made with %1.").arg(host);
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("The address was redirected more than %1 times.").arg(kMaxRedirects);
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("The server redirected the download from a secure address to an "
                              "insecure one.");
    default: return QStringLiteral("The download from %1 failed: %2.").arg(host, reply.errorString());
    }
}
} // namespace

QString WebAddressFault(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return QStringLiteral("it is empty");
    if (!text.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive)
        && !text.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive))
        return kNotAWebScheme;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'%' && !(i + 2 < text.size() && hexDigit(text[i + 1]) && hexDigit(text[i + 2])))
            return QStringLiteral("a \"%\" in it is not followed by two hexadecimal digits");
        if (c.unicode() < 0x80 ? !addressCharacter(c) : c.isSpace() || c.category() == QChar::Other_Control)
            return QStringLiteral("it holds %1, which no web address can hold").arg(characterName(c));
    }
    // The site: after "//", up to the path, query or fragment; without the
    // user name and the port.
    const qsizetype from = text.indexOf(QStringLiteral("//")) + 2;
    qsizetype to = from;
    while (to < text.size() && text[to] != u'/' && text[to] != u'?' && text[to] != u'#')
        ++to;
    QString site = text.mid(from, to - from);
    site = site.mid(site.lastIndexOf(u'@') + 1);
    QString port;
    const qsizetype colon = site.lastIndexOf(u':');
    if (colon >= 0 && colon > site.lastIndexOf(u']')) {
        port = site.mid(colon + 1);
        site.truncate(colon);
    }
    if (site.isEmpty())
        return QStringLiteral("it names no web site");
    bool numeric = false;
    const int portNumber = port.toInt(&numeric);
    if (!port.isEmpty() && (!numeric || portNumber < 0 || portNumber > 65535 || !port[0].isDigit()))
        return QStringLiteral("\"%1\" is no port number").arg(port);
    QUrl siteOnly;
    siteOnly.setHost(site, QUrl::StrictMode);
    if (!siteOnly.isValid() || siteOnly.host().isEmpty())
        return QStringLiteral("\"%1\" cannot be the name of a web site").arg(site);
    if (!QUrl(text, QUrl::StrictMode).isValid())
        return QStringLiteral("it cannot be read as one");
    return {};
}

// Gives a waiting fetch's abort to its stop, and takes it back when the wait ends.
struct FetchStopHook {
    FetchStopHook(FetchStop* stop, std::function<void()> abort) : stop_(stop)
    {
        if (stop_)
            stop_->abort_ = std::move(abort);
    }
    ~FetchStopHook()
    {
        if (stop_)
            stop_->abort_ = nullptr;
    }
    FetchStopHook(const FetchStopHook&) = delete;
    FetchStopHook& operator=(const FetchStopHook&) = delete;

private:
    FetchStop* stop_;
};

void FetchStop::stop()
{
    requested_ = true;
    if (abort_)
        abort_();
}

FetchResult Fetch(const QString& address, int idleTimeoutMs, FetchStop* stop)
{
    FetchResult result;
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty()) {
        result.error = QStringLiteral("No web address was given.");
        return result;
    }
    // Only web addresses: anything else (a file, ftp...) is refused here, before
    // the network layer could act on it.
    const QString fault = WebAddressFault(trimmed);
    if (!fault.isEmpty()) {
        result.error = QStringLiteral("\"%1\" is not a web address: %2.").arg(trimmed, fault);
        return result;
    }
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!QCoreApplication::instance()) {
        result.error = QStringLiteral("The download could not start: the program is not running.");
        return result;
    }

    if (stop && stop->requested()) {
        result.error = QStringLiteral("The download was stopped.");
        return result;
    }

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    QNetworkReply* reply = manager.get(request); // owned by the manager

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    bool timedOut = false;
    bool stopped = false;
    bool anyByte = false;
    // The time-out counts from the last byte received, not from the start.
    QTimer idle;
    idle.setSingleShot(true);
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        if (reply->isFinished())
            return; // it finished in the same pass of the loop
        timedOut = true;
        reply->abort(); // finishes the reply, which ends the loop
    });
    const auto received = [&] {
        anyByte = true;
        idle.start(idleTimeoutMs);
    };
    QObject::connect(reply, &QNetworkReply::downloadProgress, &idle, [&](qint64 bytesReceived, qint64) {
        if (bytesReceived > 0)
            received();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &idle, [&] {
        if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
            received(); // a head arrived
    });
    QObject::connect(reply, &QNetworkReply::redirected, &idle, received);
    const FetchStopHook hook(stop, [&] {
        if (reply->isFinished() || stopped)
            return;
        stopped = true;
        reply->abort();
    });
    idle.start(idleTimeoutMs);
    if (!reply->isFinished())
        loop.exec(stop ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    idle.stop();

    const QString host = reply->url().host().isEmpty() ? url.host() : reply->url().host();
    if (stopped) {
        result.error = QStringLiteral("The download from %1 was stopped.").arg(host);
        return result;
    }
    if (timedOut) {
        result.error = anyByte
            ? QStringLiteral("The download from %1 stalled: nothing came for %2.").arg(host, duration(idleTimeoutMs))
            : QStringLiteral("No answer from %1 within %2.").arg(host, duration(idleTimeoutMs));
        return result;
    }
    if (!reply->isFinished()) {
        // The loop was ended from outside: the program is closing.
        QObject::disconnect(reply, nullptr, &loop, nullptr);
        reply->abort();
        result.error = QStringLiteral("The download from %1 was stopped.").arg(host);
        return result;
    }

    const QByteArray bytes = reply->readAll();
    result.received = decodeBody(bytes);
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const auto error = reply->error();
    if (error == QNetworkReply::TooManyRedirectsError || error == QNetworkReply::InsecureRedirectError) {
        result.error = networkFailure(*reply, host);
        return result;
    }
    if (result.status != 0 && (result.status < 200 || result.status > 299)) {
        result.error = statusFailure(result.status, *reply);
        return result;
    }
    const qint64 announced = announcedLength(*reply);
    if (result.status != 0 && announced >= 0 && bytes.size() < announced) {
        result.error =
            QStringLiteral("The download was cut short: %1 of %2 bytes arrived.").arg(bytes.size()).arg(announced);
        return result;
    }
    if (error != QNetworkReply::NoError) {
        result.error = networkFailure(*reply, host);
        return result;
    }
    result.ok = true;
    result.body = result.received;
    return result;
}
