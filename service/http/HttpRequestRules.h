#pragma once

#include <QStringList>
#include <string>

namespace service {

// What a request must show before the service reads it: a Host that names this server (a web
// page whose name resolves to the loopback address must not reach it, as with DNS rebinding)
// and, for calls, a JSON body (a web page cannot send that type without the browser asking
// first).
class HttpRequestRules
{
public:
    // Names the Host header may carry besides IP literals and "localhost".
    explicit HttpRequestRules(QStringList hostNames = {});

    bool acceptsHost(const std::string &host) const;
    static bool isJsonContentType(const std::string &contentType);
    static bool isLoopback(const QString &host);

private:
    QStringList m_hostNames;
};

} // namespace service
