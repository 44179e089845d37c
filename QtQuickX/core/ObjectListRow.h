#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QVector>

// One row of an ObjectListModel: its position, the object it shows (not owned) and which
// of the object's notify signals stand for which role.
class ObjectListRow
{
public:
    struct SignalRole
    {
        int signalIndex; // counted among the class's signals only
        int role;
    };
    using SignalRoles = QVector<SignalRole>;

    ObjectListRow(int row, QObject *object);
    ~ObjectListRow();
    ObjectListRow(const ObjectListRow &) = delete;
    ObjectListRow &operator=(const ObjectListRow &) = delete;

    int row() const { return m_row; }
    void setRow(int row) { m_row = row; }
    // Null once the object has been destroyed.
    QObject *object() const { return m_object.data(); }
    void setObject(QObject *object);

    const SignalRoles &signalRoles() const { return m_signalRoles; }
    void setSignalRoles(const SignalRoles &signalRoles) { m_signalRoles = signalRoles; }
    int roleOfSignal(int signalIndex) const;
    // Drops the previous connection.
    void setConnection(const QMetaObject::Connection &connection);

    // Changes the model makes itself are notified by the model, once.
    bool isUpdating() const { return m_updateDepth > 0; }
    void beginUpdate() { ++m_updateDepth; }
    void endUpdate() { --m_updateDepth; }

private:
    int m_updateDepth = 0;
    int m_row;
    QPointer<QObject> m_object;
    SignalRoles m_signalRoles;
    QMetaObject::Connection m_connection;
};
