#include "HttpRequestRules.h"

#include <QHostAddress>

namespace service {

HttpRequestRules::HttpRequestRules(QStringList hostNames)
    : m_hostNames(std::move(hostNames))
{ }

bool HttpRequestRules::acceptsHost(const std::string &header) const
{
    QString host = QString::fromStdString(header).trimmed();
    if (host.startsWith(QLatin1Char('['))) {
        const int end = host.indexOf(QLatin1Char(']'));
        if (end < 0)
            return false;
        host = host.mid(1, end - 1);
    } else if (host.count(QLatin1Char(':')) == 1) {
        host = host.left(host.indexOf(QLatin1Char(':')));
    }
    if (host.isEmpty())
        return false;
    // An address literal cannot be re-pointed by a name server.
    if (!QHostAddress(host).isNull())
        return true;
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    return m_hostNames.contains(host, Qt::CaseInsensitive);
}

bool HttpRequestRules::isJsonContentType(const std::string &contentType)
{
    const QString type = QString::fromStdString(contentType).section(QLatin1Char(';'), 0, 0);
    return type.trimmed().compare(QLatin1String("application/json"), Qt::CaseInsensitive) == 0;
}

bool HttpRequestRules::isLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace service
