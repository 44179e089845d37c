#include "HttpFrontend.h"

#include "ManagementService.h"

#include <QDebug>
#include <httplib.h>

namespace service {

HttpFrontend::HttpFrontend(ManagementService &service, int threads)
    : m_service(service)
    , m_server(std::make_unique<httplib::Server>())
{
    const size_t workers = size_t(std::max(1, threads));
    m_server->new_task_queue = [workers] {
        return new httplib::ThreadPool(workers);
    };
    m_server->set_payload_max_length(maxBodyBytes);
    m_server->set_keep_alive_max_count(1000);
    m_server->set_read_timeout(30);
    installRoutes();
}

HttpFrontend::~HttpFrontend()
{
    stop();
}

void HttpFrontend::installRoutes()
{
    const std::string methodPattern = std::string(servicePath) + "/([A-Za-z0-9_.-]+)";
    m_server->Post(
        methodPattern, [this](const httplib::Request &request, httplib::Response &response) {
            const QString method = QString::fromStdString(request.matches[1].str());
            const HttpReply reply = m_service.dispatcher().dispatch(method,
                QByteArray::fromRawData(request.body.data(), int(request.body.size())),
                QString::fromStdString(request.remote_addr));
            response.status = reply.httpStatus;
            response.set_content(reply.body.constData(), size_t(reply.body.size()),
                "application/json; charset=utf-8");
        });
    m_server->Get(std::string(storePath) + "/info.json",
        [this](const httplib::Request &, httplib::Response &response) {
            const QByteArray json = m_service.catalogues().storeInfoJson();
            response.set_content(
                json.constData(), size_t(json.size()), "application/json; charset=utf-8");
        });
    m_server->Get(std::string(otaPath) + "/upgrade/upgrade.xml",
        [this](const httplib::Request &, httplib::Response &response) {
            const QByteArray xml = m_service.catalogues().upgradeXml();
            response.set_content(
                xml.constData(), size_t(xml.size()), "application/xml; charset=utf-8");
        });
    m_server->set_exception_handler(
        [](const httplib::Request &request, httplib::Response &response, std::exception_ptr) {
            qWarning() << "HttpFrontend: unhandled failure on" << request.path.c_str();
            response.status = 500;
            response.set_content("{\"status\":1,\"result\":null}", "application/json");
        });
}

int HttpFrontend::bind(const QString &host, int port)
{
    const std::string address = host.toStdString();
    if (port == 0)
        return m_server->bind_to_any_port(address);
    return m_server->bind_to_port(address, port) ? port : -1;
}

void HttpFrontend::start()
{
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
}

void HttpFrontend::stop()
{
    if (m_server)
        m_server->stop();
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace service
