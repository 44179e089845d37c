#pragma once

#include <QByteArray>

namespace service {

// Checks on JSON text that the parser would let through in altered form.
class JsonText
{
public:
    // Whether a string escape names half of a UTF-16 surrogate pair without the other half;
    // such a text cannot be stored as it was sent.
    static bool hasLoneSurrogate(const QByteArray &json);
};

} // namespace service
