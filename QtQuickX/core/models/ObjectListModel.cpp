#include "ObjectListModel.h"

#include "ObjectListArgument.h"
#include "ObjectListRow.h"
#include "ObjectListRowBlock.h"
#include "ObjectSignalWatcher.h"

#include <QQmlInfo>

#include <algorithm>
#include <numeric>

ObjectListModel::ObjectListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_watcher(std::make_unique<ObjectSignalWatcher>([this](const ObjectListRow &row, int role) {
        notifyRowChanged(row.row(), m_singleRoles.at(role));
    }))
{ }

ObjectListModel::~ObjectListModel()
{
    m_rows.clear(); // disconnects the rows while the watcher still receives
}

QStringList ObjectListModel::knownRoles() const
{
    QStringList names;
    names.reserve(m_roles.size());
    for (const QByteArray &role : m_roles)
        names.append(QString::fromUtf8(role));
    return names;
}

void ObjectListModel::setKnownRoles(const QStringList &roles)
{
    if (roles == knownRoles())
        return;
    m_roles.clear();
    m_roleIndex.clear();
    m_singleRoles.clear();
    for (const QString &role : roles)
        appendRole(role.toUtf8());
    remapRows();
    emit knownRolesChanged();
}

int ObjectListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QModelIndex ObjectListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= count())
        return QModelIndex();
    return createIndex(row, column);
}

QHash<int, QByteArray> ObjectListModel::roleNames() const
{
    QHash<int, QByteArray> names;
    for (int role = 0; role < m_roles.size(); ++role)
        names.insert(role, m_roles.at(role));
    return names;
}

QVariant ObjectListModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row >= count() || role < 0 || role >= m_roles.size())
        return QVariant();
    const QObject *object = m_rows[size_t(row)]->object();
    return object ? object->property(m_roles.at(role).constData()) : QVariant();
}

bool ObjectListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int row = index.row();
    if (!index.isValid() || row >= count() || role < 0 || role >= m_roles.size())
        return false;
    return writeProperty(row, role, value);
}

void ObjectListModel::clear()
{
    if (m_rows.empty())
        return;
    beginRemoveRows(QModelIndex(), 0, count() - 1);
    m_rows.clear();
    endRemoveRows();
    emit countChanged();
}

void ObjectListModel::remove(int index, int count)
{
    if (index < 0 || count <= 0 || index + count > this->count()) {
        qmlWarning(this) << tr("remove: indices [%1 - %2] out of range [0 - %3]")
                                .arg(index)
                                .arg(index + count)
                                .arg(this->count());
        return;
    }
    beginRemoveRows(QModelIndex(), index, index + count - 1);
    m_rows.erase(m_rows.begin() + index, m_rows.begin() + index + count);
    renumberRows(index, this->count() - 1);
    endRemoveRows();
    emit countChanged();
}

void ObjectListModel::append(const QVariant &args)
{
    insertObjects(count(), ObjectListArgument(args));
}

void ObjectListModel::insert(int index, const QVariant &args)
{
    if (index < 0 || index > count()) {
        qmlWarning(this) << tr("insert: index %1 out of range").arg(index);
        return;
    }
    insertObjects(index, ObjectListArgument(args));
}

void ObjectListModel::insertObjects(int index, const ObjectListArgument &objects)
{
    const int added = objects.count();
    if (added == 0)
        return;
    beginInsertRows(QModelIndex(), index, index + added - 1);
    // Created at the end and then moved into place: connecting runs the objects' code, which
    // must not find the model holding anything but whole rows.
    const int end = count();
    for (int first = 0; first < added; first += ObjectListRowBlock::maximumRows) {
        const int rows = qMin(added - first, ObjectListRowBlock::maximumRows);
        ObjectListRowBlock *block = ObjectListRowBlock::create(rows, sizeof(ObjectListRow));
        for (int i = first; i < first + rows; ++i) {
            m_rows.push_back(ObjectListRow::create(index + i, objects.at(i), *block));
            m_watcher->watch(*m_rows.back());
        }
        block->release();
    }
    std::rotate(m_rows.begin() + index, m_rows.begin() + end, m_rows.end());
    renumberRows(index + added, count() - 1);
    endInsertRows();
    emit countChanged();
}

QObject *ObjectListModel::get(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_rows[size_t(index)]->object();
}

void ObjectListModel::set(int index, QObject *object)
{
    if (index == count()) {
        insertObjects(index, ObjectListArgument(QVariant::fromValue(object)));
        return;
    }
    if (index < 0 || index > count()) {
        qmlWarning(this) << tr("set: index %1 out of range").arg(index);
        return;
    }
    ObjectListRow &row = *m_rows[size_t(index)];
    if (row.object() == object)
        return;
    row.setObject(object);
    m_watcher->watch(row);
    if (m_roles.isEmpty())
        return;
    QVector<int> allRoles(m_roles.size());
    std::iota(allRoles.begin(), allRoles.end(), 0);
    notifyRowChanged(index, allRoles);
}

void ObjectListModel::setProperty(int index, const QString &property, const QVariant &value)
{
    if (index < 0 || index >= count()) {
        qmlWarning(this) << tr("set: index %1 out of range").arg(index);
        return;
    }
    const QByteArray name = property.toUtf8();
    int role = roleNumber(name);
    if (role < 0) {
        role = appendRole(name);
        remapRows();
    }
    writeProperty(index, role, value);
}

bool ObjectListModel::writeProperty(int row, int role, const QVariant &value)
{
    ObjectListRow &target = *m_rows[size_t(row)];
    QObject *object = target.object();
    if (!object)
        return false;
    target.beginUpdate();
    const bool written = object->setProperty(m_roles.at(role).constData(), value);
    target.endUpdate();
    if (written)
        notifyRowChanged(row, m_singleRoles.at(role));
    return written;
}

void ObjectListModel::move(int from, int to, int count)
{
    if (count == 0 || from == to)
        return;
    if (from < 0 || to < 0 || count < 0 || from + count > this->count()
        || to + count > this->count()) {
        qmlWarning(this) << tr("move: out of range");
        return;
    }
    const int destination = from < to ? to + count : to;
    beginMoveRows(QModelIndex(), from, from + count - 1, QModelIndex(), destination);
    const auto begin = m_rows.begin();
    if (from < to)
        std::rotate(begin + from, begin + from + count, begin + to + count);
    else
        std::rotate(begin + to, begin + from, begin + from + count);
    renumberRows(qMin(from, to), qMax(from, to) + count - 1);
    endMoveRows();
}

void ObjectListModel::sync()
{
    qmlWarning(this) << tr("List sync() can only be called from a WorkerScript");
}

void ObjectListModel::notifyRowChanged(int row, const QVector<int> &roles)
{
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, roles);
}

int ObjectListModel::roleNumber(const QByteArray &name) const
{
    return m_roleIndex.value(name, -1);
}

int ObjectListModel::appendRole(const QByteArray &name)
{
    m_roles.append(name);
    const int role = m_roles.size() - 1;
    m_roleIndex.insert(name, role);
    m_singleRoles.append(QVector<int> { role });
    return role;
}

void ObjectListModel::renumberRows(int first, int last)
{
    for (int row = first; row <= last; ++row)
        m_rows[size_t(row)]->setRow(row);
}

void ObjectListModel::remapRows()
{
    m_watcher->setRoles(m_roles);
    for (const auto &row : m_rows)
        m_watcher->remap(*row);
}
