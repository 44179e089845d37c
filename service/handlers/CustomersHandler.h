#pragma once

#include "ServiceContext.h"
#include "ServiceDispatcher.h"

#include <optional>

namespace service {

// "listCustomers", "addCustomer", "updateCustomer": the location tree. Locations are archived,
// never deleted.
class CustomersHandler
{
public:
    explicit CustomersHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    struct Location
    {
        qint64 id = 0;
        QString name;
        QString domain;
        qint64 ownerId = 0;
        bool archived = false;
        QJsonObject toJson() const;
    };

    QJsonValue listCustomers(const Call &call);
    QJsonValue addCustomer(const Call &call);
    QJsonValue updateCustomer(const Call &call);

    std::optional<Location> find(qint64 id);
    void requireValidOwner(const Caller &caller, qint64 ownerId);
    static QString validName(const QJsonObject &customer);
    static std::optional<qint64> ownerOf(const QJsonObject &customer);

    ServiceContext m_context;
};

} // namespace service
