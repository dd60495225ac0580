#pragma once
// A web server on 127.0.0.1, on a free port, for the tests of the fetch and
// the downloads. Each path is answered with canned bytes (a whole HTTP
// answer) and the connection is then closed; a path with no answer set is
// never answered, which makes a fetch time out.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <functional>
#include <utility>

class QTcpSocket;

class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();

    // "http://127.0.0.1:<port><path>".
    QString url(const QString& path) const;
    // Answers the path with these bytes as they stand.
    void answer(const QByteArray& path, const QByteArray& bytes);
    // Answers the path with a body under a status line ("200 OK").
    void serve(const QByteArray& path, const QByteArray& body, const QByteArray& status = "200 OK");
    // Answers the path with the bytes of a file.
    void serveFile(const QByteArray& path, const QString& file);
    // Holds the path's answer back for this long.
    void delay(const QByteArray& path, int ms);
    // Sends the path's answer in this many pieces, one every intervalMs.
    void trickle(const QByteArray& path, int pieces, int intervalMs);
    // Runs when a request has arrived, before it is answered.
    std::function<void(const QByteArray& path)> onRequest;

    QList<QByteArray> paths; // the paths asked for, in order
    int connections = 0;

    // An address on a port where nothing listens.
    static QString RefusedUrl(const QString& path);

private:
    void accept();
    void read(QTcpSocket* socket);

    QTcpServer server_;
    QHash<QByteArray, QByteArray> answers_;
    QHash<QByteArray, int> delays_;
    QHash<QByteArray, std::pair<int, int>> trickles_; // pieces, interval
    QHash<QTcpSocket*, QByteArray> heads_;
};

// A whole HTTP answer: the status line, Content-Length, Connection: close,
// any further header lines (each ending in CR LF), and the body.
QByteArray HttpResponse(const QByteArray& statusLine, const QByteArray& body, const QByteArray& headers = {});
