#pragma once

#include "ServiceContext.h"
#include "ServiceDispatcher.h"
#include "UserDirectory.h"

namespace service {

// "addLogin" and "listLogins": a user's password logins.
class LoginsHandler
{
public:
    explicit LoginsHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    QJsonValue addLogin(const Call &call);
    QJsonValue listLogins(const Call &call);

    // The caller himself in his own session, or a user of a lower role that he manages.
    void requireAccessTo(const Caller &caller, qint64 userId);
    static void requireAcceptablePassword(const QString &password, const QString &login);

    ServiceContext m_context;
    UserDirectory m_users;
};

} // namespace service
