#include "ServiceUriOption.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QtTest>

class ServiceUriOptionTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Brannock USA"));
        QCoreApplication::setApplicationName(QStringLiteral("Kestrum Console"));
        QVERIFY(qEnvironmentVariableIsSet("KESTRUM_TEST_SANDBOX"));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("local http") << "http://127.0.0.1:8765/QuillonService.svc"
                                    << "http://127.0.0.1:8765/QuillonService.svc";
        QTest::newRow("trailing slash") << "https://svc.example.com/QuillonService.svc/"
                                        << "https://svc.example.com/QuillonService.svc";
        QTest::newRow("blanks") << "  http://localhost/s  "
                                << "http://localhost/s";
        QTest::newRow("other scheme") << "ftp://svc.example.com/s"
                                      << "";
        QTest::newRow("no host") << "http:///s"
                                 << "";
        QTest::newRow("relative") << "QuillonService.svc"
                                  << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void parse()
    {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const QUrl url = ServiceUriOption::parse(value);
        QCOMPARE(url.isValid() ? url.toString() : QString(), expected);
    }

    void endpointsStartWithTheGivenUri()
    {
        QVERIFY(!ServiceUriOption::apply(QStringLiteral("not a service")));
        QVERIFY(!QSettings().contains(QStringLiteral("Endpoints/serviceUri")));
        QVERIFY(
            ServiceUriOption::apply(QStringLiteral("http://127.0.0.1:8765/QuillonService.svc")));
        QVERIFY(ServiceUriOption::apply(
            QStringLiteral("http://127.0.0.1:8765/store/"), QStringLiteral("storeUri")));
        QVERIFY(ServiceUriOption::apply(
            QStringLiteral("http://127.0.0.1:8765/ota"), QStringLiteral("otaUri")));

        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nimport App.DataProviders 1.0\n"
                          "QtObject { property string uri: Endpoints.serviceUri;"
                          " property string login: Endpoints.login;"
                          " property string store: Endpoints.storeUri;"
                          " property string ota: Endpoints.otaUri }",
            QUrl());
        QScopedPointer<QObject> probe(component.create());
        QVERIFY2(probe, qPrintable(component.errorString()));
        QCOMPARE(probe->property("uri").toString(),
            QStringLiteral("http://127.0.0.1:8765/QuillonService.svc"));
        QCOMPARE(probe->property("login").toString(),
            QStringLiteral("http://127.0.0.1:8765/QuillonService.svc/login"));
        QCOMPARE(
            probe->property("store").toString(), QStringLiteral("http://127.0.0.1:8765/store"));
        QCOMPARE(probe->property("ota").toString(), QStringLiteral("http://127.0.0.1:8765/ota"));
    }
};

QTEST_MAIN(ServiceUriOptionTest)
#include "tst_serviceurioption.moc"
