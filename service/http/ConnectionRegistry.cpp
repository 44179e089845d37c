#include "ConnectionRegistry.h"

#include <vector>

namespace service {

ConnectionRegistry::ConnectionRegistry(std::size_t maxConnections)
    : m_maxConnections(maxConnections)
{ }

bool ConnectionRegistry::admit()
{
    if (m_connections.size() < m_maxConnections)
        return true;
    for (const auto &entry : m_connections) {
        const auto connection = entry.lock();
        if (connection && connection->isWaiting()) {
            connection->close();
            return true;
        }
    }
    return false;
}

ConnectionRegistry::Handle ConnectionRegistry::add(
    const std::shared_ptr<TrackedConnection> &connection)
{
    return m_connections.insert(m_connections.end(), connection);
}

void ConnectionRegistry::touch(Handle handle)
{
    m_connections.splice(m_connections.end(), m_connections, handle);
}

void ConnectionRegistry::remove(Handle handle)
{
    m_connections.erase(handle);
}

void ConnectionRegistry::closeWaiting()
{
    std::vector<std::shared_ptr<TrackedConnection>> waiting;
    for (const auto &entry : m_connections) {
        if (const auto connection = entry.lock(); connection && connection->isWaiting())
            waiting.push_back(connection);
    }
    for (const auto &connection : waiting)
        connection->close();
}

void ConnectionRegistry::closeAll()
{
    std::vector<std::shared_ptr<TrackedConnection>> all;
    for (const auto &entry : m_connections) {
        if (const auto connection = entry.lock())
            all.push_back(connection);
    }
    for (const auto &connection : all)
        connection->close();
}

} // namespace service
