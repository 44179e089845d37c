// The console offers an action only where its table of rights says the role may take it; the
// service's table decides. A right that one side adds, drops or grants differently would have
// the console offer what the service refuses, or hide what it allows.
#include "AccessPolicy.h"
#include "Role.h"
#include "RoleRights.h"

#include <QMetaEnum>
#include <QtTest>

class RoleRightsTest : public QObject
{
    Q_OBJECT

private slots:
    void sameRightsOnBothSides()
    {
        const QMetaEnum console = QMetaEnum::fromType<RoleRights::Right>();
        const QMetaEnum service = QMetaEnum::fromType<service::AccessPolicy::Right>();
        QStringList consoleNames;
        QStringList serviceNames;
        for (int i = 0; i < console.keyCount(); ++i)
            consoleNames << QLatin1String(console.key(i));
        for (int i = 0; i < service.keyCount(); ++i)
            serviceNames << QLatin1String(service.key(i));
        QVERIFY(!consoleNames.isEmpty());
        QCOMPARE(consoleNames, serviceNames);
    }

    void everyRoleHasTheSameRights()
    {
        const QMetaEnum roles = QMetaEnum::fromType<Role::RoleName>();
        const QMetaEnum rights = QMetaEnum::fromType<RoleRights::Right>();
        const QMetaEnum serviceRights = QMetaEnum::fromType<service::AccessPolicy::Right>();
        QStringList differences;
        for (int r = 0; r < roles.keyCount(); ++r) {
            for (int a = 0; a < rights.keyCount(); ++a) {
                bool known = false;
                const auto serviceRight
                    = service::AccessPolicy::Right(serviceRights.keyToValue(rights.key(a), &known));
                QVERIFY2(known, rights.key(a));
                const bool consoleSays = RoleRights::allows(roles.value(r), rights.value(a));
                if (consoleSays != service::AccessPolicy::roleHas(roles.value(r), serviceRight))
                    differences << QStringLiteral("%1 %2: console %3")
                                       .arg(QLatin1String(roles.key(r)),
                                           QLatin1String(rights.key(a)),
                                           consoleSays ? QStringLiteral("offers")
                                                       : QStringLiteral("hides"));
            }
        }
        QCOMPARE(differences, QStringList());
    }
};

QTEST_GUILESS_MAIN(RoleRightsTest)
#include "tst_rolerights.moc"
