#pragma once

#include <QString>
#include <QUrl>

// The "--service-uri" start option: points the console at a service without editing the
// settings by hand, by writing the URI where the endpoints read it at start.
class ServiceUriOption
{
public:
    // The service URI given on the command line, or an invalid URL when it is not a
    // usable http or https address.
    static QUrl parse(const QString &value);
    // Persists the URI under "Endpoints/serviceUri"; false for an unusable value.
    static bool apply(const QString &value);
};
