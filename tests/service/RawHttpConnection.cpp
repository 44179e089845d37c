#include "RawHttpConnection.h"

#include <QRegularExpression>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

RawHttpConnection::RawHttpConnection(int port, const char *fromAddress)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd >= 0 && fromAddress) {
        sockaddr_in local {};
        local.sin_family = AF_INET;
        if (::inet_pton(AF_INET, fromAddress, &local.sin_addr) != 1
            || ::bind(m_fd, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
    }
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

RawHttpConnection::~RawHttpConnection()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RawHttpConnection::send(const QByteArray &bytes)
{
    qsizetype sent = 0;
    while (m_fd >= 0 && sent < bytes.size()) {
        const auto written
            = ::send(m_fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (written <= 0)
            return false;
        sent += written;
    }
    return m_fd >= 0;
}

QByteArray RawHttpConnection::receive(int waitMs)
{
    QByteArray received;
    char buffer[65536];
    pollfd watched { m_fd, POLLIN, 0 };
    while (m_fd >= 0 && ::poll(&watched, 1, waitMs) > 0) {
        const auto count = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (count <= 0)
            break;
        received.append(buffer, int(count));
    }
    return received;
}

bool RawHttpConnection::closedByServer(int waitMs)
{
    char buffer[4096];
    pollfd watched { m_fd, POLLIN, 0 };
    while (m_fd >= 0 && ::poll(&watched, 1, waitMs) > 0) {
        const auto count = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (count <= 0)
            return true;
    }
    return false;
}

QList<int> RawHttpConnection::statuses(const QByteArray &received)
{
    static const QRegularExpression statusLine(QStringLiteral("HTTP/1\\.[01] (\\d{3}) "));
    QList<int> codes;
    auto it = statusLine.globalMatch(QString::fromLatin1(received));
    while (it.hasNext())
        codes.append(it.next().captured(1).toInt());
    return codes;
}

QByteArray RawHttpConnection::post(
    const QByteArray &method, const QByteArray &body, const QByteArray &extraHeaders)
{
    return "POST /QuillonService.svc/" + method + " HTTP/1.1\r\n" + extraHeaders
        + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}
