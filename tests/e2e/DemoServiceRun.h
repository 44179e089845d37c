#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class ForkedService;

// Runs a console session against the reference service on a demo database of its own.
namespace DemoServiceRun {

// Starts the service in a fresh work folder (named after prefix), calls session with its URI and
// the console's arguments, and stops the service. Returns 1 when the service did not start or
// the session reported failures, else 0.
int run(const char *prefix,
    const std::function<int(const QString &serviceUri, const QStringList &consoleArguments)>
        &session);

// The same with options added to the service's command line; the session may stop and start
// the service again (on the same port and database).
int runWith(const char *prefix, const std::vector<std::string> &serviceArguments,
    const std::function<int(ForkedService &service, const QString &serviceUri,
        const QStringList &consoleArguments)> &session);

// Points the console's settings at the catalogues served next to the service.
void useCataloguesOf(const QString &serviceUri);

} // namespace DemoServiceRun
