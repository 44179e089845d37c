#include "PasswordHasher.h"

#include "RandomTokens.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace service {

namespace {
constexpr int keyLength = 32;
constexpr int saltLength = 16;
} // namespace

QByteArray PasswordHasher::derive(
    const QByteArray &password, const QByteArray &salt, int iterations)
{
    QByteArray key(keyLength, Qt::Uninitialized);
    PKCS5_PBKDF2_HMAC(password.constData(), password.size(),
        reinterpret_cast<const unsigned char *>(salt.constData()), salt.size(), iterations,
        EVP_sha256(), key.size(), reinterpret_cast<unsigned char *>(key.data()));
    return key;
}

PasswordHasher::Hash PasswordHasher::hash(const QString &password, int iterations)
{
    Hash result;
    result.salt = RandomTokens::bytes(saltLength);
    result.iterations = iterations;
    result.key = derive(password.toUtf8(), result.salt, iterations);
    return result;
}

bool PasswordHasher::verify(const QString &password, const Hash &stored)
{
    if (stored.iterations <= 0 || stored.key.size() != keyLength)
        return false;
    const QByteArray candidate = derive(password.toUtf8(), stored.salt, stored.iterations);
    return CRYPTO_memcmp(candidate.constData(), stored.key.constData(), keyLength) == 0;
}

} // namespace service
