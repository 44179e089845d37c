#include "TestCertificate.h"

#include <QFile>
#include <QProcess>

bool TestCertificate::make()
{
    return m_dir.isValid()
        && QProcess::execute(QStringLiteral("openssl"),
               { QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                   QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                   QStringLiteral("-keyout"), keyPath(), QStringLiteral("-out"),
                   certificatePath() })
        == 0;
}

QByteArray TestCertificate::pem() const
{
    QFile file(certificatePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
