#pragma once

#include <QByteArray>
#include <QString>

namespace service {

// Unguessable values from the operating system's generator.
class RandomTokens
{
public:
    static QByteArray bytes(int count);
    // 32 random bytes as URL-safe text.
    static QString sessionToken();
};

} // namespace service
