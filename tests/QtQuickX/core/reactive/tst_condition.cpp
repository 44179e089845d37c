#include "ActionProgress.h"
#include "Condition.h"
#include "ConditionArgument.h"
#include "ElapsedTimer.h"

#include <QtTest>

#include <cmath>
#include <memory>

class ConditionTest : public QObject
{
    Q_OBJECT
private slots:
    void combinesArguments_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<bool>("result");
        QTest::newRow("any of none") << int(Condition::AnyOf) << QVariantList() << false;
        QTest::newRow("all of none") << int(Condition::AllOf) << QVariantList() << false;
        QTest::newRow("any of one true")
            << int(Condition::AnyOf) << QVariantList { false, 0, "x" } << true;
        QTest::newRow("any of falsy")
            << int(Condition::AnyOf) << QVariantList { false, 0, QVariant() } << false;
        QTest::newRow("all of true")
            << int(Condition::AllOf) << QVariantList { true, 1, "x" } << true;
        QTest::newRow("all but one") << int(Condition::AllOf) << QVariantList { true, 0 } << false;
        QTest::newRow("unknown operation") << 7 << QVariantList { true } << false;
    }
    void combinesArguments()
    {
        QFETCH(int, operation);
        QFETCH(QVariantList, values);
        QFETCH(bool, result);
        Condition condition;
        condition.setOperation(Condition::Operation(operation));
        std::vector<std::unique_ptr<ConditionArgument>> arguments;
        for (const QVariant &value : values) {
            arguments.emplace_back(new ConditionArgument);
            arguments.back()->setValue(value);
            arguments.back()->setCondition(&condition);
        }
        QCOMPARE(condition.value(), result);
    }

    void deletedArgumentsLeave()
    {
        Condition any;
        auto *only = new ConditionArgument;
        only->setValue(true);
        only->setCondition(&any);
        QVERIFY(any.value());
        QSignalSpy changed(&any, &Condition::valueChanged);
        delete only;
        QVERIFY(!any.value());
        QCOMPARE(changed.count(), 1);

        Condition all;
        all.setOperation(Condition::AllOf);
        ConditionArgument kept;
        kept.setValue(true);
        kept.setCondition(&all);
        auto *blocking = new ConditionArgument;
        blocking->setCondition(&all);
        QVERIFY(!all.value());
        delete blocking;
        QVERIFY(all.value());
    }

    void conditionDeletedFirst()
    {
        ConditionArgument argument;
        {
            Condition condition;
            argument.setCondition(&condition);
            QCOMPARE(argument.condition(), &condition);
        }
        QVERIFY(!argument.condition());
        argument.setValue(true);
    }

    void argumentMovesBetweenConditions()
    {
        Condition first;
        Condition second;
        ConditionArgument argument;
        argument.setValue(true);
        argument.setCondition(&first);
        argument.setCondition(&first);
        QVERIFY(first.value());
        QSignalSpy conditionChanged(&argument, &ConditionArgument::conditionChanged);
        argument.setCondition(&second);
        QCOMPARE(conditionChanged.count(), 1);
        QVERIFY(!first.value());
        QVERIFY(second.value());
        argument.setValue(false);
        QVERIFY(!second.value());
    }

    void delayedFoldsChanges()
    {
        Condition condition;
        condition.setDelayed(true);
        ConditionArgument arguments[5];
        for (ConditionArgument &argument : arguments)
            argument.setCondition(&condition);
        QCoreApplication::processEvents();
        QSignalSpy changed(&condition, &Condition::valueChanged);
        for (ConditionArgument &argument : arguments)
            argument.setValue(true);
        QVERIFY(!condition.value());
        QCOMPARE(changed.count(), 0);
        QCoreApplication::processEvents();
        QVERIFY(condition.value());
        QCOMPARE(changed.count(), 1);
    }

    void actionProgress()
    {
        ActionProgress progress;
        QSignalSpy valueChanged(&progress, &ActionProgress::valueChanged);
        progress.setValue(0);
        QCOMPARE(valueChanged.count(), 0);
        progress.setValue(std::nan(""));
        progress.setValue(std::nan(""));
        QCOMPARE(valueChanged.count(), 2);
        QSignalSpy activeChanged(&progress, &ActionProgress::activeChanged);
        QCOMPARE(progress.active(), 1.0);
        progress.setActive(2);
        QCOMPARE(activeChanged.count(), 0);
        progress.setActive(0);
        QCOMPARE(progress.active(), 0.0);
        QCOMPARE(activeChanged.count(), 1);
    }

    void elapsedTimer()
    {
        ElapsedTimer timer;
        QCOMPARE(timer.elapsed(), qint64(-1));
        timer.start();
        QTest::qWait(30);
        QVERIFY(timer.elapsed() >= 25);
        timer.restart();
        QVERIFY(timer.elapsed() < 25);
    }
};

QTEST_GUILESS_MAIN(ConditionTest)
#include "tst_condition.moc"
