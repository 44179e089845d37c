#include "DemoServiceRun.h"

#include "ForkedService.h"

#include <QByteArray>
#include <QSettings>

#include <cstdio>
#include <cstdlib>

int DemoServiceRun::run(const char *prefix,
    const std::function<int(const QString &serviceUri, const QStringList &consoleArguments)>
        &session)
{
    return runWith(
        prefix, {}, [&](ForkedService &, const QString &uri, const QStringList &arguments) {
            return session(uri, arguments);
        });
}

int DemoServiceRun::runWith(const char *prefix, const std::vector<std::string> &serviceArguments,
    const std::function<int(ForkedService &service, const QString &serviceUri,
        const QStringList &consoleArguments)> &session)
{
    QByteArray folder = qgetenv("TMPDIR");
    if (folder.isEmpty())
        folder = "/tmp";
    folder += QByteArray("/") + prefix + "-XXXXXX";
    if (!mkdtemp(folder.data())) {
        std::fprintf(stderr, "no work folder for the service\n");
        return 1;
    }
    ForkedService service(KESTRUM_SERVICE_BINARY, folder.toStdString());
    service.addArguments(serviceArguments);
    std::string error;
    if (!service.start(error)) {
        std::fprintf(stderr, "FAIL: the service did not start: %s\n", error.c_str());
        return 1;
    }
    const QString uri = QString::fromStdString(service.serviceUri());
    const int failures
        = session(service, uri, { QStringLiteral("--service-uri"), uri, QStringLiteral("--log") });
    service.stop();
    return failures ? 1 : 0;
}

void DemoServiceRun::useCataloguesOf(const QString &serviceUri)
{
    const QString base = serviceUri.left(serviceUri.lastIndexOf(QLatin1Char('/')));
    QSettings settings(QStringLiteral("Brannock USA"), QStringLiteral("Kestrum Console"));
    settings.setValue(QStringLiteral("Endpoints/otaUri"), base + QStringLiteral("/ota"));
    settings.setValue(QStringLiteral("Endpoints/storeUri"), base + QStringLiteral("/store"));
}
