#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtPlugin>
#include <QtTest>

// The offline dataset of the same module is built with the extension library's types.
Q_IMPORT_PLUGIN(QtQuickXPlugin)

// Stands in for the application object the host publishes as appCore.
class CoreWithWindow : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *mainWindow MEMBER window CONSTANT)
public:
    QObject *window = nullptr;
};

class MockupSwitchTest : public QObject
{
    Q_OBJECT
private:
    static QStringList &warnings()
    {
        static QStringList collected;
        return collected;
    }

    static void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            warnings().append(text);
    }

    static QObject *create(QQmlEngine &engine, const QByteArray &qml)
    {
        QQmlComponent component(&engine);
        component.setData(qml, QUrl());
        QObject *object = component.create();
        if (!object)
            qWarning() << component.errors();
        return object;
    }

private slots:
    void switchIsShownOnTheMainWindow()
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        CoreWithWindow core;
        QScopedPointer<QObject> window(
            create(engine, "import QtQml 2.15\nQtObject { property bool mockups: false }"));
        QVERIFY(window);
        core.window = window.data();
        engine.rootContext()->setContextProperty(QStringLiteral("appCore"), &core);

        QScopedPointer<QObject> probe(create(engine,
            "import QtQml 2.15\nimport App.MockupDatasets 1.0\n"
            "QtObject { function use(on) { MockupConfig.useMockupDatasets = on } }"));
        QVERIFY(probe);
        QMetaObject::invokeMethod(probe.data(), "use", Q_ARG(QVariant, true));
        QCOMPARE(window->property("mockups").toBool(), true);
        QMetaObject::invokeMethod(probe.data(), "use", Q_ARG(QVariant, false));
        QCOMPARE(window->property("mockups").toBool(), false);
    }

    void switchWorksWithoutMainWindow()
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QScopedPointer<QObject> probe(create(engine,
            "import QtQml 2.15\nimport App.MockupDatasets 1.0\n"
            "QtObject { function use(on) { MockupConfig.useMockupDatasets = on }"
            " function used() { return MockupConfig.useMockupDatasets } }"));
        QVERIFY(probe);
        // Without appCore the switch must not raise script errors.
        warnings().clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        QMetaObject::invokeMethod(probe.data(), "use", Q_ARG(QVariant, true));
        qInstallMessageHandler(previous);
        QVERIFY2(warnings().isEmpty(), qPrintable(warnings().join('\n')));
        QVariant used;
        QMetaObject::invokeMethod(probe.data(), "used", Q_RETURN_ARG(QVariant, used));
        QCOMPARE(used.toBool(), true);
    }
};

QTEST_MAIN(MockupSwitchTest)
#include "tst_mockupswitch.moc"
