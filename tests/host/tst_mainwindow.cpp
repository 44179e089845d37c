#include "BuildInfo.h"
#include "OstrelModule.h"

#include <QtQuickX.h>

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtPlugin>
#include <QtTest>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

// Stands in for the application object the host publishes as appCore.
class FakeCore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickWindow *mainWindow READ mainWindow CONSTANT)
    Q_PROPERTY(QObject *qmlApp MEMBER qmlApp)
public:
    QQuickWindow *mainWindow() const { return window; }
    QQuickWindow *window = nullptr;
    QObject *qmlApp = nullptr;
};

class MainWindowTest : public QObject
{
    Q_OBJECT
private:
    struct Loaded
    {
        std::unique_ptr<QQmlEngine> engine;
        std::unique_ptr<FakeCore> core;
        QQuickWindow *window = nullptr;
    };

    Loaded load(const QVariant &nonProduction)
    {
        Loaded loaded;
        loaded.engine = std::make_unique<QQmlEngine>();
        loaded.core = std::make_unique<FakeCore>();
        QQmlEngine *engine = loaded.engine.get();
        engine->addImportPath(QStringLiteral("qrc:/"));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty("appCore", loaded.core.get());
        context->setContextProperty("BUILD_VERSION", BuildInfo::buildVersion());
        context->setContextProperty("BUILD_VERSION_SHORT", BuildInfo::buildVersionShort());
        context->setContextProperty("NON_PRODUCTION_BUILD", nonProduction);
        QQmlComponent component(engine, QUrl("qrc:///App/Windows/MainWindow.qml"));
        QObject *object = component.create();
        if (!object)
            qWarning() << component.errors();
        loaded.window = qobject_cast<QQuickWindow *>(object);
        loaded.core->window = loaded.window;
        return loaded;
    }

    static QQuickItem *item(QQuickWindow *window, const char *name)
    {
        return window->findChild<QQuickItem *>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase()
    {
        QtQuickX::registerResources();
        QQuickStyle::setStyle("Material");
        OstrelModule::registerTypes();
    }

    void title_data()
    {
        QTest::addColumn<QVariant>("nonProduction");
        QTest::addColumn<bool>("mockups");
        QTest::addColumn<QString>("title");
        const QString shortVersion = BuildInfo::buildVersionShort();
        const QString fullVersion = BuildInfo::buildVersion();
        const QVariant production = QVariant::fromValue<QObject *>(nullptr);
        QTest::newRow("production")
            << production << false << QString("Kestrum console v.%1 ").arg(shortVersion);
        QTest::newRow("production offline")
            << production << true
            << QString("Kestrum console v.%1 [OFFLINE MODE]").arg(shortVersion);
        QTest::newRow("non-production")
            << QVariant(true) << false
            << QString("Kestrum console [non-production build] v. %1 ").arg(fullVersion);
    }
    void title()
    {
        QFETCH(QVariant, nonProduction);
        QFETCH(bool, mockups);
        QFETCH(QString, title);
        Loaded loaded = load(nonProduction);
        QVERIFY(loaded.window);
        loaded.window->setProperty("mockups", mockups);
        QCOMPARE(loaded.window->title(), title);
        QCOMPARE(loaded.window->size(), QSize(1366, 768));
        delete loaded.window;
    }

    void launchShowsMainViewAndEndsSplashOnce()
    {
        Loaded loaded = load(QVariant::fromValue<QObject *>(nullptr));
        QVERIFY(loaded.window);
        QSignalSpy allGui(loaded.window, SIGNAL(allGuiInitialized()));
        QMetaObject::invokeMethod(
            loaded.window, "beginLaunch", Q_ARG(int, 0), Q_ARG(QString, QString()));
        QVERIFY(allGui.wait(10000));
        QVERIFY(loaded.core->qmlApp);

        QQuickItem *mainView = item(loaded.window, "mainViewLoader");
        QVERIFY(mainView->isVisible());
        QTRY_VERIFY(!item(loaded.window, "splashScreenLoader")->property("active").toBool());

        // A second launch must not start another application object.
        QObject *firstApp = loaded.core->qmlApp;
        QMetaObject::invokeMethod(
            loaded.window, "beginLaunch", Q_ARG(int, 0), Q_ARG(QString, QString()));
        // The handler runs within the call: a launch it started would be loading now.
        QQuickItem *launcher = item(loaded.window, "launcherLoader");
        QVERIFY(launcher);
        QCOMPARE(launcher->property("status").toInt(), 1); // Loader.Ready
        QCOMPARE(loaded.core->qmlApp, firstApp);
        QCOMPARE(allGui.count(), 1);
        delete loaded.window;
    }

    void errorCodeOnlyEndsSplash()
    {
        Loaded loaded = load(QVariant::fromValue<QObject *>(nullptr));
        QVERIFY(loaded.window);
        QMetaObject::invokeMethod(
            loaded.window, "beginLaunch", Q_ARG(int, 3), Q_ARG(QString, "broken"));
        QTRY_VERIFY(!item(loaded.window, "splashScreenLoader")->property("active").toBool());
        QVERIFY(!item(loaded.window, "launcherLoader")->property("active").toBool());
        QVERIFY(!loaded.core->qmlApp);
        delete loaded.window;
    }

    void splashEndIsIdempotent()
    {
        Loaded loaded = load(QVariant::fromValue<QObject *>(nullptr));
        QVERIFY(loaded.window);
        QQuickItem *splashLoader = item(loaded.window, "splashScreenLoader");
        QObject *splash = splashLoader->property("item").value<QObject *>();
        QVERIFY(splash);
        QMetaObject::invokeMethod(splash, "end");
        QVERIFY(splash->property("__ended").toBool());
        QMetaObject::invokeMethod(splash, "end");
        QTRY_VERIFY(!splashLoader->property("active").toBool());
        delete loaded.window;
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
