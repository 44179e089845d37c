#include "ScriptedHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

ScriptedHttpServer::ScriptedHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedHttpServer::onNewConnection);
}

ScriptedHttpServer::~ScriptedHttpServer()
{
    // Sockets die with the server; their disconnect handlers must not see a half-destroyed map.
    const auto sockets = m_server.findChildren<QTcpSocket *>();
    for (QTcpSocket *socket : sockets)
        socket->disconnect(this);
}

bool ScriptedHttpServer::start()
{
    return start(0);
}

bool ScriptedHttpServer::start(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

QUrl ScriptedHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void ScriptedHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void ScriptedHttpServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &data = m_pending[socket];
    data += socket->readAll();
    const int headerEnd = data.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    Request request;
    const QList<QByteArray> lines = data.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(
                lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length", "0").toInt();
    if (data.size() < headerEnd + 4 + length)
        return;
    request.body = data.mid(headerEnd + 4, length);
    data.remove(0, headerEnd + 4 + length);

    m_requests.append(request);
    const Response response = m_pathResponses.contains(request.path)
        ? m_pathResponses.value(request.path)
        : m_responses.isEmpty() ? m_default
                                : m_responses.dequeue();
    emit requestReceived();

    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(response.delayMs, this, [this, guarded, response] {
        if (guarded)
            respond(guarded, response);
    });
}

void ScriptedHttpServer::respond(QTcpSocket *socket, const Response &response)
{
    if (response.dropConnection) {
        socket->abort();
        return;
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + " Scripted\r\n";
    reply += "Content-Type: " + response.contentType + "\r\n";
    for (const auto &header : response.headers)
        reply += header.first + ": " + header.second + "\r\n";
    if (response.omitContentLength) {
        reply += "Connection: close\r\n\r\n";
    } else {
        reply += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        reply += "Connection: keep-alive\r\n\r\n";
    }
    if (response.stallAfterBytes >= 0) {
        // The rest of the body never comes; the connection stays open.
        socket->write(reply + response.body.left(response.stallAfterBytes));
        return;
    }
    if (response.closeAfterBytes >= 0) {
        socket->write(reply + response.body.left(response.closeAfterBytes));
        socket->disconnectFromHost();
        return;
    }
    socket->write(reply + response.body);
    if (response.omitContentLength)
        socket->disconnectFromHost();
}
