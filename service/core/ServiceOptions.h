#pragma once

#include <QString>
#include <QStringList>

namespace service {

// The command line of kestrum-service.
struct ServiceOptions
{
    static constexpr int defaultPort = 8765;

    QString databasePath;
    QString host = QStringLiteral("127.0.0.1");
    int port = defaultPort;
    bool demo = false;
    int demoDevices = 500;
    bool simulate = false;
    int simulateIntervalMs = 2000;
    int sessionIdleSeconds = 3600;
    int sessionLifetimeSeconds = 7 * 24 * 3600;
    int threads = 8;
    int maxConnections = 2000;
    int headerTimeoutSeconds = 10;
    int auditRetentionDays = 365;
    QString tlsCertificate;
    QString tlsKey;
    QStringList hostNames;

    // Parses the arguments; on failure returns false with a message in error.
    bool parse(const QStringList &arguments, QString *error);
    static QString defaultDatabasePath();
};

} // namespace service
