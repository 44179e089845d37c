#include "Debounce.h"
#include "DebouncedValue.h"
#include "TimerSentinel.h"

#include <QElapsedTimer>
#include <QJSEngine>
#include <QtTest>

class DebounceTest : public QObject
{
    Q_OBJECT
private slots:
    void schedulesCoalesceIntoOneRun()
    {
        Debounce debounce;
        QSignalSpy timeouts(&debounce, &Debounce::timeout);
        QSignalSpy scheduled(&debounce, &Debounce::scheduledChanged);
        debounce.schedule();
        debounce.schedule();
        debounce.reschedule();
        QVERIFY(debounce.scheduled());
        QCOMPARE(timeouts.count(), 0);
        QTRY_COMPARE(timeouts.count(), 1);
        QVERIFY(!debounce.scheduled());
        TimerSentinel::waitPast(20);
        QCOMPARE(timeouts.count(), 1);
        // set, reset by reschedule, set again, cleared by the run
        QCOMPARE(scheduled.count(), 4);
    }

    void scheduleKeepsTheWaitRescheduleRestartsIt_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::newRow("schedule") << false;
        QTest::newRow("reschedule") << true;
    }
    void scheduleKeepsTheWaitRescheduleRestartsIt()
    {
        QFETCH(bool, restart);
        Debounce debounce;
        debounce.setInterval(600);
        QSignalSpy timeouts(&debounce, &Debounce::timeout);
        QElapsedTimer clock;
        clock.start();
        debounce.schedule();
        QTest::qWait(300);
        const qint64 secondCallAt = clock.elapsed();
        restart ? debounce.reschedule() : debounce.schedule();
        QTRY_COMPARE_WITH_TIMEOUT(timeouts.count(), 1, 3000);
        const qint64 firedAt = clock.elapsed();
        // Coarse timers may fire up to 5% early.
        if (restart)
            QVERIFY2(firedAt >= secondCallAt + 570, qPrintable(QString::number(firedAt)));
        else
            QVERIFY2(firedAt >= 570 && firedAt < secondCallAt + 570,
                qPrintable(QString::number(firedAt)));
        TimerSentinel::waitPast(700);
        QCOMPARE(timeouts.count(), 1);
    }

    void closedGateHoldsTheRun()
    {
        Debounce debounce;
        debounce.setWhen(false);
        QSignalSpy timeouts(&debounce, &Debounce::timeout);
        debounce.schedule();
        QVERIFY(debounce.scheduled());
        TimerSentinel::waitPast(30);
        QCOMPARE(timeouts.count(), 0);
        debounce.runIfScheduled();
        QCOMPARE(timeouts.count(), 0);
        debounce.setWhen(true);
        QTRY_COMPARE(timeouts.count(), 1);

        // Closing the gate while waiting keeps the run pending.
        debounce.setInterval(50);
        debounce.schedule();
        debounce.setWhen(false);
        TimerSentinel::waitPast(120);
        QCOMPARE(timeouts.count(), 1);
        QVERIFY(debounce.scheduled());
        debounce.abort();
        debounce.setWhen(true);
        TimerSentinel::waitPast(120);
        QCOMPARE(timeouts.count(), 1);
    }

    void recursiveScheduling_data()
    {
        QTest::addColumn<bool>("allow");
        QTest::newRow("allowed") << true;
        QTest::newRow("refused") << false;
    }
    void recursiveScheduling()
    {
        QFETCH(bool, allow);
        Debounce debounce;
        debounce.setAllowRecursiveSchedule(allow);
        int runs = 0;
        bool scheduledInHandler = false;
        connect(&debounce, &Debounce::timeout, &debounce, [&] {
            if (++runs > 1)
                return;
            debounce.schedule();
            debounce.setScheduled(true);
            scheduledInHandler = debounce.scheduled();
        });
        debounce.schedule();
        QTRY_VERIFY(runs >= 1);
        QCOMPARE(scheduledInHandler, allow);
        // The second run comes from the event loop, which a loaded machine may serve late.
        if (allow) {
            QTRY_COMPARE(runs, 2);
        } else {
            TimerSentinel::waitPast(100);
            QCOMPARE(runs, 1);
        }
    }

    void runNowAndRunIfScheduled()
    {
        Debounce debounce;
        debounce.setInterval(10000);
        QSignalSpy timeouts(&debounce, &Debounce::timeout);
        QSignalSpy scheduled(&debounce, &Debounce::scheduledChanged);
        debounce.runIfScheduled();
        QCOMPARE(timeouts.count(), 0);
        debounce.runNow();
        QCOMPARE(timeouts.count(), 1);
        QCOMPARE(scheduled.count(), 1);
        debounce.schedule();
        debounce.runIfScheduled();
        QCOMPARE(timeouts.count(), 2);
        QVERIFY(!debounce.scheduled());
    }

    void scheduledPropertyWrites()
    {
        Debounce debounce;
        QSignalSpy timeouts(&debounce, &Debounce::timeout);
        QSignalSpy scheduled(&debounce, &Debounce::scheduledChanged);
        debounce.setScheduled(false);
        QCOMPARE(scheduled.count(), 0);
        debounce.setScheduled(true);
        debounce.setScheduled(false);
        QCOMPARE(scheduled.count(), 2);
        TimerSentinel::waitPast(20);
        QCOMPARE(timeouts.count(), 0);
    }

    void settledValueFollowsAfterTheWrites()
    {
        QJSEngine engine;
        DebouncedValue value;
        QSignalSpy settled(&value, &DebouncedValue::debouncedValueChanged);
        QSignalSpy changed(&value, &DebouncedValue::valueChanged);
        value.setValue(QJSValue(1));
        value.setValue(QJSValue(2));
        value.setValue(QJSValue(2));
        QCOMPARE(changed.count(), 2);
        QVERIFY(value.debouncedValue().isUndefined());
        QTRY_COMPARE(settled.count(), 1);
        QCOMPARE(value.debouncedValue().toInt(), 2);

        // "1" is loosely equal to 1: a run happens but nothing settles anew.
        value.setValue(QJSValue(1));
        QTRY_COMPARE(settled.count(), 2);
        value.setUseStrictCompare(false);
        QSignalSpy runs(&value, &Debounce::timeout);
        value.setValue(engine.toScriptValue(QStringLiteral("1")));
        QCOMPARE(changed.count(), 4);
        QTRY_COMPARE(runs.count(), 1);
        QCOMPARE(settled.count(), 2);
    }
};

QTEST_GUILESS_MAIN(DebounceTest)
#include "tst_debounce.moc"
