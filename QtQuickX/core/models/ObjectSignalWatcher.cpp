#include "ObjectSignalWatcher.h"

#include <QMetaProperty>
#include <private/qmetaobject_p.h>
#include <private/qobject_p.h>

#include <algorithm>

namespace {

// The signal being delivered to receiver, counted among signals only.
int currentSignal(QObject *receiver)
{
    const QObjectPrivate::ConnectionData *connections
        = QObjectPrivate::get(receiver)->connections.loadRelaxed();
    const QObjectPrivate::Sender *current = connections ? connections->currentSender : nullptr;
    return current ? current->signal : -1;
}

} // namespace

ObjectSignalWatcher::ObjectSignalWatcher(RoleChanged roleChanged, QObject *parent)
    : QObject(parent)
    , m_roleChanged(std::move(roleChanged))
{ }

void ObjectSignalWatcher::setRoles(const QList<QByteArray> &roles)
{
    m_roles = roles;
    m_staticMappings.clear();
    m_lastStaticMeta = nullptr;
    m_lastStaticMapping.clear();
}

void ObjectSignalWatcher::watch(ObjectListRow &row)
{
    QObject *object = row.object();
    if (!object)
        return;
    row.setSignalRoles(signalRolesOf(object));
    row.connectAll(this);
}

void ObjectSignalWatcher::remap(ObjectListRow &row)
{
    if (const QObject *object = row.object())
        row.setSignalRoles(signalRolesOf(object));
}

void ObjectSignalWatcher::signalled(const ObjectListRow &row)
{
    if (row.isUpdating())
        return;
    const int role = row.roleOfSignal(currentSignal(this));
    if (role >= 0)
        m_roleChanged(row, role);
}

ObjectListRow::SignalRoles ObjectSignalWatcher::signalRolesOf(const QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    if (QObjectPrivate::get(const_cast<QObject *>(object))->metaObject)
        return mapSignals(meta); // a dynamic meta-object, owned by this object alone
    if (meta == m_lastStaticMeta)
        return m_lastStaticMapping; // rows inserted together are mostly of one class
    auto known = m_staticMappings.constFind(meta);
    if (known == m_staticMappings.cend())
        known = m_staticMappings.insert(meta, mapSignals(meta));
    m_lastStaticMeta = meta;
    m_lastStaticMapping = *known;
    return *known;
}

ObjectListRow::SignalRoles ObjectSignalWatcher::mapSignals(const QMetaObject *meta) const
{
    ObjectListRow::SignalRoles signalRoles;
    for (int role = 0; role < m_roles.size(); ++role) {
        const int propertyIndex = meta->indexOfProperty(m_roles.at(role).constData());
        if (propertyIndex <= 0) // not found, or objectName
            continue;
        const QMetaProperty property = meta->property(propertyIndex);
        if (!property.hasNotifySignal())
            continue;
        const int signalIndex = QMetaObjectPrivate::signalIndex(property.notifySignal());
        // A later role with the same notify signal stands for it.
        auto known = std::find_if(signalRoles.begin(), signalRoles.end(),
            [signalIndex](const ObjectListRow::SignalRole &entry) {
                return entry.signalIndex == signalIndex;
            });
        if (known != signalRoles.end())
            known->role = role;
        else
            signalRoles.append({ signalIndex, role });
    }
    return signalRoles;
}
