#pragma once

#include <QJSValue>
#include <QObjectList>
#include <QVariant>

namespace QV4 {
struct ExecutionEngine;
}

// The objects an append or insert argument stands for: one per element when it is a list,
// else the argument itself. A script array is read element by element straight from the
// engine, without a list of all its objects first. Values that are not objects stand for null.
class ObjectListArgument
{
public:
    explicit ObjectListArgument(const QVariant &argument);

    int count() const { return m_count; }
    QObject *at(int index) const;

private:
    QObject *scriptArrayElement(int index) const;

    QJSValue m_scriptArray;
    QV4::ExecutionEngine *m_engine = nullptr;
    QVariantList m_variants;
    QObjectList m_objects;
    int m_count = 0;
};
