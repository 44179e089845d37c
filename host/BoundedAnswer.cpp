#include "BoundedAnswer.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class Walker
{
public:
    Walker(const BoundedAnswer::Options &options, BoundedAnswer &answer)
        : m_options(options)
        , m_answer(answer)
    {
        m_collection = options.collectionPath.isEmpty()
            ? QStringList()
            : options.collectionPath.split(QLatin1Char('.'));
    }

    // The nesting is bounded by the JSON parser (1024 levels), so recursion is safe here.
    QJsonValue value(const QJsonValue &value, bool onCollectionPath)
    {
        if (value.isString())
            return text(value.toString(), m_options.maxTextLength, QString());
        if (value.isArray())
            return onCollectionPath && m_path.size() == m_collection.size()
                ? list(value.toArray())
                : array(value.toArray());
        if (value.isObject())
            return object(value.toObject(), onCollectionPath);
        return value;
    }

private:
    QJsonValue text(const QString &text, int limit, const QString &note)
    {
        if (limit <= 0 || text.size() <= limit)
            return text;
        return BoundedAnswer::cut(text, limit, note);
    }

    QJsonObject object(const QJsonObject &object, bool onCollectionPath)
    {
        QJsonObject out;
        const int depth = m_path.size();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString key = it.key();
            const QJsonValue member = it.value();
            if (member.isString() && m_options.longTextKeys.contains(key)) {
                const QString whole = member.toString();
                const int limit = m_options.maxLongTextLength;
                if (limit > 0 && whole.size() > limit) {
                    QVariantList path = m_path;
                    m_answer.uncut.append(QVariantMap { { QStringLiteral("path"), path },
                        { QStringLiteral("key"), key }, { QStringLiteral("text"), whole } });
                    out.insert(key, text(whole, limit, m_options.cutNote));
                } else {
                    out.insert(key, member);
                }
                continue;
            }
            // The list sits where every member of the path is a truthy object member.
            const bool onPath
                = onCollectionPath && depth < m_collection.size() && m_collection.at(depth) == key;
            m_path.append(key);
            out.insert(key, value(member, onPath));
            m_path.removeLast();
        }
        return out;
    }

    QJsonArray array(const QJsonArray &array)
    {
        QJsonArray out;
        for (int i = 0; i < array.size(); ++i) {
            m_path.append(i);
            out.append(value(array.at(i), false));
            m_path.removeLast();
        }
        return out;
    }

    QJsonArray list(const QJsonArray &items)
    {
        QJsonArray out;
        m_answer.listedItems = items.size();
        const int bound = m_options.maxItems;
        for (const QJsonValue &item : items) {
            if (m_options.recordItems && !item.isObject()) {
                ++m_answer.droppedItems;
                continue;
            }
            if (bound > 0 && out.size() >= bound) {
                ++m_answer.droppedItems;
                continue;
            }
            m_path.append(out.size());
            out.append(value(item, false));
            m_path.removeLast();
        }
        return out;
    }

    const BoundedAnswer::Options &m_options;
    BoundedAnswer &m_answer;
    QStringList m_collection;
    QVariantList m_path;
};

} // namespace

BoundedAnswer BoundedAnswer::read(const QString &answer, const Options &options)
{
    BoundedAnswer result;
    // Only an object or an array is read: an error page is not copied and parsed for nothing.
    int first = 0;
    while (first < answer.size() && answer.at(first).isSpace())
        ++first;
    if (first == answer.size()
        || (answer.at(first) != QLatin1Char('{') && answer.at(first) != QLatin1Char('[')))
        return result;
    QByteArray bytes = answer.toUtf8();
    result.digest
        = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    QJsonParseError error {};
    QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    bytes.clear();
    if (document.isNull())
        return result;
    result.valid = true;
    Walker walker(options, result);
    const QJsonValue root
        = document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    document = QJsonDocument();
    const QJsonValue bounded = walker.value(root, !options.collectionPath.isEmpty());
    const QJsonDocument out
        = bounded.isObject() ? QJsonDocument(bounded.toObject()) : QJsonDocument(bounded.toArray());
    result.text = QString::fromUtf8(out.toJson(QJsonDocument::Compact));
    return result;
}

QString BoundedAnswer::cut(const QString &text, int limit, const QString &note)
{
    if (limit <= 0 || text.size() <= limit)
        return text;
    int end = limit;
    if (text.at(end - 1).isHighSurrogate())
        --end;
    const QString kept = text.left(end);
    if (note.isEmpty())
        return kept + QChar(0x2026);
    return kept + note.arg(utf8Size(text));
}

qint64 BoundedAnswer::utf8Size(const QString &text)
{
    // Counted as the script counts it: a surrogate takes two bytes, so a pair takes four.
    qint64 size = text.size();
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code >= 0x80)
            ++size;
        if (code >= 0x800 && !c.isSurrogate())
            ++size;
    }
    return size;
}
