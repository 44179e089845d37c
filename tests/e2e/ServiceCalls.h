#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSet>
#include <QString>

// Asks the reference service directly, beside the console, to read back what the console
// stored. Blocks in a local event loop until the answer (or a time-out) arrives.
class ServiceCalls
{
public:
    explicit ServiceCalls(const QString &serviceUri);

    // The answer object, or an empty one on a transport failure or time-out.
    QJsonObject call(const QString &method, QJsonObject body = {});
    bool login(const QString &login, const QString &password);

    // "result.items" of a list method called with that filter and every field.
    QJsonArray items(const QString &method, const QJsonObject &filter);
    // The one item whose "n" is that name, or an empty object.
    QJsonObject itemNamed(const QString &method, const QJsonObject &filter, const QString &name);
    QJsonArray tags();
    // Every device the filter finds, read page by page.
    QJsonArray allDevices(const QJsonValue &filter);
    QJsonObject firstPage(const QJsonValue &filter);
    static QSet<qint64> ids(const QJsonArray &items);

private:
    QNetworkAccessManager m_network;
    QString m_serviceUri;
    QString m_token;
};
