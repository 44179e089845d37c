#include "ObjectListRow.h"

ObjectListRow::ObjectListRow(int row, QObject *object)
    : m_row(row)
    , m_object(object)
{ }

ObjectListRow::~ObjectListRow()
{
    QObject::disconnect(m_connection);
}

void ObjectListRow::setObject(QObject *object)
{
    setConnection(QMetaObject::Connection());
    m_signalRoles.clear();
    m_object = object;
}

int ObjectListRow::roleOfSignal(int signalIndex) const
{
    for (const SignalRole &entry : m_signalRoles) {
        if (entry.signalIndex == signalIndex)
            return entry.role;
    }
    return -1;
}

void ObjectListRow::setConnection(const QMetaObject::Connection &connection)
{
    QObject::disconnect(m_connection);
    m_connection = connection;
}
