#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QQueue>
#include <QTcpServer>
#include <QUrl>

// A local HTTP/1.1 server for tests: records each request and answers with the next
// scripted response (status, body, delay, or a dropped connection).
class ScriptedHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // lower-case names
        QByteArray body;
    };
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        int delayMs = 0;
        bool dropConnection = false;
        // Further header lines, e.g. a Location for redirects.
        QList<QPair<QByteArray, QByteArray>> headers = {};
        // >= 0: the headers and this many bytes of the body are sent, then nothing more.
        int stallAfterBytes = -1;
        // The body is sent without a Content-Length and ended by closing the connection.
        bool omitContentLength = false;
        // >= 0: the full Content-Length is declared, this many bytes of the body are sent,
        // then the connection is closed.
        int closeAfterBytes = -1;
    };

    explicit ScriptedHttpServer(QObject *parent = nullptr);
    ~ScriptedHttpServer() override;

    bool start();
    // Listens on this loopback port (one a test reserved before the server could exist).
    bool start(quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString &path = QString()) const;

    void enqueue(const Response &response) { m_responses.enqueue(response); }
    // Answer used when no scripted response is left.
    void setDefaultResponse(const Response &response) { m_default = response; }
    // Answers every request to this path, ahead of the queue, so calls made in the
    // background cannot take answers scripted for others.
    void setPathResponse(const QByteArray &path, const Response &response)
    {
        m_pathResponses.insert(path, response);
    }
    void clearPathResponses() { m_pathResponses.clear(); }
    const QList<Request> &requests() const { return m_requests; }

signals:
    void requestReceived();

private:
    void onNewConnection();
    void onReadyRead(class QTcpSocket *socket);
    void respond(class QTcpSocket *socket, const Response &response);

    QTcpServer m_server;
    QQueue<Response> m_responses;
    Response m_default;
    QMap<QByteArray, Response> m_pathResponses;
    QList<Request> m_requests;
    QMap<class QTcpSocket *, QByteArray> m_pending;
};
