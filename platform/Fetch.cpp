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
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https") || url.host().isEmpty()) {
        result.error =
            QStringLiteral("\"%1\" is not a web address: it must start with http:// or https://.").arg(trimmed);
        return result;
    }
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
    result.body = decodeBody(bytes);
    return result;
}
