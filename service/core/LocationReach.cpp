#include "LocationReach.h"

#include <QStringList>
#include <algorithm>

namespace service {

LocationReach LocationReach::everything()
{
    LocationReach reach;
    reach.m_everything = true;
    return reach;
}

LocationReach LocationReach::of(QVector<qint64> ids)
{
    LocationReach reach;
    std::sort(ids.begin(), ids.end());
    reach.m_ids = std::move(ids);
    return reach;
}

bool LocationReach::contains(qint64 customerId) const
{
    return m_everything || std::binary_search(m_ids.cbegin(), m_ids.cend(), customerId);
}

QString LocationReach::sqlCondition(const QString &column) const
{
    if (m_everything)
        return QStringLiteral("1");
    if (m_ids.isEmpty())
        return QStringLiteral("0");
    QStringList numbers;
    numbers.reserve(m_ids.size());
    for (qint64 id : m_ids)
        numbers.append(QString::number(id));
    return column + QStringLiteral(" IN (") + numbers.join(QLatin1Char(',')) + QLatin1Char(')');
}

} // namespace service
