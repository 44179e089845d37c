#include "LoginCredentials.h"

#include "AssignProperty.h"

LoginCredentials::LoginCredentials(QObject *parent)
    : QObject(parent)
    , m_method(QByteArrayLiteral("login-password"))
{ }

void LoginCredentials::setSessionToken(const QString &value)
{
    assignProperty(this, m_sessionToken, value.toUtf8(), &LoginCredentials::sessionTokenChanged);
}

void LoginCredentials::setUserId(const QString &value)
{
    assignProperty(this, m_userId, value.toUtf8(), &LoginCredentials::userIdChanged);
}

void LoginCredentials::setMethod(const QString &value)
{
    assignProperty(this, m_method, value.toUtf8(), &LoginCredentials::methodChanged);
}

void LoginCredentials::setLogin(const QString &value)
{
    assignProperty(this, m_login, value.toUtf8(), &LoginCredentials::loginChanged);
}

void LoginCredentials::setPassword(const QString &value)
{
    assignProperty(this, m_password, value.toUtf8(), &LoginCredentials::passwordChanged);
}

void LoginCredentials::setRole(const QString &value)
{
    assignProperty(this, m_role, value.toUtf8(), &LoginCredentials::roleChanged);
}
