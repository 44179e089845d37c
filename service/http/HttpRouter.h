#pragma once

#include "HttpRequestRules.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace service {

class ManagementService;

// One HTTP answer, ready to be written.
struct HttpAnswer
{
    int status = 200;
    std::string contentType = "application/json; charset=utf-8";
    QByteArray body;
    // The connection closes after this answer.
    bool close = false;
};

// What the transport read of a request.
struct HttpRequestView
{
    std::string method;
    std::string target;
    std::string host;
    std::string contentType;
    bool hasHost = false;
    bool http10 = false;
};

// Decides what a request gets: an answer at once (errors, the two catalogues), or a service
// method to run on a worker. Knows nothing of sockets.
class HttpRouter
{
public:
    static constexpr const char *servicePath = "/QuillonService.svc";
    static constexpr const char *storePath = "/store";
    static constexpr const char *otaPath = "/ota";

    HttpRouter(ManagementService &service, HttpRequestRules rules);

    // The method a request calls, or nullopt with the answer it gets instead.
    std::optional<QString> methodOf(const HttpRequestView &request, HttpAnswer *answer) const;
    // Runs a service method on the calling (worker) thread.
    HttpAnswer call(const QString &method, const QByteArray &body, const QString &peer) const;
    // Whether a method is slow on purpose (password hashing) and runs apart from the others.
    static bool isSlow(const QString &method);

    static HttpAnswer error(int status, const char *message);

private:
    ManagementService &m_service;
    HttpRequestRules m_rules;
};

} // namespace service
