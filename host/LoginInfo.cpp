#include "LoginInfo.h"

#include "AssignProperty.h"

void LoginInfo::setSessionToken(const QString &value)
{
    assignProperty(this, m_sessionToken, value.toUtf8(), &LoginInfo::sessionTokenChanged);
}

void LoginInfo::setStatus(int value)
{
    assignProperty(this, m_status, value, &LoginInfo::statusChanged);
}

void LoginInfo::setValidFrom(const QDateTime &value)
{
    assignProperty(this, m_validFrom, value, &LoginInfo::validFromChanged);
}

void LoginInfo::setValidTo(const QDateTime &value)
{
    assignProperty(this, m_validTo, value, &LoginInfo::validToChanged);
}

void LoginInfo::setCreatedAt(const QDateTime &value)
{
    assignProperty(this, m_createdAt, value, &LoginInfo::createdAtChanged);
}

void LoginInfo::setUnusedExpiredAt(const QDateTime &value)
{
    assignProperty(this, m_unusedExpiredAt, value, &LoginInfo::unusedExpiredAtChanged);
}

void LoginInfo::setRole(int value)
{
    assignProperty(this, m_role, value, &LoginInfo::roleChanged);
}

void LoginInfo::setNotes(const QString &value)
{
    assignProperty(this, m_notes, value, &LoginInfo::notesChanged);
}

void LoginInfo::setUserId(int value)
{
    assignProperty(this, m_userId, value, &LoginInfo::userIdChanged);
}

void LoginInfo::setLoginName(const QString &value)
{
    assignProperty(this, m_loginName, value, &LoginInfo::loginNameChanged);
}

void LoginInfo::setUserName(const QString &value)
{
    assignProperty(this, m_userName, value, &LoginInfo::userNameChanged);
}

void LoginInfo::logoff()
{
    setSessionToken(QString());
    setStatus(Idle);
    setUserId(-1);
    setLoginName(QString());
    setRole(-1);
    setNotes(QString());
    setUserName(QString());
}
