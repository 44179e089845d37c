#include "StartupIncubationController.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlIncubator>
#include <QtTest>

// Asynchronous creation must advance on the event loop alone: no window drives it at start-up.
class TestIncubation : public QObject
{
    Q_OBJECT
private slots:
    void asynchronousCreationFinishesWithoutAWindow()
    {
        QQmlEngine engine;
        StartupIncubationController controller(5);
        engine.setIncubationController(&controller);
        QQmlComponent component(&engine);
        component.setData(
            "import QtQml 2.15\n"
            "QtObject { property var items: [1, 2, 3].map(function (n) { return n * 2 }) }",
            QUrl());
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));

        QQmlIncubator incubator(QQmlIncubator::Asynchronous);
        component.create(incubator);
        QVERIFY(!incubator.isReady());
        QTRY_VERIFY_WITH_TIMEOUT(incubator.isReady(), 2000);
        QScopedPointer<QObject> object(incubator.object());
        QCOMPARE(object->property("items").toList().size(), 3);
        QCOMPARE(controller.incubatingObjectCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestIncubation)
#include "tst_incubation.moc"
