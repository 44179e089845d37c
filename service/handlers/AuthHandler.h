#pragma once

#include "LoginThrottle.h"
#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

struct Session;

// "login" (by password or into another user's context), "getSessionInfo", "logoff" and
// "createRoleSession".
class AuthHandler
{
public:
    explicit AuthHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    QJsonValue login(const Call &call);
    QJsonValue loginWithPassword(const QJsonObject &data, const QString &peerAddress);
    QJsonValue checkPassword(const QString &login, const QString &password);
    QJsonValue loginIntoUserContext(const QJsonObject &data);
    QJsonValue sessionInfo(const Call &call);
    QJsonValue logoff(const Call &call);
    QJsonValue createRoleSession(const Call &call);

    QJsonObject describe(const Session &session, bool withToken) const;

    ServiceContext m_context;
    LoginThrottle m_throttle;
};

} // namespace service
