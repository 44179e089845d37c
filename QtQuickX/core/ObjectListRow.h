#pragma once

#include <QObject>
#include <QPointer>
#include <QVarLengthArray>

class ObjectListModel;

// One row of an ObjectListModel: watches the notify signals of its object's role properties.
class ObjectListRow : public QObject
{
    Q_OBJECT
public:
    ObjectListRow(ObjectListModel *model, int row, QObject *object);

    int row() const { return m_row; }
    void setRow(int row) { m_row = row; }
    QObject *object() const { return m_object.data(); }
    // Takes the object and connects the notify signals of the roles' properties.
    void setObject(QObject *object, const QList<QByteArray> &roles);
    void reconnect(const QList<QByteArray> &roles);

    // Changes made by the model itself are notified by the model, once.
    void beginUpdate() { ++m_updateDepth; }
    void endUpdate() { --m_updateDepth; }

private slots:
    void propertyChanged();

private:
    struct SignalRole
    {
        int signalIndex;
        int role;
    };

    int m_updateDepth = 0;
    ObjectListModel *m_model;
    int m_row;
    QPointer<QObject> m_object;
    QVarLengthArray<SignalRole, 2> m_signalRoles;
};
