#include "ResponseExcerpt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <QStringList>

namespace {

const QString Mask = QStringLiteral("***");
// Secrets shorter than this are not searched for: they would mask ordinary words.
constexpr int MinimumSecretLength = 4;
// Characters read past the excerpt, so that a secret cut at the end is still recognised.
constexpr int Lookahead = 512;

bool isSecretKey(const QString &key)
{
    return key == QLatin1String("sessionToken") || key == QLatin1String("password")
        || key == QLatin1String("t") || key == QLatin1String("token");
}

void collectSecrets(const QJsonValue &value, QStringList &secrets)
{
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (const QJsonValue &element : array)
            collectSecrets(element, secrets);
        return;
    }
    if (!value.isObject())
        return;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString text = it.value().toString();
        if (isSecretKey(it.key()) && text.size() >= MinimumSecretLength)
            secrets.append(text);
        else
            collectSecrets(it.value(), secrets);
    }
}

QJsonValue maskValue(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray masked;
        const QJsonArray array = value.toArray();
        for (const QJsonValue &element : array)
            masked.append(maskValue(element));
        return masked;
    }
    if (!value.isObject())
        return value;
    QJsonObject masked;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const bool hidden = isSecretKey(it.key()) && !it.value().isNull()
            && !(it.value().isString() && it.value().toString().isEmpty());
        masked.insert(it.key(), hidden ? QJsonValue(Mask) : maskValue(it.value()));
    }
    return masked;
}

// "sessionToken": "...", 'password': '...', &quot;t&quot;:&quot;...&quot;, password=...
const QRegularExpression &keyedSecret()
{
    static const QRegularExpression pattern(
        QStringLiteral("((?:\"|'|&quot;)(?:sessionToken|password|token|t)(?:\"|'|&quot;)\\s*:\\s*"
                       "(?:\"|'|&quot;)?|\\b(?:sessionToken|password|token)\\s*=\\s*)"
                       "((?:(?!&quot;)[^\"'&\\s,;}<])+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

namespace ResponseExcerpt {

QString of(const QByteArray &answer, const QByteArray &requestBody, int maxLength)
{
    QString text = QString::fromUtf8(answer.left(maxLength * 4 + Lookahead));
    QStringList secrets;
    collectSecrets(QJsonDocument::fromJson(requestBody).object(), secrets);
    for (const QString &secret : qAsConst(secrets))
        text.replace(secret, Mask);
    text.replace(keyedSecret(), QStringLiteral("\\1") + Mask);

    const bool cut = text.size() > maxLength || answer.size() > maxLength * 4 + Lookahead;
    text.truncate(maxLength);
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    if (cut)
        text += QStringLiteral("... (%1 bytes)").arg(answer.size());
    return text;
}

QString maskedBody(const QByteArray &body)
{
    if (body.isEmpty())
        return QString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("<%1 bytes>").arg(body.size());
    const QJsonValue masked = maskValue(
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()));
    const QJsonDocument out
        = masked.isArray() ? QJsonDocument(masked.toArray()) : QJsonDocument(masked.toObject());
    return QString::fromUtf8(out.toJson(QJsonDocument::Compact));
}

} // namespace ResponseExcerpt
