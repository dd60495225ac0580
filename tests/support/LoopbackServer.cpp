#include "support/LoopbackServer.h"

#include <QFile>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

LoopbackServer::LoopbackServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
}

LoopbackServer::~LoopbackServer()
{
    server_.close();
    // The sockets go first, saying nothing to this half-destroyed server.
    for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>()) {
        QObject::disconnect(socket, nullptr, nullptr, nullptr);
        delete socket;
    }
}

QString LoopbackServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
}

void LoopbackServer::answer(const QByteArray& path, const QByteArray& bytes) { answers_[path] = bytes; }

void LoopbackServer::serve(const QByteArray& path, const QByteArray& body, const QByteArray& status)
{
    answer(path, HttpResponse(status, body));
}

void LoopbackServer::serveFile(const QByteArray& path, const QString& file)
{
    QFile f(file);
    serve(path, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing fixture " + file.toUtf8()));
}

void LoopbackServer::delay(const QByteArray& path, int ms) { delays_[path] = ms; }

void LoopbackServer::trickle(const QByteArray& path, int pieces, int intervalMs)
{
    trickles_[path] = {std::max(pieces, 1), intervalMs};
}

QString LoopbackServer::RefusedUrl(const QString& path)
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
}

void LoopbackServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections;
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            heads_.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackServer::read(QTcpSocket* socket)
{
    QByteArray& head = heads_[socket];
    head += socket->readAll();
    if (!head.contains("\r\n\r\n"))
        return;
    const QByteArray path = head.split(' ').value(1);
    head.clear();
    paths << path;
    if (onRequest)
        onRequest(path);
    if (!answers_.contains(path))
        return;
    const QByteArray bytes = answers_[path];
    QPointer<QTcpSocket> alive(socket);
    const auto [pieces, interval] = trickles_.value(path, {1, 0});
    const qsizetype size = (bytes.size() + pieces - 1) / pieces;
    // Piece k of the answer; the last one closes the connection.
    auto send = [alive, bytes, size, pieces](int k) {
        if (!alive)
            return;
        alive->write(bytes.mid(k * size, size));
        if (k == pieces - 1)
            alive->disconnectFromHost();
    };
    const int ms = delays_.value(path);
    for (int k = 0; k < pieces; ++k) {
        if (ms + k * interval > 0)
            QTimer::singleShot(ms + k * interval, socket, [send, k] { send(k); });
        else
            send(k);
    }
}

QByteArray HttpResponse(const QByteArray& statusLine, const QByteArray& body, const QByteArray& headers)
{
    return "HTTP/1.1 " + statusLine + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}
