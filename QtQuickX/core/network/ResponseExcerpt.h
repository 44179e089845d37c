#pragma once

#include <QByteArray>
#include <QString>

// What a log may keep of an answer: its first characters on one line, with the values of
// session tokens and passwords masked, both where a key names them and wherever a secret sent
// in the request comes back (an error page that echoes the request).
namespace ResponseExcerpt {

constexpr int DefaultLength = 160;

QString of(const QByteArray &answer, const QByteArray &requestBody = QByteArray(),
    int maxLength = DefaultLength);

// The request body (JSON) with every secret value masked; a body that is not JSON is hidden.
QString maskedBody(const QByteArray &body);

} // namespace ResponseExcerpt
