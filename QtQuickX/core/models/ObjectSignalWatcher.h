#pragma once

#include <QHash>
#include <QObject>

#include "ObjectListRow.h"

#include <functional>

// Connects the objects of an ObjectListModel's rows and reports a notify signal of a role
// property as a change of that role in the row. Each row has one connection that receives
// all its object's signals, whatever the roles, so changing the roles needs no reconnection.
class ObjectSignalWatcher : public QObject
{
    Q_OBJECT
public:
    using RoleChanged = std::function<void(const ObjectListRow &row, int role)>;

    explicit ObjectSignalWatcher(RoleChanged roleChanged, QObject *parent = nullptr);

    // Roles are property names; a role's number is its position.
    void setRoles(const QList<QByteArray> &roles);
    // Connects the row's object.
    void watch(ObjectListRow &row);
    // Maps the row's signals to the current roles again.
    void remap(ObjectListRow &row);

    // Called through the row's connection.
    void signalled(const ObjectListRow &row);

private:
    ObjectListRow::SignalRoles signalRolesOf(const QObject *object);
    ObjectListRow::SignalRoles mapSignals(const QMetaObject *meta) const;

    RoleChanged m_roleChanged;
    QList<QByteArray> m_roles;
    // Classes compiled in C++ share their mapping; QML objects each have their own meta-object.
    QHash<const QMetaObject *, ObjectListRow::SignalRoles> m_staticMappings;
    const QMetaObject *m_lastStaticMeta = nullptr;
    ObjectListRow::SignalRoles m_lastStaticMapping;
};
