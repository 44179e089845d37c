#include "RandomTokens.h"

#include <QRandomGenerator>

namespace service {

QByteArray RandomTokens::bytes(int count)
{
    QByteArray result(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i)
        result[i] = char(QRandomGenerator::system()->bounded(256));
    return result;
}

QString RandomTokens::sessionToken()
{
    return QString::fromLatin1(
        bytes(32).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace service
