#pragma once

#include "ServiceContext.h"
#include "ServiceDispatcher.h"
#include "UserDirectory.h"

namespace service {

// "listUsers", "addUser", "updateUser", "listRolesAllowedToCreate".
class UsersHandler
{
public:
    explicit UsersHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    QJsonValue listUsers(const Call &call);
    QJsonValue addUser(const Call &call);
    QJsonValue updateUser(const Call &call);
    QJsonValue listRolesAllowedToCreate(const Call &call);

    QJsonObject loginsOf(const QVector<qint64> &userIds);
    static QString validName(const QJsonObject &user);

    ServiceContext m_context;
    UserDirectory m_users;
};

} // namespace service
