#include "ServiceApi.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int answerTimeout = 30000;
} // namespace

ServiceApi::ServiceApi(QString serviceUri)
    : m_serviceUri(std::move(serviceUri))
{ }

bool ServiceApi::signIn(const QString &login, const QString &password)
{
    const QJsonObject data { { QStringLiteral("sessionToken"), QString() },
        { QStringLiteral("userId"), QString() }, { QStringLiteral("login"), login },
        { QStringLiteral("password"), password } };
    const QJsonObject answer = post(QStringLiteral("login"),
        { { QStringLiteral("method"), QStringLiteral("login-password") },
            { QStringLiteral("data"), data } });
    m_sessionToken
        = answer.value(QStringLiteral("result")).toObject().value(QStringLiteral("t")).toString();
    return !m_sessionToken.isEmpty();
}

QJsonObject ServiceApi::call(const QString &method, QJsonObject body)
{
    body.insert(QStringLiteral("sessionToken"), m_sessionToken);
    return post(method, body);
}

QJsonArray ServiceApi::items(const QString &method, const QJsonObject &filter)
{
    const QJsonObject answer = call(method,
        { { QStringLiteral("filter"), filter }, { QStringLiteral("what"), QStringLiteral("*") } });
    return answer.value(QStringLiteral("result"))
        .toObject()
        .value(QStringLiteral("items"))
        .toArray();
}

QJsonObject ServiceApi::itemNamed(
    const QString &method, const QJsonObject &filter, const QString &name)
{
    QJsonObject found;
    int matches = 0;
    const QJsonArray listed = items(method, filter);
    for (const QJsonValue &item : listed) {
        if (item.toObject().value(QStringLiteral("n")).toString() == name) {
            found = item.toObject();
            ++matches;
        }
    }
    return matches == 1 ? found : QJsonObject();
}

QJsonObject ServiceApi::post(const QString &method, const QJsonObject &body)
{
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(m_serviceUri + QLatin1Char('/') + method));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply *reply
        = network.post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(answerTimeout, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray text = reply->isFinished() ? reply->readAll() : QByteArray();
    reply->abort();
    reply->deleteLater();
    return QJsonDocument::fromJson(text).object();
}
