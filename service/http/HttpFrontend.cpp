#include "HttpFrontend.h"

#include "HttpConnection.h"
#include "HttpRouter.h"
#include "ManagementService.h"
#include "ServiceError.h"

#include <QDebug>
#include <future>
#include <thread>

namespace service {

namespace net = boost::asio;
using Tcp = net::ip::tcp;

class HttpFrontend::Private
{
public:
    Private(ManagementService &service, const Settings &settings)
        : router(service, HttpRequestRules(settings.hostNames))
        , workers(std::max(1, settings.threads), settings.maxQueuedCalls)
        , slowWorkers(std::max(1, settings.slowThreads), settings.maxQueuedCalls / 16)
        , registry(std::size_t(std::max(1, settings.maxConnections)))
        , context { router, workers, slowWorkers, registry, io, {}, {} }
        , acceptor(io)
        , retryTimer(io)
    {
        context.limits.maxBodyBytes = maxBodyBytes;
        context.limits.header = std::chrono::seconds(std::max(1, settings.headerTimeoutSeconds));
        if (!settings.tlsCertificate.isEmpty() || !settings.tlsKey.isEmpty())
            tls = makeTlsContext(settings.tlsCertificate, settings.tlsKey);
    }

    static std::unique_ptr<net::ssl::context> makeTlsContext(
        const QString &certificate, const QString &key)
    {
        auto tlsContext = std::make_unique<net::ssl::context>(net::ssl::context::tls_server);
        tlsContext->set_options(net::ssl::context::default_workarounds | net::ssl::context::no_sslv2
            | net::ssl::context::no_sslv3 | net::ssl::context::no_tlsv1
            | net::ssl::context::no_tlsv1_1 | net::ssl::context::single_dh_use);
        boost::system::error_code error;
        tlsContext->use_certificate_chain_file(certificate.toStdString(), error);
        if (!error)
            tlsContext->use_private_key_file(key.toStdString(), net::ssl::context::pem, error);
        if (error)
            throw ServiceError(StatusCode::Error,
                QStringLiteral("cannot use the TLS certificate and key: %1")
                    .arg(QString::fromStdString(error.message())));
        return tlsContext;
    }

    void accept()
    {
        acceptor.async_accept(
            io, [this](const boost::system::error_code &error, Tcp::socket socket) {
                if (!acceptor.is_open())
                    return;
                if (error) {
                    // Out of descriptors, for example: try again shortly instead of spinning.
                    retryTimer.expires_after(std::chrono::milliseconds(50));
                    retryTimer.async_wait([this](const boost::system::error_code &) { accept(); });
                    return;
                }
                open(std::move(socket));
                accept();
            });
    }

    void open(Tcp::socket socket)
    {
        if (context.stopping || !registry.admit())
            return;
        boost::system::error_code error;
        // Answers go out at once instead of waiting for the client's acknowledgement.
        socket.set_option(Tcp::no_delay(true), error);
        const auto peer = socket.remote_endpoint(error);
        const QString address
            = error ? QString() : QString::fromStdString(peer.address().to_string());
        if (tls) {
            std::make_shared<HttpConnection<boost::beast::ssl_stream<boost::beast::tcp_stream>>>(
                context, address, std::move(socket), *tls)
                ->start();
        } else {
            std::make_shared<HttpConnection<boost::beast::tcp_stream>>(
                context, address, std::move(socket))
                ->start();
        }
    }

    // Runs on the I/O thread and waits for it.
    template<typename Work>
    void onIoThread(Work work)
    {
        std::promise<void> done;
        net::post(io, [&] {
            work();
            done.set_value();
        });
        done.get_future().wait_for(std::chrono::seconds(1));
    }

    HttpRouter router;
    WorkerPool workers;
    WorkerPool slowWorkers;
    // Declared before the I/O context: connections whose handlers are still queued there
    // unregister through them when the context goes.
    ConnectionRegistry registry;
    ConnectionContext context;
    net::io_context io;
    // Keeps the I/O thread running while no connection is open, until stop() is done.
    net::executor_work_guard<net::io_context::executor_type> keepRunning { io.get_executor() };
    Tcp::acceptor acceptor;
    net::steady_timer retryTimer;
    std::unique_ptr<net::ssl::context> tls;
    std::thread ioThread;
    bool stopped = false;
};

HttpFrontend::HttpFrontend(ManagementService &service, const Settings &settings)
    : d(std::make_unique<Private>(service, settings))
{ }

HttpFrontend::~HttpFrontend()
{
    stop();
}

bool HttpFrontend::usesTls() const
{
    return d->tls != nullptr;
}

int HttpFrontend::bind(const QString &host, int port)
{
    boost::system::error_code error;
    const QString name
        = host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ? "127.0.0.1" : host;
    const auto address = net::ip::make_address(name.toStdString(), error);
    if (error)
        return -1;
    const Tcp::endpoint endpoint(address, quint16(port));
    d->acceptor.open(endpoint.protocol(), error);
    if (!error)
        d->acceptor.set_option(Tcp::acceptor::reuse_address(true), error);
    if (!error)
        d->acceptor.bind(endpoint, error);
    if (!error)
        d->acceptor.listen(net::socket_base::max_listen_connections, error);
    if (error) {
        d->acceptor.close(error);
        return -1;
    }
    return d->acceptor.local_endpoint().port();
}

void HttpFrontend::start()
{
    d->accept();
    d->ioThread = std::thread([this] { d->io.run(); });
}

bool HttpFrontend::stop()
{
    if (d->stopped || !d->ioThread.joinable())
        return true;
    d->stopped = true;
    const auto started = std::chrono::steady_clock::now();
    d->onIoThread([this] {
        d->context.stopping = true;
        boost::system::error_code ignored;
        d->acceptor.close(ignored);
        d->registry.closeWaiting();
    });
    // Calls that wait are refused; running ones get most of the time that is left.
    const bool finished = d->workers.stop(1300) && d->slowWorkers.stop(100);
    // Their answers are written while the I/O thread still runs.
    while (std::chrono::steady_clock::now() - started < std::chrono::milliseconds(1700)) {
        std::size_t open = 1;
        d->onIoThread([&] { open = d->registry.size(); });
        if (open == 0)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    d->onIoThread([this] { d->registry.closeAll(); });
    d->keepRunning.reset();
    d->io.stop();
    d->ioThread.join();
    return finished;
}

} // namespace service
