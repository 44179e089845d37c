#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

#include "ObjectListRow.h"

#include <deque>
#include <memory>

class ObjectListArgument;
class ObjectSignalWatcher;

// A list model whose rows are existing objects and whose roles are their property names.
// A change of a role property (its notify signal) is a data change of that row and role.
// Objects are referenced, never owned.
class ObjectListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(QStringList knownRoles READ knownRoles WRITE setKnownRoles NOTIFY knownRolesChanged)
public:
    explicit ObjectListModel(QObject *parent = nullptr);
    ~ObjectListModel() override;

    int count() const { return int(m_rows.size()); }
    QStringList knownRoles() const;
    void setKnownRoles(const QStringList &roles);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(
        int row, int column = 0, const QModelIndex &parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    Q_INVOKABLE void clear();
    Q_INVOKABLE void remove(int index, int count = 1);
    Q_INVOKABLE void append(const QVariant &args);
    Q_INVOKABLE void insert(int index, const QVariant &args);
    Q_INVOKABLE QObject *get(int index) const;
    Q_INVOKABLE void set(int index, QObject *object);
    Q_INVOKABLE void setProperty(int index, const QString &property, const QVariant &value);
    Q_INVOKABLE void move(int from, int to, int count);
    Q_INVOKABLE void sync();

signals:
    void countChanged();
    void knownRolesChanged();

private:
    void insertObjects(int index, const ObjectListArgument &objects);
    // Writes through the row so its own notification is not reported a second time.
    bool writeProperty(int row, int role, const QVariant &value);
    int roleNumber(const QByteArray &name) const;
    int appendRole(const QByteArray &name);
    void renumberRows(int first, int last);
    void remapRows();
    void notifyRowChanged(int row, const QVector<int> &roles);

    QList<QByteArray> m_roles;
    QHash<QByteArray, int> m_roleIndex;
    // One shared vector per role, so a change notification allocates nothing.
    QVector<QVector<int>> m_singleRoles;
    std::deque<ObjectListRow::Pointer> m_rows;
    std::unique_ptr<ObjectSignalWatcher> m_watcher;
};
