#include "ServiceProcess.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QRegularExpression>
#include <httplib.h>

ServiceProcess::ServiceProcess() = default;

ServiceProcess::~ServiceProcess()
{
    stop();
}

bool ServiceProcess::start(const QStringList &extraArguments)
{
    QStringList arguments { QStringLiteral("--db"), databasePath(), QStringLiteral("--listen"),
        QStringLiteral("127.0.0.1:0"), QStringLiteral("--demo") };
    arguments += extraArguments;
    m_process.start(QStringLiteral(KESTRUM_SERVICE_BINARY), arguments);
    if (!m_process.waitForStarted(10000))
        return false;
    static const QRegularExpression listening(
        QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$"));
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
        if (m_process.canReadLine()) {
            const auto match = listening.match(QString::fromUtf8(m_process.readLine()).trimmed());
            if (match.hasMatch()) {
                m_port = match.captured(1).toInt();
                return true;
            }
            continue;
        }
        if (m_process.state() != QProcess::Running)
            break;
        m_process.waitForReadyRead(200);
    }
    m_errors = QString::fromUtf8(m_process.readAllStandardError());
    return false;
}

void ServiceProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void ServiceProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

ServiceClient::ServiceClient(int port)
    : m_client(std::make_unique<httplib::Client>("127.0.0.1", port))
{
    m_client->set_keep_alive(true);
    m_client->set_read_timeout(60, 0);
}

ServiceClient::~ServiceClient() = default;

QByteArray ServiceClient::post(const QString &method, const QByteArray &body, int *httpStatus)
{
    const std::string path = "/QuillonService.svc/" + method.toStdString();
    auto result
        = m_client->Post(path.c_str(), body.constData(), size_t(body.size()), "application/json");
    if (httpStatus)
        *httpStatus = result ? result->status : 0;
    return result ? QByteArray::fromStdString(result->body) : QByteArray();
}

QJsonObject ServiceClient::call(const QString &method, QJsonObject body, const QString &token)
{
    if (!token.isEmpty())
        body.insert(QStringLiteral("sessionToken"), token);
    return QJsonDocument::fromJson(post(method, QJsonDocument(body).toJson(QJsonDocument::Compact)))
        .object();
}

QByteArray ServiceClient::get(const QString &path, int *httpStatus)
{
    auto result = m_client->Get(path.toStdString().c_str());
    if (httpStatus)
        *httpStatus = result ? result->status : 0;
    return result ? QByteArray::fromStdString(result->body) : QByteArray();
}

QString ServiceClient::login(const QString &login, const QString &password)
{
    const QJsonObject answer = call(QStringLiteral("login"),
        { { QStringLiteral("method"), QStringLiteral("login-password") },
            { QStringLiteral("data"),
                QJsonObject { { QStringLiteral("sessionToken"), QString() },
                    { QStringLiteral("userId"), QString() }, { QStringLiteral("login"), login },
                    { QStringLiteral("password"), password } } } });
    return answer.value(QLatin1String("result")).toObject().value(QLatin1String("t")).toString();
}
