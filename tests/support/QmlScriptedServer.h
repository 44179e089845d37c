#pragma once

#include "ScriptedHttpServer.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// ScriptedHttpServer for Qt Quick Tests: answers are scripted per test, requests are recorded.
class QmlScriptedServer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString url READ url NOTIFY started)
    Q_PROPERTY(QVariantList requests READ requests NOTIFY requestReceived)
    Q_PROPERTY(int requestCount READ requestCount NOTIFY requestReceived)
public:
    explicit QmlScriptedServer(QObject *parent = nullptr);

    QString url() const;
    QVariantList requests() const;
    int requestCount() const { return m_server.requests().size(); }

    Q_INVOKABLE bool start();
    // The recorded requests whose path is none of these.
    Q_INVOKABLE QVariantList requestsExcept(const QStringList &paths) const;
    // Queues the answer to the next request: status, body, delay before answering, or a drop.
    Q_INVOKABLE void enqueue(
        int status, const QString &body, int delayMs = 0, bool dropConnection = false);
    // The answer used when nothing is queued.
    Q_INVOKABLE void setDefaultResponse(
        int status, const QString &body, int delayMs = 0, bool dropConnection = false);

    // The answer to every request for this path, ahead of the queue.
    Q_INVOKABLE void setPathResponse(
        const QString &path, int status, const QString &body, int delayMs = 0);
    Q_INVOKABLE void clearPathResponses();

    // The answer to every request for this path, described by a map: "status", "body" (or a
    // body of "prefix", "unit" repeated "count" times and "suffix"), "delayMs", "headers"
    // (name to value), "stallAfterBytes" (the rest of the body never comes),
    // "omitContentLength" (the body ends with the connection) and "closeAfterBytes" (the
    // connection closes after that much of a body whose whole length was declared).
    Q_INVOKABLE void setPathAnswer(const QString &path, const QVariantMap &answer);
    // The same, queued for the next request.
    Q_INVOKABLE void enqueueAnswer(const QVariantMap &answer);

signals:
    void started();
    void requestReceived();

private:
    ScriptedHttpServer m_server;
};
