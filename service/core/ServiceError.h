#pragma once

#include "Protocol.h"

#include <QString>
#include <stdexcept>

namespace service {

// Thrown by handlers to end a call with a status other than Ok; the dispatcher turns it into
// the answer, and any open write transaction is rolled back on the way out.
class ServiceError : public std::runtime_error
{
public:
    ServiceError(StatusCode status, const QString &message)
        : std::runtime_error(message.toStdString())
        , m_status(status)
    { }

    StatusCode status() const { return m_status; }

    static ServiceError invalid(const QString &message)
    {
        return ServiceError(StatusCode::InvalidArgument, message);
    }
    static ServiceError noRights(const QString &message)
    {
        return ServiceError(StatusCode::NoRights, message);
    }
    static ServiceError notFound(const QString &message)
    {
        return ServiceError(StatusCode::NotFound, message);
    }

private:
    StatusCode m_status;
};

} // namespace service
