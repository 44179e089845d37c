#include "LoginCredentials.h"
#include "LoginInfo.h"

#include <QSignalSpy>
#include <QtTest>

class LoginObjectsTest : public QObject
{
    Q_OBJECT
private slots:
    void credentialsDefaults()
    {
        LoginCredentials credentials;
        QCOMPARE(credentials.method(), credentials.methodLoginPass());
        QCOMPARE(credentials.methodLoginPass(), QStringLiteral("login-password"));
        QCOMPARE(credentials.methodUserCtx(), QStringLiteral("user-context"));
        QCOMPARE(credentials.methodSessionToken(), QStringLiteral("sessionToken"));
        QVERIFY(credentials.login().isEmpty());
    }

    void credentialsNotifyOnceAndKeepUnicode_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("login") << QByteArray("login") << QByteArray(SIGNAL(loginChanged()));
        QTest::newRow("password") << QByteArray("password")
                                  << QByteArray(SIGNAL(passwordChanged()));
        QTest::newRow("method") << QByteArray("method") << QByteArray(SIGNAL(methodChanged()));
        QTest::newRow("token") << QByteArray("sessionToken")
                               << QByteArray(SIGNAL(sessionTokenChanged()));
        QTest::newRow("userId") << QByteArray("userId") << QByteArray(SIGNAL(userIdChanged()));
        QTest::newRow("role") << QByteArray("role") << QByteArray(SIGNAL(roleChanged()));
    }
    void credentialsNotifyOnceAndKeepUnicode()
    {
        QFETCH(QByteArray, property);
        QFETCH(QByteArray, signal);
        LoginCredentials credentials;
        QSignalSpy spy(&credentials, signal.constData());
        const QString value = QStringLiteral("Пароль-密码-ß€😀");
        QVERIFY(credentials.setProperty(property, value));
        QVERIFY(credentials.setProperty(property, value));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(credentials.property(property).toString(), value);
    }

    void infoDefaults()
    {
        LoginInfo info;
        QCOMPARE(info.status(), int(LoginInfo::Idle));
        QCOMPARE(info.role(), -1);
        QCOMPARE(info.userId(), -1);
        QVERIFY(!info.validFrom().isValid());
        QVERIFY(!info.unusedExpiredAt().isValid());
    }

    void infoDateTimesNotify()
    {
        LoginInfo info;
        QSignalSpy spy(&info, &LoginInfo::unusedExpiredAtChanged);
        const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
        info.setUnusedExpiredAt(when);
        info.setUnusedExpiredAt(when);
        info.setUnusedExpiredAt(when.addSecs(1));
        QCOMPARE(spy.count(), 2);
    }

    void infoTokenKeepsUnicode()
    {
        LoginInfo info;
        info.setSessionToken(QStringLiteral("tök€n"));
        QCOMPARE(info.sessionToken(), QStringLiteral("tök€n"));
    }

    void logoffResetsInOrderAndKeepsTimes()
    {
        LoginInfo info;
        const QDateTime from(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
        info.setSessionToken("abc");
        info.setStatus(LoginInfo::Authorized);
        info.setUserId(7);
        info.setLoginName("op@example.com");
        info.setRole(1);
        info.setNotes("n");
        info.setUserName("Operator");
        info.setValidFrom(from);

        QStringList order;
        const auto record = [&order](const char *name) {
            return [&order, name] {
                order << name;
            };
        };
        connect(&info, &LoginInfo::sessionTokenChanged, this, record("sessionTokenChanged"));
        connect(&info, &LoginInfo::statusChanged, this, record("statusChanged"));
        connect(&info, &LoginInfo::validFromChanged, this, record("validFromChanged"));
        connect(&info, &LoginInfo::validToChanged, this, record("validToChanged"));
        connect(&info, &LoginInfo::userIdChanged, this, record("userIdChanged"));
        connect(&info, &LoginInfo::loginNameChanged, this, record("loginNameChanged"));
        connect(&info, &LoginInfo::roleChanged, this, record("roleChanged"));
        connect(&info, &LoginInfo::notesChanged, this, record("notesChanged"));
        connect(&info, &LoginInfo::userNameChanged, this, record("userNameChanged"));
        info.logoff();
        QCOMPARE(order,
            QStringList({ "sessionTokenChanged", "statusChanged", "userIdChanged",
                "loginNameChanged", "roleChanged", "notesChanged", "userNameChanged" }));
        QCOMPARE(info.validFrom(), from);
        QCOMPARE(info.status(), int(LoginInfo::Idle));

        QSignalSpy again(&info, &LoginInfo::statusChanged);
        info.logoff();
        QCOMPARE(again.count(), 0);
    }
};

QTEST_GUILESS_MAIN(LoginObjectsTest)
#include "tst_loginobjects.moc"
