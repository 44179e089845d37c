#pragma once

#include <cstddef>
#include <list>
#include <memory>

namespace service {

// One open client connection as the registry sees it.
class TrackedConnection
{
public:
    virtual ~TrackedConnection() = default;
    // True while the connection only waits for the client's next request.
    virtual bool isWaiting() const = 0;
    virtual void close() = 0;
};

// Bounds the number of open connections. When a new client comes and the bound is reached,
// the connection that has waited longest for a request makes room; when every connection is
// busy, the newcomer is turned away. Used from the I/O thread only.
class ConnectionRegistry
{
public:
    using Handle = std::list<std::weak_ptr<TrackedConnection>>::iterator;

    explicit ConnectionRegistry(std::size_t maxConnections);

    // Whether a new connection may be opened (after making room when needed).
    bool admit();
    Handle add(const std::shared_ptr<TrackedConnection> &connection);
    // The connection begins to wait for a request: it becomes the newest waiter.
    void touch(Handle handle);
    void remove(Handle handle);
    void closeWaiting();
    void closeAll();
    std::size_t size() const { return m_connections.size(); }

private:
    std::size_t m_maxConnections;
    // Oldest waiter first.
    std::list<std::weak_ptr<TrackedConnection>> m_connections;
};

} // namespace service
