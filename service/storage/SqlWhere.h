#pragma once

#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

namespace service {

// Collects the AND-ed conditions of a list query and the values bound to their placeholders.
class SqlWhere
{
public:
    void add(const QString &condition, const QVariantList &values = {})
    {
        m_conditions.append(QLatin1Char('(') + condition + QLatin1Char(')'));
        m_values.append(values);
    }
    QString clause() const
    {
        return m_conditions.isEmpty()
            ? QString()
            : QStringLiteral(" WHERE ") + m_conditions.join(QLatin1String(" AND "));
    }
    // The conditions alone, for a statement that writes its own WHERE.
    QString condition() const
    {
        return m_conditions.isEmpty() ? QStringLiteral("1")
                                      : m_conditions.join(QLatin1String(" AND "));
    }
    void bind(QSqlQuery &query) const
    {
        for (const QVariant &value : m_values)
            query.addBindValue(value);
    }
    const QVariantList &values() const { return m_values; }

private:
    QStringList m_conditions;
    QVariantList m_values;
};

} // namespace service
