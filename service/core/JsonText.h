#pragma once

#include <QByteArray>

class QJsonDocument;

namespace service {

// Checks on JSON text that the parser would let through in altered form.
class JsonText
{
public:
    // Whether a string escape names half of a UTF-16 surrogate pair without the other half;
    // such a text cannot be stored as it was sent.
    static bool hasLoneSurrogate(const QByteArray &json);
    // Whether an object of the text names one key twice; the parser keeps only the last, so a
    // proxy that reads the first would see another request. json must be what parsed is of.
    static bool hasDuplicateKey(const QByteArray &json, const QJsonDocument &parsed);
};

} // namespace service
