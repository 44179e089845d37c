#include "ServiceCalls.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QTimer>

namespace {
constexpr int callTimeout = 30000;
constexpr int exportPage = 1000;
} // namespace

ServiceCalls::ServiceCalls(const QString &serviceUri)
    : m_serviceUri(serviceUri)
{ }

QJsonObject ServiceCalls::call(const QString &method, QJsonObject body)
{
    if (!m_token.isEmpty())
        body.insert(QStringLiteral("sessionToken"), m_token);
    QNetworkRequest request(QUrl(m_serviceUri + QLatin1Char('/') + method));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply *reply
        = m_network.post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
    QEventLoop loop;
    QTimer::singleShot(callTimeout, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QJsonObject answer
        = reply->isFinished() ? QJsonDocument::fromJson(reply->readAll()).object() : QJsonObject();
    reply->abort();
    reply->deleteLater();
    return answer;
}

bool ServiceCalls::login(const QString &login, const QString &password)
{
    const QJsonObject answer = call(QStringLiteral("login"),
        { { QStringLiteral("method"), QStringLiteral("login-password") },
            { QStringLiteral("data"),
                QJsonObject { { QStringLiteral("login"), login },
                    { QStringLiteral("password"), password } } } });
    m_token = answer.value(QLatin1String("result")).toObject().value(QLatin1String("t")).toString();
    return !m_token.isEmpty();
}

QJsonArray ServiceCalls::items(const QString &method, const QJsonObject &filter)
{
    return call(method,
        { { QStringLiteral("filter"), filter }, { QStringLiteral("what"), QStringLiteral("*") } })
        .value(QLatin1String("result"))
        .toObject()
        .value(QLatin1String("items"))
        .toArray();
}

QJsonObject ServiceCalls::itemNamed(
    const QString &method, const QJsonObject &filter, const QString &name)
{
    QJsonObject found;
    int matches = 0;
    const QJsonArray listed = items(method, filter);
    for (const QJsonValue &item : listed) {
        if (item.toObject().value(QLatin1String("n")).toString() == name) {
            found = item.toObject();
            ++matches;
        }
    }
    return matches == 1 ? found : QJsonObject();
}

QJsonArray ServiceCalls::tags()
{
    return call(QStringLiteral("listTags"))
        .value(QLatin1String("result"))
        .toObject()
        .value(QLatin1String("items"))
        .toArray();
}

QJsonObject ServiceCalls::firstPage(const QJsonValue &filter)
{
    return call(QStringLiteral("listDevices"),
        { { QStringLiteral("filter"), filter },
            { QStringLiteral("paging"),
                QJsonObject { { QStringLiteral("skip"), 0 }, { QStringLiteral("take"), 100 },
                    { QStringLiteral("calcTotal"), true } } },
            { QStringLiteral("what"), QStringLiteral("*") } })
        .value(QLatin1String("result"))
        .toObject();
}

QJsonArray ServiceCalls::allDevices(const QJsonValue &filter)
{
    QJsonArray devices;
    for (int skip = 0;; skip += exportPage) {
        const QJsonArray items = call(QStringLiteral("listDevices"),
            { { QStringLiteral("filter"), filter },
                { QStringLiteral("paging"),
                    QJsonObject { { QStringLiteral("skip"), skip },
                        { QStringLiteral("take"), exportPage } } },
                { QStringLiteral("what"), QStringLiteral("*") } })
                                     .value(QLatin1String("result"))
                                     .toObject()
                                     .value(QLatin1String("items"))
                                     .toArray();
        for (const QJsonValue &item : items)
            devices.append(item);
        if (items.size() < exportPage)
            return devices;
    }
}

QSet<qint64> ServiceCalls::ids(const QJsonArray &items)
{
    QSet<qint64> set;
    for (const QJsonValue &item : items)
        set.insert(qint64(item.toObject().value(QLatin1String("id")).toDouble()));
    return set;
}
