// The console and the service each declare the wire's enumerations; a value that one side adds,
// drops or renumbers would be misread by the other.
#include "Protocol.h"
#include "ResponseStatus.h"
#include "Role.h"
#include "Task.h"

#include <QMetaEnum>
#include <QtTest>

class WireEnumsTest : public QObject
{
    Q_OBJECT

private:
    // "Name=value" of every enumerator, in value order.
    static QStringList entries(const QMetaEnum &enumeration)
    {
        QStringList result;
        for (int i = 0; i < enumeration.keyCount(); ++i)
            result << QStringLiteral("%1=%2")
                          .arg(QLatin1String(enumeration.key(i)))
                          .arg(enumeration.value(i));
        return result;
    }

private slots:
    void consoleAndServiceAgree_data()
    {
        QTest::addColumn<QStringList>("consoleSide");
        QTest::addColumn<QStringList>("serviceSide");

        QTest::newRow("response status")
            << entries(QMetaEnum::fromType<ResponseStatus::StatusCode>())
            << entries(QMetaEnum::fromType<service::StatusCode>());
        QTest::newRow("role") << entries(QMetaEnum::fromType<Role::RoleName>())
                              << entries(QMetaEnum::fromType<service::UserRole>());
        QTest::newRow("task type") << entries(QMetaEnum::fromType<Task::TasksType>())
                                   << entries(QMetaEnum::fromType<service::TaskType>());
        QTest::newRow("task status") << entries(QMetaEnum::fromType<Task::TasksStatus>())
                                     << entries(QMetaEnum::fromType<service::TaskStatus>());
    }

    void consoleAndServiceAgree()
    {
        QFETCH(QStringList, consoleSide);
        QFETCH(QStringList, serviceSide);
        QVERIFY(!consoleSide.isEmpty());
        QCOMPARE(consoleSide, serviceSide);
    }
};

QTEST_GUILESS_MAIN(WireEnumsTest)
#include "tst_wireenums.moc"
