#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace httplib {
class Client;
}

// The real kestrum-service binary, started on a free loopback port with a database of its own.
class ServiceProcess
{
public:
    ServiceProcess();
    ~ServiceProcess();

    // Starts the service with --demo and the given extra arguments; false when it did not come up.
    bool start(const QStringList &extraArguments = {});
    void stop();
    // Ends the service at once, as a power cut would: no shutdown code runs.
    void kill();

    int port() const { return m_port; }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("service.sqlite")); }
    QString errorOutput() const { return m_errors; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    QString m_errors;
};

// A small blocking client for one connection to the service.
class ServiceClient
{
public:
    explicit ServiceClient(int port);
    ~ServiceClient();

    // Posts a raw body to the method; returns the answer text and sets the HTTP status (0 on
    // a transport failure).
    QByteArray post(const QString &method, const QByteArray &body, int *httpStatus = nullptr);
    // Posts the body (with "sessionToken" added when a token is given) and parses the answer.
    QJsonObject call(const QString &method, QJsonObject body = {}, const QString &token = {});
    QByteArray get(const QString &path, int *httpStatus = nullptr);
    // The session token of a password login, or an empty text.
    QString login(const QString &login, const QString &password);

private:
    std::unique_ptr<httplib::Client> m_client;
};
