// The console's own network access (NetworkManager) against the service over HTTPS, with a
// certificate the test trusts.
#include "NetworkManager.h"
#include "ServiceProcess.h"
#include "ServiceTestData.h"
#include "TestCertificate.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QtTest>

class ServiceConsoleTlsTest : public QObject
{
    Q_OBJECT

private slots:
    void consoleCallsWorkOverHttps();

private:
    static QJsonObject post(const QUrl &url, const QByteArray &body)
    {
        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        manager.runRequest(url, "POST", body);
        if (!finished.wait(20000))
            return {};
        return QJsonDocument::fromJson(finished.first().first().toByteArray()).object();
    }
};

void ServiceConsoleTlsTest::consoleCallsWorkOverHttps()
{
    TestCertificate certificate;
    if (!certificate.make())
        QSKIP("openssl cannot make a test certificate here");
    ServiceProcess service;
    QVERIFY2(service.start({ QStringLiteral("--tls-cert"), certificate.certificatePath(),
                 QStringLiteral("--tls-key"), certificate.keyPath() }),
        qPrintable(service.errorOutput()));
    const QString base
        = QStringLiteral("https://127.0.0.1:%1/QuillonService.svc/").arg(service.port());

    // Untrusted, the console gets no answer from the service.
    QVERIFY(post(QUrl(base + QStringLiteral("login")), "{}").isEmpty());

    QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
    trusting.setCaCertificates(
        trusting.caCertificates() + QSslCertificate::fromData(certificate.pem()));
    QSslConfiguration::setDefaultConfiguration(trusting);
    const QJsonObject login = post(QUrl(base + QStringLiteral("login")),
        R"({"method":"login-password","data":{"login":"admin@example.com","password":"demo-admin-2026"}})");
    QCOMPARE(statusOf(login), 0);
    const QString token = resultOf(login).value(QLatin1String("t")).toString();
    const QJsonObject devices = post(QUrl(base + QStringLiteral("listDevices")),
        QJsonDocument(QJsonObject { { QStringLiteral("sessionToken"), token } }).toJson());
    QCOMPARE(statusOf(devices), 0);
    QVERIFY(!itemsOf(devices).isEmpty());
}

QTEST_GUILESS_MAIN(ServiceConsoleTlsTest)
#include "tst_service_consoletls.moc"
