#include "TreeOrder.h"

#include <QHash>
#include <QMetaProperty>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {

struct Node
{
    qint64 id = 0;
    qint64 parentId = 0;
    QString name;
    bool listed = false;
    bool named = false;
};

// Reads the three properties of objects that mostly share one class, looking each up once
// per class; plain script objects arrive as maps.
class NodeReader
{
public:
    NodeReader(const QString &idKey, const QString &parentKey, const QString &nameKey)
        : m_names { idKey, parentKey, nameKey }
        , m_keys { idKey.toLatin1(), parentKey.toLatin1(), nameKey.toLatin1() }
    { }

    Node read(const QVariant &item)
    {
        if (const QObject *object = item.value<QObject *>())
            return read(object);
        Node node;
        if (item.userType() == QMetaType::QVariantMap) {
            const QVariantMap map = item.toMap();
            node.id = map.value(m_names[0]).toLongLong();
            node.parentId = map.value(m_names[1]).toLongLong();
            node.listed = true;
        }
        return node;
    }

    QString name(const QVariant &item) const
    {
        if (const QObject *object = item.value<QObject *>())
            return value(object, 2).toString();
        return item.toMap().value(m_names[2]).toString();
    }

private:
    Node read(const QObject *object)
    {
        // Each object of a script-declared type has its own meta-object over the type's shared
        // tables: the tables tell whether the lookups still hold.
        const QMetaObject *meta = object->metaObject();
        if (meta->d.data != m_layout) {
            m_layout = meta->d.data;
            for (int k = 0; k < 3; ++k) {
                m_indexes[k] = meta->indexOfProperty(m_keys[k].constData());
                m_types[k] = m_indexes[k] < 0 ? QMetaType::UnknownType
                                              : meta->property(m_indexes[k]).userType();
            }
        }
        Node node;
        node.id = value(object, 0).toLongLong();
        node.parentId = value(object, 1).toLongLong();
        node.listed = true;
        return node;
    }

    // As QMetaProperty::read, with the type looked up once per class instead of by name on
    // every read: that lookup was most of the time a read took.
    QVariant value(const QObject *object, int key) const
    {
        // A name that is no declared property may still be a dynamic one.
        if (m_indexes[key] < 0 || m_types[key] == QMetaType::UnknownType)
            return object->property(m_keys[key].constData());
        QVariant value;
        int status = -1;
        void *argv[] = { nullptr, &value, &status };
        if (m_types[key] == QMetaType::QVariant) {
            argv[0] = &value;
        } else {
            value = QVariant(m_types[key], nullptr);
            argv[0] = value.data();
        }
        QMetaObject::metacall(
            const_cast<QObject *>(object), QMetaObject::ReadProperty, m_indexes[key], argv);
        return value;
    }

    QString m_names[3];
    QByteArray m_keys[3];
    const uint *m_layout = nullptr;
    int m_indexes[3] = { -1, -1, -1 };
    int m_types[3] = { QMetaType::UnknownType, QMetaType::UnknownType, QMetaType::UnknownType };
};

} // namespace

QVector<int> TreeOrder::of(const QVariantList &objects, const QString &idKey,
    const QString &parentKey, const QString &nameKey) const
{
    const int count = objects.size();
    std::vector<Node> nodes(size_t(count), Node {});
    NodeReader reader(idKey, parentKey, nameKey);
    QHash<qint64, int> byId;
    byId.reserve(count);
    for (int i = 0; i < count; ++i) {
        nodes[size_t(i)] = reader.read(objects.at(i));
        if (nodes[size_t(i)].listed)
            byId.insert(nodes[size_t(i)].id, i);
    }
    // Names are read only where siblings are sorted: a chain needs none.
    const auto sortByName = [&](std::vector<int>::iterator begin, std::vector<int>::iterator end) {
        if (end - begin < 2)
            return;
        for (auto at = begin; at != end; ++at) {
            Node &node = nodes[size_t(*at)];
            if (!node.named) {
                node.name = reader.name(objects.at(*at));
                node.named = true;
            }
        }
        std::sort(begin, end, [&nodes](int a, int b) {
            const Node &x = nodes[size_t(a)];
            const Node &y = nodes[size_t(b)];
            const int order = QString::localeAwareCompare(x.name, y.name);
            return order != 0 ? order < 0 : x.id < y.id;
        });
    };

    // Children of each position as one sorted run per parent; top-level ones under -1.
    std::vector<int> parentOf(size_t(count), -1);
    std::vector<int> roots;
    std::vector<int> childCount(size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        const Node &node = nodes[size_t(i)];
        if (!node.listed)
            continue;
        const bool hasParent
            = node.parentId != 0 && node.parentId != node.id && byId.contains(node.parentId);
        if (hasParent) {
            parentOf[size_t(i)] = byId.value(node.parentId);
            ++childCount[size_t(parentOf[size_t(i)])];
        } else {
            roots.push_back(i);
        }
    }
    std::vector<int> firstChild(size_t(count) + 1, 0);
    for (int i = 0; i < count; ++i)
        firstChild[size_t(i) + 1] = firstChild[size_t(i)] + childCount[size_t(i)];
    std::vector<int> children(static_cast<size_t>(firstChild[size_t(count)]));
    std::vector<int> filled(firstChild.begin(), firstChild.end() - 1);
    for (int i = 0; i < count; ++i) {
        if (parentOf[size_t(i)] >= 0)
            children[size_t(filled[size_t(parentOf[size_t(i)])]++)] = i;
    }
    for (int i = 0; i < count; ++i) {
        sortByName(
            children.begin() + firstChild[size_t(i)], children.begin() + firstChild[size_t(i) + 1]);
    }
    sortByName(roots.begin(), roots.end());

    QVector<int> order;
    order.reserve(3 * count);
    QSet<qint64> visited;
    visited.reserve(count);
    std::vector<std::pair<int, int>> pending;
    const auto walkFrom = [&](int top) {
        pending.assign(1, { top, 0 });
        while (!pending.empty()) {
            const auto [at, depth] = pending.back();
            pending.pop_back();
            const Node &node = nodes[size_t(at)];
            if (visited.contains(node.id))
                continue;
            visited.insert(node.id);
            order << at << depth << int(node.id);
            for (int k = firstChild[size_t(at) + 1] - 1; k >= firstChild[size_t(at)]; --k)
                pending.emplace_back(children[size_t(k)], depth + 1);
        }
    };
    for (int root : roots)
        walkFrom(root);
    // What is left hangs in circles of parents.
    std::vector<int> rest;
    for (int i = 0; i < count; ++i) {
        if (nodes[size_t(i)].listed && !visited.contains(nodes[size_t(i)].id))
            rest.push_back(i);
    }
    sortByName(rest.begin(), rest.end());
    for (int top : rest)
        walkFrom(top);
    return order;
}
