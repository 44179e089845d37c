#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace service {

class ManagementService;

// The HTTP side: POST <servicePath>/<method> to the dispatcher, GET of the two catalogues, and
// plain HTTP errors for what is not JSON (400), not a method (404), too large (413), not of
// type application/json (415) or addressed to a host name this server does not answer to
// (403). One I/O thread serves every connection; service calls run on worker threads, and
// password logins on workers of their own, so that a flood of them cannot hold up the rest.
class HttpFrontend
{
public:
    static constexpr const char *servicePath = "/QuillonService.svc";
    static constexpr const char *storePath = "/store";
    static constexpr const char *otaPath = "/ota";
    static constexpr size_t maxBodyBytes = 1024 * 1024;

    struct Settings
    {
        int threads = 8;
        int slowThreads = 2;
        int maxConnections = 2000;
        int maxQueuedCalls = 4096;
        int headerTimeoutSeconds = 10;
        // PEM files; both set means HTTPS only.
        QString tlsCertificate;
        QString tlsKey;
        // Host names (besides address literals and "localhost") that requests may name.
        QStringList hostNames;
    };

    HttpFrontend(ManagementService &service, const Settings &settings);
    ~HttpFrontend();

    // Binds the address; port 0 picks a free one. Returns the bound port or -1.
    int bind(const QString &host, int port);
    void start();
    // Stops accepting, refuses waiting calls, lets running ones finish (within about 1.5 s in
    // all) and closes every connection. False when a call was still running at the end.
    bool stop();
    bool usesTls() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace service
