#include "HttpRouter.h"

#include "ManagementService.h"

#include <QDebug>
#include <QRegularExpression>

namespace service {

HttpRouter::HttpRouter(ManagementService &service, HttpRequestRules rules)
    : m_service(service)
    , m_rules(std::move(rules))
{ }

HttpAnswer HttpRouter::error(int status, const char *message)
{
    HttpAnswer answer;
    answer.status = status;
    answer.body = ServiceDispatcher::answer(1, QJsonValue::Null, QString::fromLatin1(message));
    return answer;
}

bool HttpRouter::isSlow(const QString &method)
{
    return method == QLatin1String("login") || method == QLatin1String("addLogin");
}

std::optional<QString> HttpRouter::methodOf(
    const HttpRequestView &request, HttpAnswer *answer) const
{
    if (request.hasHost ? !m_rules.acceptsHost(request.host) : !request.http10) {
        *answer = error(403, "unknown host name");
        return std::nullopt;
    }
    const std::string path = request.target.substr(0, request.target.find('?'));
    if (request.method == "GET" && path == std::string(storePath) + "/info.json") {
        answer->body = m_service.catalogues().storeInfoJson();
        return std::nullopt;
    }
    if (request.method == "GET" && path == std::string(otaPath) + "/upgrade/upgrade.xml") {
        answer->contentType = "application/xml; charset=utf-8";
        answer->body = m_service.catalogues().upgradeXml();
        return std::nullopt;
    }
    static const QRegularExpression methodPattern(
        QStringLiteral("^/QuillonService\\.svc/([A-Za-z0-9_.-]+)$"));
    const auto match = methodPattern.match(QString::fromStdString(path));
    if (!match.hasMatch()) {
        *answer = error(404, "not found");
        return std::nullopt;
    }
    if (request.method != "POST") {
        *answer = error(405, "service methods take POST");
        return std::nullopt;
    }
    if (!HttpRequestRules::isJsonContentType(request.contentType)) {
        *answer = error(415, "the body must be application/json");
        return std::nullopt;
    }
    return match.captured(1);
}

HttpAnswer HttpRouter::call(
    const QString &method, const QByteArray &body, const QString &peer) const
{
    HttpAnswer answer;
    try {
        const HttpReply reply = m_service.dispatcher().dispatch(method, body, peer);
        answer.status = reply.httpStatus;
        answer.body = reply.body;
    } catch (...) {
        qWarning() << "HttpRouter: unhandled failure in" << method;
        answer = error(500, "internal error");
    }
    return answer;
}

} // namespace service
