#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

// What the service granted for a login, and how far the login has got.
class LoginInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        QString sessionToken READ sessionToken WRITE setSessionToken NOTIFY sessionTokenChanged)
    Q_PROPERTY(int status READ status WRITE setStatus NOTIFY statusChanged)
    Q_PROPERTY(QDateTime validFrom READ validFrom WRITE setValidFrom NOTIFY validFromChanged)
    Q_PROPERTY(QDateTime validTo READ validTo WRITE setValidTo NOTIFY validToChanged)
    Q_PROPERTY(QDateTime createdAt READ createdAt WRITE setCreatedAt NOTIFY createdAtChanged)
    Q_PROPERTY(QDateTime unusedExpiredAt READ unusedExpiredAt WRITE setUnusedExpiredAt NOTIFY
            unusedExpiredAtChanged)
    Q_PROPERTY(int role READ role WRITE setRole NOTIFY roleChanged)
    Q_PROPERTY(QString notes READ notes WRITE setNotes NOTIFY notesChanged)
    Q_PROPERTY(int userId READ userId WRITE setUserId NOTIFY userIdChanged)
    Q_PROPERTY(QString loginName READ loginName WRITE setLoginName NOTIFY loginNameChanged)
    Q_PROPERTY(QString userName READ userName WRITE setUserName NOTIFY userNameChanged)
public:
    enum Status { Idle = 0, Loading = 1, Error = 2, Authorized = 3 };
    Q_ENUM(Status)

    using QObject::QObject;

    QString sessionToken() const { return QString::fromUtf8(m_sessionToken); }
    int status() const { return m_status; }
    QDateTime validFrom() const { return m_validFrom; }
    QDateTime validTo() const { return m_validTo; }
    QDateTime createdAt() const { return m_createdAt; }
    QDateTime unusedExpiredAt() const { return m_unusedExpiredAt; }
    int role() const { return m_role; }
    QString notes() const { return m_notes; }
    int userId() const { return m_userId; }
    QString loginName() const { return m_loginName; }
    QString userName() const { return m_userName; }

    void setSessionToken(const QString &value);
    void setStatus(int value);
    void setValidFrom(const QDateTime &value);
    void setValidTo(const QDateTime &value);
    void setCreatedAt(const QDateTime &value);
    void setUnusedExpiredAt(const QDateTime &value);
    void setRole(int value);
    void setNotes(const QString &value);
    void setUserId(int value);
    void setLoginName(const QString &value);
    void setUserName(const QString &value);

    // Back to the logged-off state; the validity times are kept.
    Q_INVOKABLE void logoff();

signals:
    void sessionTokenChanged();
    void statusChanged();
    void validFromChanged();
    void validToChanged();
    void createdAtChanged();
    void unusedExpiredAtChanged();
    void roleChanged();
    void notesChanged();
    void userIdChanged();
    void loginNameChanged();
    void userNameChanged();

private:
    QByteArray m_sessionToken; // UTF-8
    int m_status = Idle;
    QDateTime m_validFrom;
    QDateTime m_validTo;
    QDateTime m_createdAt;
    QDateTime m_unusedExpiredAt;
    int m_role = -1;
    QString m_notes;
    int m_userId = -1;
    QString m_loginName;
    QString m_userName;
};
