#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <memory>

class ObjectListRowBlock;
class ObjectSignalWatcher;

// One row of an ObjectListModel: its position, the object it shows (not owned) and which
// of the object's notify signals stand for which role. The row is also the receiving end of
// its object's connection and lives in a block shared with the rows inserted with it; the
// model and the connection each hold a reference, and a signal being delivered keeps the row
// alive while it is removed.
class ObjectListRow : public QtPrivate::QSlotObjectBase
{
public:
    struct SignalRole
    {
        int signalIndex; // counted among the class's signals only
        int role;
    };
    using SignalRoles = QVector<SignalRole>;

    // Disconnects the row and drops the model's reference.
    struct Release
    {
        void operator()(ObjectListRow *row) const;
    };
    using Pointer = std::unique_ptr<ObjectListRow, Release>;
    // The row's storage comes from block.
    static Pointer create(int row, QObject *object, ObjectListRowBlock &block);
    ObjectListRow(const ObjectListRow &) = delete;
    ObjectListRow &operator=(const ObjectListRow &) = delete;

    int row() const { return m_row; }
    void setRow(int row) { m_row = row; }
    // Null once the object has been destroyed.
    QObject *object() const { return m_object.data(); }
    void setObject(QObject *object);

    const SignalRoles &signalRoles() const { return m_signalRoles; }
    void setSignalRoles(SignalRoles signalRoles) { m_signalRoles = std::move(signalRoles); }
    int roleOfSignal(int signalIndex) const;
    // Connects all the object's signals to the watcher through this row; drops the previous
    // connection.
    void connectAll(const ObjectSignalWatcher *watcher);

    // Changes the model makes itself are notified by the model, once.
    bool isUpdating() const { return m_updateDepth > 0; }
    void beginUpdate() { ++m_updateDepth; }
    void endUpdate() { --m_updateDepth; }

private:
    ObjectListRow(int row, QObject *object, ObjectListRowBlock &block);
    ~ObjectListRow() = default;
    static void impl(int which, QSlotObjectBase *self, QObject *receiver, void **, bool *);
    void setConnection(QMetaObject::Connection connection);

    int m_updateDepth = 0;
    int m_row;
    QPointer<QObject> m_object;
    SignalRoles m_signalRoles;
    QMetaObject::Connection m_connection;
    ObjectListRowBlock *m_block;
};
