#include "ObjectListRow.h"

#include "ObjectListModel.h"

#include <QMetaProperty>

namespace {

int propertyChangedSlotIndex()
{
    static const int index = ObjectListRow::staticMetaObject.indexOfSlot("propertyChanged()");
    return index;
}

} // namespace

ObjectListRow::ObjectListRow(ObjectListModel *model, int row, QObject *object)
    : m_model(model)
    , m_row(row)
    , m_object(object)
{ }

void ObjectListRow::setObject(QObject *object, const QList<QByteArray> &roles)
{
    if (m_object)
        disconnect(m_object, nullptr, this, nullptr);
    m_signalRoles.clear();
    m_object = object;
    if (!object)
        return;
    const QMetaObject *meta = object->metaObject();
    for (int role = 0; role < roles.size(); ++role) {
        const int propertyIndex = meta->indexOfProperty(roles.at(role).constData());
        if (propertyIndex <= 0) // not found, or objectName
            continue;
        const QMetaProperty property = meta->property(propertyIndex);
        if (!property.hasNotifySignal())
            continue;
        const int signalIndex = property.notifySignalIndex();
        auto known = std::find_if(m_signalRoles.begin(), m_signalRoles.end(),
            [signalIndex](const SignalRole &entry) { return entry.signalIndex == signalIndex; });
        if (known != m_signalRoles.end()) {
            known->role = role;
            continue;
        }
        QMetaObject::connect(object, signalIndex, this, propertyChangedSlotIndex());
        m_signalRoles.append({ signalIndex, role });
    }
}

void ObjectListRow::reconnect(const QList<QByteArray> &roles)
{
    setObject(m_object.data(), roles);
}

void ObjectListRow::propertyChanged()
{
    if (m_updateDepth > 0)
        return;
    const int signalIndex = senderSignalIndex();
    for (const SignalRole &entry : qAsConst(m_signalRoles)) {
        if (entry.signalIndex == signalIndex) {
            m_model->notifyRowChanged(m_row, { entry.role });
            return;
        }
    }
}
