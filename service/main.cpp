#include "DemoSeeder.h"
#include "FleetSimulator.h"
#include "HttpFrontend.h"
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

namespace {
std::atomic<bool> stopRequested { false };

void requestStop(int)
{
    stopRequested = true;
}
} // namespace

int main(int argc, char *argv[])
{
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
        service::ManagementService managementService(settings);

        service::HttpFrontend frontend(managementService, options.threads);
        const int port = frontend.bind(options.host, options.port);
        if (port <= 0) {
            std::fprintf(
                stderr, "cannot listen on %s:%d\n", qPrintable(options.host), options.port);
            return 1;
        }
        if (options.demo) {
            const QString ota = QStringLiteral("http://%1:%2%3")
                                    .arg(options.host)
                                    .arg(port)
                                    .arg(QLatin1String(service::HttpFrontend::otaPath));
            service::DemoSeeder seeder(
                managementService.database(), managementService.catalogues(), ota);
            if (seeder.isEmpty())
                seeder.seed(options.demoDevices);
        }
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
        frontend.stop();
        return status;
    } catch (const service::ServiceError &failure) {
        std::fprintf(stderr, "kestrum-service: %s\n", failure.what());
        return 1;
    }
}
