#pragma once

#include <QByteArray>
#include <QString>

namespace service {

// Salted PBKDF2-HMAC-SHA256; only the salt, the derived key and the iteration count are stored.
class PasswordHasher
{
public:
    struct Hash
    {
        QByteArray salt;
        QByteArray key;
        int iterations = 0;
    };

    static constexpr int defaultIterations = 60000;

    static Hash hash(const QString &password, int iterations = defaultIterations);
    static bool verify(const QString &password, const Hash &stored);
    static QByteArray derive(const QByteArray &password, const QByteArray &salt, int iterations);
};

} // namespace service
