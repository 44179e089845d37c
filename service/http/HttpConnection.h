#pragma once

#include "ConnectionRegistry.h"
#include "HttpRouter.h"
#include "WorkerPool.h"

#include <QString>
#include <atomic>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/ssl.hpp>
#include <chrono>
#include <memory>
#include <optional>
#include <type_traits>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace service {

// How long a client may take, and how much it may send.
struct ConnectionLimits
{
    std::chrono::seconds handshake { 10 };
    // From the moment the server waits for a request until its header is complete: covers
    // idle keep-alive connections and clients that trickle their header.
    std::chrono::seconds header { 10 };
    std::chrono::seconds body { 30 };
    std::chrono::seconds write { 30 };
    std::size_t maxHeaderBytes = 16 * 1024;
    std::size_t maxBodyBytes = 1024 * 1024;
};

// What every connection shares; owned by HttpFrontend, used on its I/O thread.
struct ConnectionContext
{
    HttpRouter &router;
    WorkerPool &workers;
    WorkerPool &slowWorkers;
    ConnectionRegistry &registry;
    boost::asio::io_context &io;
    ConnectionLimits limits;
    std::atomic<bool> stopping { false };
};

// One client connection over a plain or a TLS stream. Waiting for bytes costs no thread: reads
// and writes are asynchronous on the I/O thread, and only a complete request goes to a worker.
// Requests are answered one at a time in the order they came (pipelined ones wait in the
// buffer).
template<class Stream>
class HttpConnection : public TrackedConnection,
                       public std::enable_shared_from_this<HttpConnection<Stream>>
{
public:
    using Request = boost::beast::http::request<boost::beast::http::string_body>;
    using Response = boost::beast::http::response<boost::beast::http::string_body>;

    template<class... StreamArgs>
    HttpConnection(ConnectionContext &context, QString peer, StreamArgs &&...streamArgs)
        : m_context(context)
        , m_stream(std::forward<StreamArgs>(streamArgs)...)
        , m_peer(std::move(peer))
    { }

    ~HttpConnection() override { unregister(); }

    void start()
    {
        m_handle = m_context.registry.add(this->shared_from_this());
        m_registered = true;
        if constexpr (isTls) {
            m_waiting = true;
            lowest().expires_after(m_context.limits.handshake);
            m_stream.async_handshake(boost::asio::ssl::stream_base::server,
                [self = this->shared_from_this()](const boost::beast::error_code &error) {
                    if (error)
                        return self->finish();
                    self->readHeader();
                });
        } else {
            readHeader();
        }
    }

    bool isWaiting() const override { return m_waiting; }

    void close() override
    {
        boost::beast::error_code ignored;
        lowest().socket().close(ignored);
    }

private:
    static constexpr bool isTls = !std::is_same_v<Stream, boost::beast::tcp_stream>;

    boost::beast::tcp_stream &lowest() { return boost::beast::get_lowest_layer(m_stream); }

    // A client that sends the header and the body of a request in two writes (Qt's does) holds
    // the body back until the header is acknowledged; a delayed acknowledgement would add about
    // 40 ms to every call.
    void acknowledgeAtOnce()
    {
#ifdef Q_OS_LINUX
        const int on = 1;
        ::setsockopt(lowest().socket().native_handle(), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#endif
    }

    void readHeader()
    {
        if (m_context.stopping)
            return closeGracefully();
        m_waiting = true;
        m_context.registry.touch(m_handle);
        m_parser.emplace();
        m_parser->header_limit(std::uint32_t(m_context.limits.maxHeaderBytes));
        m_parser->body_limit(m_context.limits.maxBodyBytes);
        lowest().expires_after(m_context.limits.header);
        boost::beast::http::async_read_header(m_stream, m_buffer, *m_parser,
            [self = this->shared_from_this()](
                const boost::beast::error_code &error, std::size_t) { self->onHeader(error); });
    }

    void onHeader(const boost::beast::error_code &error)
    {
        namespace http = boost::beast::http;
        m_waiting = false;
        if (error)
            return refuse(error);
        acknowledgeAtOnce();
        const auto length = m_parser->content_length();
        if (length && *length > m_context.limits.maxBodyBytes)
            return answer(HttpRouter::error(413, "body too large"), true);
        lowest().expires_after(m_context.limits.body);
        http::async_read(m_stream, m_buffer, *m_parser,
            [self = this->shared_from_this()](
                const boost::beast::error_code &error, std::size_t) { self->onRequest(error); });
    }

    // A request that could not be read: a clean end, a time-out, or bytes that are no HTTP.
    void refuse(const boost::beast::error_code &error)
    {
        namespace http = boost::beast::http;
        if (error == http::error::end_of_stream || error == boost::beast::error::timeout
            || error == boost::asio::error::operation_aborted
            || error == boost::asio::error::connection_reset || error == boost::asio::error::eof
            || error.category() == boost::asio::error::get_ssl_category())
            return finish();
        if (error == http::error::body_limit)
            return answer(HttpRouter::error(413, "body too large"), true);
        if (error == http::error::header_limit)
            return answer(HttpRouter::error(431, "header too large"), true);
        answer(HttpRouter::error(400, "malformed request"), true);
    }

    void onRequest(const boost::beast::error_code &error)
    {
        namespace http = boost::beast::http;
        if (error)
            return refuse(error);
        const Request &request = m_parser->get();
        m_keepAlive = request.keep_alive();
        HttpRequestView view;
        view.method = std::string(request.method_string());
        view.target = std::string(request.target());
        view.hasHost = request.find(http::field::host) != request.end();
        view.host = std::string(request[http::field::host]);
        view.contentType = std::string(request[http::field::content_type]);
        view.http10 = request.version() < 11;

        HttpAnswer immediate;
        const auto method = m_context.router.methodOf(view, &immediate);
        if (!method)
            return answer(immediate, immediate.status >= 400 && immediate.status != 404);
        WorkerPool &pool = HttpRouter::isSlow(*method) ? m_context.slowWorkers : m_context.workers;
        lowest().expires_never();
        pool.post([self = this->shared_from_this(), method = *method,
                      body = QByteArray::fromStdString(request.body())](bool run) {
            HttpAnswer reply = run ? self->m_context.router.call(method, body, self->m_peer)
                                   : HttpRouter::error(503, "service is busy or stopping");
            reply.close = reply.close || !run;
            boost::asio::post(self->m_context.io,
                [self, reply = std::move(reply)]() mutable { self->answer(reply, reply.close); });
        });
    }

    void answer(const HttpAnswer &reply, bool closeAfter)
    {
        namespace http = boost::beast::http;
        m_response = std::make_shared<Response>();
        m_response->version(11);
        m_response->result(unsigned(reply.status));
        m_response->set(http::field::content_type, reply.contentType);
        if (reply.status == 503)
            m_response->set(http::field::retry_after, "1");
        m_response->body().assign(reply.body.constData(), std::size_t(reply.body.size()));
        const bool keepAlive = m_keepAlive && !closeAfter && !m_context.stopping;
        m_response->keep_alive(keepAlive);
        m_response->prepare_payload();
        lowest().expires_after(m_context.limits.write);
        http::async_write(m_stream, *m_response,
            [self = this->shared_from_this(), keepAlive](
                const boost::beast::error_code &error, std::size_t) {
                if (error)
                    return self->finish();
                if (keepAlive)
                    return self->readHeader();
                self->closeGracefully();
            });
    }

    // Tells the client that no more answers follow, and reads what it still sends for a
    // moment, so that the last answer is not lost to a reset.
    void closeGracefully()
    {
        m_waiting = true;
        lowest().expires_after(std::chrono::seconds(2));
        if constexpr (isTls) {
            m_stream.async_shutdown([self = this->shared_from_this()](
                                        const boost::beast::error_code &) { self->finish(); });
        } else {
            boost::beast::error_code ignored;
            lowest().socket().shutdown(boost::asio::ip::tcp::socket::shutdown_send, ignored);
            drain();
        }
    }

    void drain()
    {
        lowest().async_read_some(boost::asio::buffer(m_scratch),
            [self = this->shared_from_this()](const boost::beast::error_code &error, std::size_t) {
                if (error)
                    return self->finish();
                self->drain();
            });
    }

    void finish()
    {
        m_waiting = true;
        close();
        unregister();
    }

    void unregister()
    {
        if (!m_registered)
            return;
        m_registered = false;
        m_context.registry.remove(m_handle);
    }

    ConnectionContext &m_context;
    Stream m_stream;
    QString m_peer;
    boost::beast::flat_buffer m_buffer;
    std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> m_parser;
    std::shared_ptr<Response> m_response;
    std::array<char, 4096> m_scratch {};
    ConnectionRegistry::Handle m_handle {};
    bool m_registered = false;
    bool m_waiting = false;
    bool m_keepAlive = false;
};

} // namespace service
