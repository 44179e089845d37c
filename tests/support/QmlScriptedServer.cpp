#include "QmlScriptedServer.h"

#include <QVariantMap>

namespace {

ScriptedHttpServer::Response makeResponse(
    int status, const QString &body, int delayMs, bool dropConnection)
{
    ScriptedHttpServer::Response response;
    response.status = status;
    response.body = body.toUtf8();
    response.delayMs = delayMs;
    response.dropConnection = dropConnection;
    return response;
}

} // namespace

QmlScriptedServer::QmlScriptedServer(QObject *parent)
    : QObject(parent)
{
    connect(
        &m_server, &ScriptedHttpServer::requestReceived, this, &QmlScriptedServer::requestReceived);
}

QString QmlScriptedServer::url() const
{
    return m_server.port() ? m_server.url().toString() : QString();
}

QVariantList QmlScriptedServer::requests() const
{
    QVariantList list;
    for (const ScriptedHttpServer::Request &request : m_server.requests()) {
        QVariantMap headers;
        for (auto it = request.headers.cbegin(); it != request.headers.cend(); ++it)
            headers.insert(QString::fromLatin1(it.key()), QString::fromUtf8(it.value()));
        list.append(QVariantMap { { QStringLiteral("method"), QString::fromLatin1(request.method) },
            { QStringLiteral("path"), QString::fromUtf8(request.path) },
            { QStringLiteral("headers"), headers },
            { QStringLiteral("body"), QString::fromUtf8(request.body) } });
    }
    return list;
}

QVariantList QmlScriptedServer::requestsExcept(const QStringList &paths) const
{
    QVariantList kept;
    const QVariantList all = requests();
    for (const QVariant &request : all) {
        if (!paths.contains(request.toMap().value(QStringLiteral("path")).toString()))
            kept.append(request);
    }
    return kept;
}

bool QmlScriptedServer::start()
{
    const bool listening = m_server.start();
    if (listening)
        emit started();
    return listening;
}

void QmlScriptedServer::enqueue(int status, const QString &body, int delayMs, bool dropConnection)
{
    m_server.enqueue(makeResponse(status, body, delayMs, dropConnection));
}

void QmlScriptedServer::setDefaultResponse(
    int status, const QString &body, int delayMs, bool dropConnection)
{
    m_server.setDefaultResponse(makeResponse(status, body, delayMs, dropConnection));
}

void QmlScriptedServer::setPathResponse(
    const QString &path, int status, const QString &body, int delayMs)
{
    m_server.setPathResponse(path.toUtf8(), makeResponse(status, body, delayMs, false));
}

void QmlScriptedServer::clearPathResponses()
{
    m_server.clearPathResponses();
}
