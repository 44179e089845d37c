#include "ObjectListRow.h"

#include "ObjectSignalWatcher.h"

#include <private/qobject_p.h>

namespace {

constexpr int allSignals = -1;

} // namespace

ObjectListRow::Pointer ObjectListRow::create(int row, QObject *object)
{
    return Pointer(new ObjectListRow(row, object));
}

ObjectListRow::ObjectListRow(int row, QObject *object)
    : QSlotObjectBase(&ObjectListRow::impl)
    , m_row(row)
    , m_object(object)
{ }

void ObjectListRow::Release::operator()(ObjectListRow *row) const
{
    row->setConnection(QMetaObject::Connection());
    row->destroyIfLastRef();
}

void ObjectListRow::impl(int which, QSlotObjectBase *self, QObject *receiver, void **, bool *)
{
    auto *row = static_cast<ObjectListRow *>(self);
    if (which == Destroy)
        delete row;
    else if (which == Call)
        static_cast<ObjectSignalWatcher *>(receiver)->signalled(*row);
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

void ObjectListRow::connectAll(const ObjectSignalWatcher *watcher)
{
    ref(); // the connection's reference; connecting takes it even when it fails
    setConnection(
        QObjectPrivate::connect(m_object.data(), allSignals, watcher, this, Qt::AutoConnection));
}

void ObjectListRow::setConnection(const QMetaObject::Connection &connection)
{
    QObject::disconnect(m_connection);
    m_connection = connection;
}
