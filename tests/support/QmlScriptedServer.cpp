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

ScriptedHttpServer::Response responseFromMap(const QVariantMap &answer)
{
    ScriptedHttpServer::Response response;
    response.status = answer.value(QStringLiteral("status"), 200).toInt();
    if (answer.contains(QStringLiteral("unit"))) {
        const QByteArray unit = answer.value(QStringLiteral("unit")).toString().toUtf8();
        const int count = answer.value(QStringLiteral("count")).toInt();
        response.body = answer.value(QStringLiteral("prefix")).toString().toUtf8();
        response.body.reserve(response.body.size() + unit.size() * count + 64);
        for (int i = 0; i < count; ++i)
            response.body += unit;
        response.body += answer.value(QStringLiteral("suffix")).toString().toUtf8();
    } else {
        response.body = answer.value(QStringLiteral("body")).toString().toUtf8();
    }
    response.delayMs = answer.value(QStringLiteral("delayMs"), 0).toInt();
    response.dropConnection = answer.value(QStringLiteral("dropConnection"), false).toBool();
    const QVariantMap headers = answer.value(QStringLiteral("headers")).toMap();
    for (auto it = headers.cbegin(); it != headers.cend(); ++it)
        response.headers.append({ it.key().toLatin1(), it.value().toString().toUtf8() });
    response.stallAfterBytes = answer.value(QStringLiteral("stallAfterBytes"), -1).toInt();
    response.omitContentLength = answer.value(QStringLiteral("omitContentLength"), false).toBool();
    response.closeAfterBytes = answer.value(QStringLiteral("closeAfterBytes"), -1).toInt();
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

void QmlScriptedServer::setPathAnswer(const QString &path, const QVariantMap &answer)
{
    m_server.setPathResponse(path.toUtf8(), responseFromMap(answer));
}

void QmlScriptedServer::enqueueAnswer(const QVariantMap &answer)
{
    m_server.enqueue(responseFromMap(answer));
}
