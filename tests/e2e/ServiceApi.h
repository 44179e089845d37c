#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The management service as a test reads it back: its own session, plain HTTP calls, and the
// answers as JSON.
class ServiceApi
{
public:
    explicit ServiceApi(QString serviceUri);

    // A password login of the test's own; false when the service refuses it.
    bool signIn(const QString &login, const QString &password);
    // The whole answer of a method called with the test's session; empty when none came.
    QJsonObject call(const QString &method, QJsonObject body = {});
    // "result.items" of a list method called with that filter and every field.
    QJsonArray items(const QString &method, const QJsonObject &filter);
    // The one item whose "n" is that name, or an empty object.
    QJsonObject itemNamed(const QString &method, const QJsonObject &filter, const QString &name);

private:
    QJsonObject post(const QString &method, const QJsonObject &body);

    QString m_serviceUri;
    QString m_sessionToken;
};
