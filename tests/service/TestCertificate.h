#pragma once

#include <QString>
#include <QTemporaryDir>

// A self-signed certificate for 127.0.0.1 made with the openssl tool, for HTTPS tests.
class TestCertificate
{
public:
    // False when the tool is missing or fails.
    bool make();
    QString certificatePath() const { return m_dir.filePath(QStringLiteral("cert.pem")); }
    QString keyPath() const { return m_dir.filePath(QStringLiteral("key.pem")); }
    QByteArray pem() const;

private:
    QTemporaryDir m_dir;
};
