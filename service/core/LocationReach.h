#pragma once

#include <QString>
#include <QVector>

namespace service {

// The set of locations a call may touch: everything, or an explicit list of location ids.
class LocationReach
{
public:
    static LocationReach everything();
    static LocationReach of(QVector<qint64> ids);

    bool isEverything() const { return m_everything; }
    bool contains(qint64 customerId) const;
    const QVector<qint64> &ids() const { return m_ids; }
    // An SQL condition on the given column; the ids come from the database, never from input.
    QString sqlCondition(const QString &column) const;

private:
    bool m_everything = false;
    QVector<qint64> m_ids;
};

} // namespace service
