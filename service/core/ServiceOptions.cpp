#include "ServiceOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QHostAddress>
#include <QStandardPaths>

namespace service {

QString ServiceOptions::defaultDatabasePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/kestrum-service/service.sqlite");
}

bool ServiceOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reference management service for the Kestrum console."));
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("SQLite database file."),
        QStringLiteral("path"), defaultDatabasePath());
    const QCommandLineOption listen(QStringLiteral("listen"),
        QStringLiteral("Address to listen on (port 0: any free port)."),
        QStringLiteral("host:port"), QStringLiteral("127.0.0.1:%1").arg(defaultPort));
    const QCommandLineOption demoOption(
        QStringLiteral("demo"), QStringLiteral("Seed demo data into an empty database."));
    const QCommandLineOption demoDevicesOption(QStringLiteral("demo-devices"),
        QStringLiteral("Number of demo devices (default 500)."), QStringLiteral("count"),
        QStringLiteral("500"));
    const QCommandLineOption simulateOption(
        QStringLiteral("simulate"), QStringLiteral("Simulate a living fleet."));
    const QCommandLineOption intervalOption(QStringLiteral("simulate-interval"),
        QStringLiteral("Milliseconds between simulation steps (default 2000)."),
        QStringLiteral("ms"), QStringLiteral("2000"));
    const QCommandLineOption idleOption(QStringLiteral("session-idle"),
        QStringLiteral("Seconds after which an unused session expires (default 3600)."),
        QStringLiteral("seconds"), QStringLiteral("3600"));
    const QCommandLineOption lifetimeOption(QStringLiteral("session-lifetime"),
        QStringLiteral("Longest life of a session in seconds (default 604800)."),
        QStringLiteral("seconds"), QStringLiteral("604800"));
    const QCommandLineOption threadsOption(QStringLiteral("threads"),
        QStringLiteral("Worker threads (default 8)."), QStringLiteral("count"),
        QStringLiteral("8"));
    const QCommandLineOption connectionsOption(QStringLiteral("max-connections"),
        QStringLiteral("Most client connections open at once (default 2000)."),
        QStringLiteral("count"), QStringLiteral("2000"));
    const QCommandLineOption headerTimeoutOption(QStringLiteral("header-timeout"),
        QStringLiteral("Seconds a client has to send a request's header, idle time included "
                       "(default 10)."),
        QStringLiteral("seconds"), QStringLiteral("10"));
    const QCommandLineOption auditRetentionOption(QStringLiteral("audit-retention-days"),
        QStringLiteral("Days an audit record is kept (default 365)."), QStringLiteral("days"),
        QStringLiteral("365"));
    const QCommandLineOption certificateOption(QStringLiteral("tls-cert"),
        QStringLiteral("PEM certificate (chain): serve HTTPS only."), QStringLiteral("path"));
    const QCommandLineOption keyOption(QStringLiteral("tls-key"),
        QStringLiteral("PEM private key of the certificate."), QStringLiteral("path"));
    const QCommandLineOption hostNameOption(QStringLiteral("host-name"),
        QStringLiteral("A name clients use for this server (repeatable); address literals and "
                       "localhost are always accepted."),
        QStringLiteral("name"));
    parser.addOptions({ db, listen, demoOption, demoDevicesOption, simulateOption, intervalOption,
        idleOption, lifetimeOption, threadsOption, connectionsOption, headerTimeoutOption,
        auditRetentionOption, certificateOption, keyOption, hostNameOption });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *error = parser.helpText();
        return false;
    }

    const auto positive = [&](const QCommandLineOption &option, int minimum, int *target) {
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        if (!ok || value < minimum) {
            *error = QStringLiteral("--%1 needs a number of at least %2")
                         .arg(option.names().first())
                         .arg(minimum);
            return false;
        }
        *target = value;
        return true;
    };
    databasePath = parser.value(db);
    demo = parser.isSet(demoOption);
    simulate = parser.isSet(simulateOption);
    if (!positive(demoDevicesOption, 0, &demoDevices)
        || !positive(intervalOption, 10, &simulateIntervalMs)
        || !positive(idleOption, 1, &sessionIdleSeconds)
        || !positive(lifetimeOption, 1, &sessionLifetimeSeconds)
        || !positive(threadsOption, 1, &threads) || !positive(connectionsOption, 1, &maxConnections)
        || !positive(headerTimeoutOption, 1, &headerTimeoutSeconds)
        || !positive(auditRetentionOption, 1, &auditRetentionDays))
        return false;
    tlsCertificate = parser.value(certificateOption);
    tlsKey = parser.value(keyOption);
    if (tlsCertificate.isEmpty() != tlsKey.isEmpty()) {
        *error = QStringLiteral("--tls-cert and --tls-key go together");
        return false;
    }
    hostNames = parser.values(hostNameOption);

    const QString address = parser.value(listen);
    const int colon = address.lastIndexOf(QLatin1Char(':'));
    bool portOk = false;
    port = colon > 0 ? address.mid(colon + 1).toInt(&portOk) : -1;
    if (!portOk || port < 0 || port > 65535) {
        *error = QStringLiteral("--listen needs host:port");
        return false;
    }
    host = address.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (!host.isEmpty() && QHostAddress(host).isNull()
        && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        hostNames.append(host);
    return true;
}

} // namespace service
