#pragma once

#include <QString>
#include <QUrl>

// The "--service-uri", "--store-uri" and "--ota-uri" start options: point the console at a
// service and its catalogues without editing the settings by hand, by writing each URI where
// the endpoints read it at start.
class ServiceUriOption
{
public:
    // The URI given on the command line, or an invalid URL when it is not a usable http or
    // https address.
    static QUrl parse(const QString &value);
    // Persists the URI under "Endpoints/<key>" (serviceUri, storeUri, otaUri); false for an
    // unusable value.
    static bool apply(const QString &value, const QString &key = QStringLiteral("serviceUri"));
};
