#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// How the operator wants to log in: the method and the values it needs.
class LoginCredentials : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        QString sessionToken READ sessionToken WRITE setSessionToken NOTIFY sessionTokenChanged)
    Q_PROPERTY(QString userId READ userId WRITE setUserId NOTIFY userIdChanged)
    Q_PROPERTY(QString method READ method WRITE setMethod NOTIFY methodChanged)
    Q_PROPERTY(QString login READ login WRITE setLogin NOTIFY loginChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(QString role READ role WRITE setRole NOTIFY roleChanged)
    Q_PROPERTY(QString methodLoginPass READ methodLoginPass CONSTANT)
    Q_PROPERTY(QString methodUserCtx READ methodUserCtx CONSTANT)
    Q_PROPERTY(QString methodSessionToken READ methodSessionToken CONSTANT)
public:
    explicit LoginCredentials(QObject *parent = nullptr);

    QString sessionToken() const { return QString::fromUtf8(m_sessionToken); }
    QString userId() const { return QString::fromUtf8(m_userId); }
    QString method() const { return QString::fromUtf8(m_method); }
    QString login() const { return QString::fromUtf8(m_login); }
    QString password() const { return QString::fromUtf8(m_password); }
    QString role() const { return QString::fromUtf8(m_role); }
    QString methodLoginPass() const { return QStringLiteral("login-password"); }
    QString methodUserCtx() const { return QStringLiteral("user-context"); }
    QString methodSessionToken() const { return QStringLiteral("sessionToken"); }

    void setSessionToken(const QString &value);
    void setUserId(const QString &value);
    void setMethod(const QString &value);
    void setLogin(const QString &value);
    void setPassword(const QString &value);
    void setRole(const QString &value);

signals:
    void loginChanged();
    void passwordChanged();
    void methodChanged();
    void sessionTokenChanged();
    void userIdChanged();
    void roleChanged();

private:
    // 8-bit storage holds UTF-8 so any character survives a round trip.
    QByteArray m_sessionToken;
    QByteArray m_userId;
    QByteArray m_method;
    QByteArray m_login;
    QByteArray m_password;
    QByteArray m_role;
};
