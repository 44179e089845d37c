#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Runs a console session against the reference service on a demo database of its own.
namespace DemoServiceRun {

// Starts the service in a fresh work folder (named after prefix), calls session with its URI and
// the console's arguments, and stops the service. Returns 1 when the service did not start or
// the session reported failures, else 0.
int run(const char *prefix,
    const std::function<int(const QString &serviceUri, const QStringList &consoleArguments)>
        &session);

} // namespace DemoServiceRun
