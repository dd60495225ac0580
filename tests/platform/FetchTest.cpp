#include "platform/Fetch.h"
#include "support/LoopbackServer.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Fetch, ReturnsTheBodyAsUtf8OrWindows1252Text)
{
    LoopbackServer server;
    server.answer("/utf8",
                  HttpResponse("200 OK",
                               "Z\xC3\xBCrich \xE2\x82\xAC"
                               "5\r\nline 2"));
    server.answer("/latin1",
                  HttpResponse("200 OK",
                               "M\xFCnchen \x80"
                               "5 \x93quoted\x94"));
    server.answer("/empty", HttpResponse("204 No Content", ""));

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
    LoopbackServer server;
    const QByteArray absolute = "Location: " + server.url("/final").toUtf8() + "\r\n";
    server.answer("/moved", HttpResponse("301 Moved Permanently", "", absolute));
    server.answer("/found", HttpResponse("302 Found", "", "Location: /final\r\n"));
    server.answer("/loop", HttpResponse("302 Found", "", "Location: /loop\r\n"));
    server.answer("/final", HttpResponse("200 OK", "arrived"));

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
    LoopbackServer server;
    server.answer("/missing", HttpResponse("404 Not Found", "no such page"));
    server.answer("/broken", HttpResponse("500 Internal Server Error", ""));
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

    LoopbackServer server;
    server.answer("/hangup", ""); // closes without a word
    const FetchResult dropped = Fetch(server.url("/hangup"));
    EXPECT_FALSE(dropped.ok);
    EXPECT_TRUE(dropped.error.contains("127.0.0.1 was dropped")) << dropped.error.toStdString();
}

TEST(Fetch, TimesOutWhileTheProgramsTimersGoOn)
{
    LoopbackServer server; // answers nothing
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

TEST(Fetch, TimesOutOnlyWhenNothingComesForTheWholeTimeOut)
{
    LoopbackServer server;
    const QByteArray body(4000, 'x');
    server.answer("/slow", HttpResponse("200 OK", body));
    server.trickle("/slow", 8, 100); // 0.7 seconds in all, never 0.3 without a byte
    const FetchResult slow = Fetch(server.url("/slow"), 300);
    EXPECT_TRUE(slow.ok) << slow.error.toStdString();
    EXPECT_EQ(slow.body.size(), body.size());

    // The head and part of the body, then nothing.
    server.answer("/stalls", "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + QByteArray(100, 'x'));
    server.trickle("/stalls", 2, 2000);
    QElapsedTimer clock;
    clock.start();
    const FetchResult stalled = Fetch(server.url("/stalls"), 300);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(stalled.error.toStdString(), "The download from 127.0.0.1 stalled: nothing came for 0.3 seconds.");
}

TEST(Fetch, AStopEndsTheWaitAtOnce)
{
    LoopbackServer server; // answers nothing
    FetchStop stop;
    QObject context;
    QTimer::singleShot(100, &context, [&] { stop.stop(); });
    QElapsedTimer clock;
    clock.start();
    const FetchResult stopped = Fetch(server.url("/silent"), 5000, &stop);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(stopped.ok);
    EXPECT_EQ(stopped.error.toStdString(), "The download from 127.0.0.1 was stopped.");
    // A stop already requested fetches nothing.
    EXPECT_EQ(Fetch(server.url("/silent"), 5000, &stop).error.toStdString(), "The download was stopped.");
    EXPECT_EQ(server.paths, QList<QByteArray>({"/silent"}));
}

TEST(Fetch, RefusesAnythingButWebAddressesWithoutConnecting)
{
    LoopbackServer server;
    server.answer("/x", HttpResponse("200 OK", "reached"));
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
