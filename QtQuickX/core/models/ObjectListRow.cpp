#include "ObjectListRow.h"

#include "ObjectListRowBlock.h"
#include "ObjectSignalWatcher.h"

#include <private/qobject_p.h>

#include <new>

namespace {

constexpr int allSignals = -1;

} // namespace

ObjectListRow::Pointer ObjectListRow::create(int row, QObject *object, ObjectListRowBlock &block)
{
    return Pointer(new (block.take()) ObjectListRow(row, object, block));
}

ObjectListRow::ObjectListRow(int row, QObject *object, ObjectListRowBlock &block)
    : QSlotObjectBase(&ObjectListRow::impl)
    , m_row(row)
    , m_object(object)
    , m_block(&block)
{ }

void ObjectListRow::Release::operator()(ObjectListRow *row) const
{
    row->setConnection(QMetaObject::Connection());
    row->destroyIfLastRef();
}

void ObjectListRow::impl(int which, QSlotObjectBase *self, QObject *receiver, void **, bool *)
{
    auto *row = static_cast<ObjectListRow *>(self);
    if (which == Destroy) {
        ObjectListRowBlock *block = row->m_block;
        row->~ObjectListRow();
        block->release();
    } else if (which == Call) {
        static_cast<ObjectSignalWatcher *>(receiver)->signalled(*row);
    }
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

void ObjectListRow::setConnection(QMetaObject::Connection connection)
{
    if (m_connection)
        QObject::disconnect(m_connection);
    m_connection = std::move(connection);
}
