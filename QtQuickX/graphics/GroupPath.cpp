#include "GroupPath.h"

#include "ListPropertyOf.h"

#include "BuildContext.h"

#include <QPainterPath>

namespace {
bool isInstantiator(const QObject *object)
{
    return object->inherits("QQmlInstantiator");
}
} // namespace

GroupPath::GroupPath(QObject *parent)
    : PainterPathElement(parent)
{ }

GroupPath::~GroupPath()
{
    // Children die after this part of the group; what they report on the way (a RefPath to this
    // group reports its target's destruction) must not reach it.
    disconnectEntries();
}

void GroupPath::disconnectEntries()
{
    for (const Entry &entry : qAsConst(m_entries)) {
        if (entry.source)
            entry.source->disconnect(this);
        for (const QPointer<QObject> &object : entry.objects) {
            if (object)
                object->disconnect(this);
        }
    }
}

QQmlListProperty<QObject> GroupPath::paths()
{
    return listPropertyOf<QObject, GroupPath, &GroupPath::appendPath, &GroupPath::pathCount,
        &GroupPath::pathAt, &GroupPath::clearPaths>(this);
}

void GroupPath::appendPath(QObject *object)
{
    if (!object)
        return;
    Entry entry;
    entry.source = object;
    if (isInstantiator(object)) {
        entry.instantiator = true;
        const int count = object->property("count").toInt();
        for (int i = 0; i < count; ++i) {
            QObject *created = nullptr;
            QMetaObject::invokeMethod(
                object, "objectAt", Q_RETURN_ARG(QObject *, created), Q_ARG(int, i));
            entry.objects.append(created);
        }
        connect(object, SIGNAL(objectAdded(int, QObject *)), this,
            SLOT(instantiatorObjectAdded(int, QObject *)), Qt::UniqueConnection);
        connect(object, SIGNAL(objectRemoved(int, QObject *)), this,
            SLOT(instantiatorObjectRemoved(int, QObject *)), Qt::UniqueConnection);
    } else {
        entry.objects.append(object);
    }
    m_entries.append(entry);
    for (const QPointer<QObject> &created : qAsConst(entry.objects))
        track(created);
    invalidate();
    emit pathsChanged();
}

void GroupPath::clearPaths()
{
    disconnectEntries();
    m_entries.clear();
    invalidate();
    emit pathsChanged();
}

QObject *GroupPath::pathAt(int index) const
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    return m_entries.at(index).source;
}

QVector<PainterPathElement *> GroupPath::children() const
{
    QVector<PainterPathElement *> result;
    for (const Entry &entry : m_entries) {
        for (const QPointer<QObject> &object : entry.objects) {
            if (auto *element = qobject_cast<PainterPathElement *>(object.data()))
                result.append(element);
        }
    }
    return result;
}

QVector<PainterPathElement *> GroupPath::visibleChildren() const
{
    QVector<PainterPathElement *> result = children();
    result.erase(std::remove_if(result.begin(), result.end(),
                     [](const PainterPathElement *child) { return !child->isVisible(); }),
        result.end());
    return result;
}

void GroupPath::validate()
{
    PainterPathElement::validate();
    // Hidden children too: a stale flag would swallow the change that shows them again.
    const QVector<PainterPathElement *> all = children();
    for (PainterPathElement *child : all)
        child->validate();
}

void GroupPath::buildPath(QPainterPath &path, BuildContext &context)
{
    const QVector<PainterPathElement *> visible = visibleChildren();
    for (PainterPathElement *child : visible)
        child->addToPath(path, context);
}

QPainterPath GroupPath::buildChildren(BuildContext &context) const
{
    QPainterPath path = context.emptyPath();
    const QVector<PainterPathElement *> visible = visibleChildren();
    for (PainterPathElement *child : visible)
        child->addToPath(path, context);
    return path;
}

void GroupPath::childPathInvalidated()
{
    invalidate();
}

void GroupPath::instantiatorObjectAdded(int index, QObject *object)
{
    Entry *entry = entryOf(sender());
    if (!entry)
        return;
    entry->objects.insert(qBound(0, index, entry->objects.size()), object);
    track(object);
    invalidate();
}

void GroupPath::instantiatorObjectRemoved(int index, QObject *object)
{
    Entry *entry = entryOf(sender());
    if (!entry)
        return;
    if (index >= 0 && index < entry->objects.size() && entry->objects.at(index) == object)
        entry->objects.remove(index);
    else
        entry->objects.removeAll(object);
    untrack(object);
    invalidate();
}

GroupPath::Entry *GroupPath::entryOf(QObject *source)
{
    for (Entry &entry : m_entries) {
        if (entry.source == source)
            return &entry;
    }
    return nullptr;
}

void GroupPath::track(QObject *object)
{
    auto *element = qobject_cast<PainterPathElement *>(object);
    if (!element)
        return;
    connect(element, &PainterPathElement::invalidated, this, &GroupPath::childPathInvalidated,
        Qt::UniqueConnection);
    connect(
        element, &QObject::destroyed, this, &GroupPath::childPathInvalidated, Qt::UniqueConnection);
}

void GroupPath::untrack(QObject *object)
{
    if (object && !contains(object))
        object->disconnect(this);
}

bool GroupPath::contains(QObject *object) const
{
    for (const Entry &entry : m_entries) {
        if (entry.objects.contains(object))
            return true;
    }
    return false;
}
