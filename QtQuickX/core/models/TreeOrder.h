#pragma once

#include <QObject>
#include <QVariantList>
#include <QVector>

// Tree order of objects that name their parent by id, for lists of thousands of rows: reading
// each object's id, parent and name once from C++ keeps a deep or wide tree off the script
// engine's property lookups.
class TreeOrder : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Triples (position in objects, depth, id), one per id: each object right after its parent,
    // siblings by name (locale-aware) then id. A parent id of 0, of an object not listed or of
    // the object itself makes a top-level object; objects whose parents run in a circle are
    // walked from the first of them by name, so every id still gets one row.
    Q_INVOKABLE QVector<int> of(const QVariantList &objects, const QString &idKey,
        const QString &parentKey, const QString &nameKey) const;
};
