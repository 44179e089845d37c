#pragma once

#include <QByteArray>
#include <QList>

// A client socket that sends exactly the bytes it is given: for requests no well-behaved
// HTTP client would send, and for clients that trickle or idle.
class RawHttpConnection
{
public:
    // Connects to the loopback address; from the given local address when one is named (any
    // 127.x.y.z stands for another client machine).
    explicit RawHttpConnection(int port, const char *fromAddress = nullptr);
    ~RawHttpConnection();

    RawHttpConnection(const RawHttpConnection &) = delete;
    RawHttpConnection &operator=(const RawHttpConnection &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool send(const QByteArray &bytes);
    // Reads until the server closes or nothing arrives for waitMs.
    QByteArray receive(int waitMs);
    // Whether the server has closed the connection (waits up to waitMs for it).
    bool closedByServer(int waitMs);
    // The status codes of the answers in what was received, in order.
    static QList<int> statuses(const QByteArray &received);

    static QByteArray post(const QByteArray &method, const QByteArray &body,
        const QByteArray &extraHeaders = "Host: 127.0.0.1\r\nContent-Type: application/json\r\n");

private:
    int m_fd = -1;
};
