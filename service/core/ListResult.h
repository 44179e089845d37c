#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QSqlQuery>
#include <QString>
#include <QVector>

namespace service {

class ListResult
{
public:
    static QJsonObject items(const QJsonArray &items)
    {
        return QJsonObject { { QStringLiteral("items"), items } };
    }
};

// Building blocks of the SQL conditions that list filters add.
class SqlList
{
public:
    // Whole numbers parsed from the request, safe to write into the statement.
    static QString numbers(const QVector<qint64> &ids)
    {
        QStringList texts;
        texts.reserve(ids.size());
        for (qint64 id : ids)
            texts.append(QString::number(id));
        return QLatin1Char('(') + texts.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    static QString placeholders(int count)
    {
        QStringList marks;
        for (int i = 0; i < count; ++i)
            marks.append(QStringLiteral("?"));
        return QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    // A LIKE pattern matching the text anywhere, with the wildcards of the text escaped.
    static QString containsPattern(QString text)
    {
        text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        text.replace(QLatin1Char('%'), QLatin1String("\\%"));
        text.replace(QLatin1Char('_'), QLatin1String("\\_"));
        return QLatin1Char('%') + text + QLatin1Char('%');
    }
};

} // namespace service
