#include "DemoSeeder.h"
#include "FleetSimulator.h"
#include "HttpFrontend.h"
#include "HttpRequestRules.h"
#include "ManagementService.h"
#include "ServiceError.h"
#include "ServiceOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace {
std::atomic<bool> stopRequested { false };

void requestStop(int)
{
    stopRequested = true;
}
} // namespace

int main(int argc, char *argv[])
{
    // Files this process creates (the database and its companions) are its owner's alone.
    ::umask(077);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrum-service"));

    service::ServiceOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return error.startsWith(QLatin1String("Usage")) ? 0 : 2;
    }
    QDir().mkpath(QFileInfo(options.databasePath).absolutePath());

    try {
        service::ManagementService::Settings settings;
        settings.databasePath = options.databasePath;
        settings.sessionIdleMs = qint64(options.sessionIdleSeconds) * 1000;
        settings.sessionLifetimeMs = qint64(options.sessionLifetimeSeconds) * 1000;
        settings.auditRetentionMs = qint64(options.auditRetentionDays) * 24 * 3600 * 1000;
        service::ManagementService managementService(settings);

        service::HttpFrontend::Settings http;
        http.threads = options.threads;
        http.maxConnections = options.maxConnections;
        http.headerTimeoutSeconds = options.headerTimeoutSeconds;
        http.tlsCertificate = options.tlsCertificate;
        http.tlsKey = options.tlsKey;
        http.hostNames = options.hostNames;
        service::HttpFrontend frontend(managementService, http);
        const int port = frontend.bind(options.host, options.port);
        if (port <= 0) {
            std::fprintf(
                stderr, "cannot listen on %s:%d\n", qPrintable(options.host), options.port);
            return 1;
        }
        if (options.demo) {
            const QString ota = QStringLiteral("%1://%2:%3%4")
                                    .arg(QLatin1String(frontend.usesTls() ? "https" : "http"))
                                    .arg(options.host)
                                    .arg(port)
                                    .arg(QLatin1String(service::HttpFrontend::otaPath));
            service::DemoSeeder seeder(
                managementService.database(), managementService.catalogues(), ota);
            if (seeder.isEmpty())
                seeder.seed(options.demoDevices);
        }
        if (!frontend.usesTls() && !service::HttpRequestRules::isLoopback(options.host))
            std::fprintf(stderr,
                "warning: listening on %s without TLS: passwords and session tokens cross the "
                "network in clear (use --tls-cert and --tls-key)\n",
                qPrintable(options.host));
        frontend.start();
        std::printf("listening on %s:%d\n", qPrintable(options.host), port);
        std::fflush(stdout);

        service::FleetSimulator simulator(
            managementService.database(), managementService.progress(), options.simulateIntervalMs);
        if (options.simulate)
            simulator.start();

        std::signal(SIGINT, requestStop);
        std::signal(SIGTERM, requestStop);
        QTimer stopWatch;
        QObject::connect(&stopWatch, &QTimer::timeout, &app, [] {
            if (stopRequested)
                QCoreApplication::quit();
        });
        stopWatch.start(100);
        const int status = app.exec();
        // A call still running past the grace time ends with the process: its transaction was
        // never committed, so nothing is half-written.
        if (!frontend.stop())
            std::_Exit(status);
        return status;
    } catch (const service::ServiceError &failure) {
        std::fprintf(stderr, "kestrum-service: %s\n", failure.what());
        return 1;
    }
}
