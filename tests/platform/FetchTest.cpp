#include "platform/Fetch.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// A web server on 127.0.0.1 that answers each path with canned bytes and then
// closes the connection. A path with no answer set is never answered.
class CannedServer {
public:
    CannedServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    void answer(const QByteArray& path, const QByteArray& bytes) { answers_[path] = bytes; }

    QList<QByteArray> paths; // the paths asked for, in order
    int connections = 0;

private:
    void accept()
    {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections;
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        }
    }
    void read(QTcpSocket* socket)
    {
        QByteArray& head = heads_[socket];
        head += socket->readAll();
        if (!head.contains("\r\n\r\n"))
            return;
        const QByteArray path = head.split(' ').value(1);
        heads_.remove(socket);
        paths << path;
        if (!answers_.contains(path))
            return;
        socket->write(answers_[path]);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QByteArray, QByteArray> answers_;
    QHash<QTcpSocket*, QByteArray> heads_;
};

QByteArray response(const QByteArray& statusLine, const QByteArray& body, const QByteArray& headers = {})
{
    return "HTTP/1.1 " + statusLine + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}
} // namespace

TEST(Fetch, ReturnsTheBodyAsUtf8OrWindows1252Text)
{
    CannedServer server;
    server.answer("/utf8",
                  response("200 OK",
                           "Z\xC3\xBCrich \xE2\x82\xAC"
                           "5\r\nline 2"));
    server.answer("/latin1",
                  response("200 OK",
                           "M\xFCnchen \x80"
                           "5 \x93quoted\x94"));
    server.answer("/empty", response("204 No Content", ""));

    const FetchResult utf8 = Fetch(server.url("/utf8"));
    EXPECT_TRUE(utf8.ok) << utf8.error.toStdString();
    EXPECT_EQ(utf8.body.toStdString(), "Zürich €5\r\nline 2");
    EXPECT_EQ(utf8.status, 200);
    EXPECT_TRUE(utf8.error.isEmpty());
    EXPECT_EQ(Fetch(server.url("/latin1")).body.toStdString(), "München €5 “quoted”");
    const FetchResult empty = Fetch(server.url("/empty"));
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.body.isEmpty());
}

TEST(Fetch, FollowsRedirectsUpToTen)
{
    CannedServer server;
    const QByteArray absolute = "Location: " + server.url("/final").toUtf8() + "\r\n";
    server.answer("/moved", response("301 Moved Permanently", "", absolute));
    server.answer("/found", response("302 Found", "", "Location: /final\r\n"));
    server.answer("/loop", response("302 Found", "", "Location: /loop\r\n"));
    server.answer("/final", response("200 OK", "arrived"));

    EXPECT_EQ(Fetch(server.url("/moved")).body.toStdString(), "arrived");
    EXPECT_EQ(Fetch(server.url("/found")).body.toStdString(), "arrived");
    EXPECT_EQ(server.paths, QList<QByteArray>({"/moved", "/final", "/found", "/final"}));

    const FetchResult loop = Fetch(server.url("/loop"));
    EXPECT_FALSE(loop.ok);
    EXPECT_TRUE(loop.error.contains("redirected more than 10 times")) << loop.error.toStdString();
    // The first ask and ten redirects (a request the network layer sends again
    // on a closed connection counts twice).
    EXPECT_GE(server.paths.count("/loop"), 11);
}

TEST(Fetch, FailsOnAnErrorStatusOrAShortBody)
{
    CannedServer server;
    server.answer("/missing", response("404 Not Found", "no such page"));
    server.answer("/broken", response("500 Internal Server Error", ""));
    // Announces 500 bytes, sends 120 and hangs up.
    server.answer("/short", "HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n" + QByteArray(120, 'x'));

    const FetchResult missing = Fetch(server.url("/missing"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.status, 404);
    EXPECT_EQ(missing.error.toStdString(), "The server answered 404 (Not Found).");
    EXPECT_TRUE(missing.body.isEmpty());
    EXPECT_EQ(Fetch(server.url("/broken")).error.toStdString(), "The server answered 500 (Internal Server Error).");

    const FetchResult cut = Fetch(server.url("/short"));
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.error.toStdString(), "The download was cut short: 120 of 500 bytes arrived.");
    EXPECT_TRUE(cut.body.isEmpty());
}

TEST(Fetch, FailsWhenTheConnectionIsRefusedOrDropped)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    const FetchResult refused = Fetch(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error.toStdString(), "The connection to 127.0.0.1 was refused.");

    CannedServer server;
    server.answer("/hangup", ""); // closes without a word
    const FetchResult dropped = Fetch(server.url("/hangup"));
    EXPECT_FALSE(dropped.ok);
    EXPECT_TRUE(dropped.error.contains("127.0.0.1 was dropped")) << dropped.error.toStdString();
}

TEST(Fetch, TimesOutWhileTheProgramsTimersGoOn)
{
    CannedServer server; // answers nothing
    QObject context;
    bool timerFired = false;
    QTimer::singleShot(50, &context, [&] { timerFired = true; });
    QElapsedTimer clock;
    clock.start();
    const FetchResult silent = Fetch(server.url("/silent"), 300);
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_FALSE(silent.ok);
    EXPECT_EQ(silent.error.toStdString(), "No answer from 127.0.0.1 within 0.3 seconds.");
    EXPECT_TRUE(timerFired);
    EXPECT_EQ(server.paths, QList<QByteArray>({"/silent"}));
}

TEST(Fetch, RefusesAnythingButWebAddressesWithoutConnecting)
{
    CannedServer server;
    server.answer("/x", response("200 OK", "reached"));
    const QString ftp = server.url("/x").replace("http:", "ftp:");
    for (const QString& address : {ftp, QStringLiteral("file:///etc/passwd"), QString(),
                                   QStringLiteral("www.example.org"), QStringLiteral("http://")}) {
        const FetchResult result = Fetch(address);
        EXPECT_FALSE(result.ok) << address.toStdString();
        EXPECT_TRUE(result.body.isEmpty()) << address.toStdString();
        EXPECT_FALSE(result.error.isEmpty()) << address.toStdString();
    }
    EXPECT_EQ(Fetch("").error.toStdString(), "No web address was given.");
    EXPECT_TRUE(Fetch("file:///etc/passwd").error.contains("http:// or https://"));
    EXPECT_EQ(server.connections, 0);
}
