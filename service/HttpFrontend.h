#pragma once

#include <QString>
#include <memory>
#include <thread>

namespace httplib {
class Server;
}

namespace service {

class ManagementService;

// The HTTP side: POST <servicePath>/<method> to the dispatcher, GET of the two catalogues, and
// plain HTTP errors for what is not JSON (400), not a method (404) or too large (413).
class HttpFrontend
{
public:
    static constexpr const char *servicePath = "/QuillonService.svc";
    static constexpr const char *storePath = "/store";
    static constexpr const char *otaPath = "/ota";
    static constexpr size_t maxBodyBytes = 1024 * 1024;

    HttpFrontend(ManagementService &service, int threads);
    ~HttpFrontend();

    // Binds the address; port 0 picks a free one. Returns the bound port or -1.
    int bind(const QString &host, int port);
    void start();
    void stop();

private:
    void installRoutes();

    ManagementService &m_service;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
};

} // namespace service
