#pragma once

#include "PainterPathElement.h"

#include <QPointer>
#include <QQmlListProperty>
#include <QVector>

// Concatenates its visible children. The list takes path elements and Instantiators; an
// Instantiator stands for the span of objects it has created, kept up to date as it changes.
class GroupPath : public PainterPathElement
{
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<QObject> paths READ paths NOTIFY pathsChanged)
    Q_CLASSINFO("DefaultProperty", "paths")
public:
    explicit GroupPath(QObject *parent = nullptr);
    ~GroupPath() override;

    QQmlListProperty<QObject> paths();
    void appendPath(QObject *object);
    void clearPaths();
    int pathCount() const { return m_entries.size(); }
    QObject *pathAt(int index) const;

    // The path elements of the list in order, instantiated ones included.
    QVector<PainterPathElement *> children() const;
    QVector<PainterPathElement *> visibleChildren() const;

    void validate() override;
    void buildPath(QPainterPath &path, BuildContext &context) override;

signals:
    void pathsChanged();

protected:
    // Builds the visible children, each with its transformation, into one fresh path.
    QPainterPath buildChildren(BuildContext &context) const;

private slots:
    void childPathInvalidated();
    void instantiatorObjectAdded(int index, QObject *object);
    void instantiatorObjectRemoved(int index, QObject *object);

private:
    struct Entry
    {
        QPointer<QObject> source;
        bool instantiator = false;
        QVector<QPointer<QObject>> objects;
    };

    Entry *entryOf(QObject *source);
    void disconnectEntries();
    void track(QObject *object);
    void untrack(QObject *object);
    bool contains(QObject *object) const;

    QVector<Entry> m_entries;
};
