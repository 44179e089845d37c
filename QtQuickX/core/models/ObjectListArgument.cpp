#include "ObjectListArgument.h"

#include <private/qjsvalue_p.h>
#include <private/qv4arrayobject_p.h>
#include <private/qv4qobjectwrapper_p.h>

#include <QQmlListReference>

#include <limits>

namespace {

// A QML list property (such as an item's children) as the list of its objects.
bool listPropertyObjects(const QVariant &value, QObjectList *objects)
{
    if (value.userType() != qMetaTypeId<QQmlListReference>())
        return false;
    const QQmlListReference list = value.value<QQmlListReference>();
    const int count = list.canCount() && list.canAt() ? list.count() : 0;
    for (int i = 0; i < count; ++i)
        objects->append(list.at(i));
    return true;
}

QObject *toObject(const QVariant &value)
{
    if (value.userType() == QMetaType::QObjectStar)
        return *static_cast<QObject *const *>(value.constData());
    if (value.userType() == qMetaTypeId<QJSValue>())
        return value.value<QJSValue>().toQObject();
    return value.canConvert<QObject *>() ? value.value<QObject *>() : nullptr;
}

} // namespace

ObjectListArgument::ObjectListArgument(const QVariant &argument)
{
    QVariant value = argument;
    if (value.userType() == qMetaTypeId<QJSValue>()) {
        const QJSValue script = value.value<QJSValue>();
        if (script.isObject() && !script.isArray() && !script.isQObject()
            && listPropertyObjects(script.toVariant(), &m_objects)) {
            m_count = m_objects.size();
            return;
        }
        if (!script.isArray()) {
            m_objects.append(toObject(value));
            m_count = 1;
            return;
        }
        if (QV4::ExecutionEngine *engine = QJSValuePrivate::engine(&script)) {
            QV4::Scope scope(engine);
            QV4::ScopedArrayObject array(scope, *QJSValuePrivate::getValue(&script));
            if (array) {
                m_engine = engine;
                m_scriptArray = script;
                // An array longer than any model can be stands for no objects.
                const uint length = array->getLength();
                m_count = length <= uint(std::numeric_limits<int>::max()) ? int(length) : 0;
                return;
            }
        }
        value = script.toVariant();
    }
    if (listPropertyObjects(value, &m_objects)) {
        m_count = m_objects.size();
    } else if (value.userType() == qMetaTypeId<QObjectList>()) {
        m_objects = value.value<QObjectList>();
        m_count = m_objects.size();
    } else if (value.userType() == QMetaType::QVariantList) {
        m_variants = value.toList();
        m_count = m_variants.size();
    } else {
        m_objects.append(toObject(value));
        m_count = 1;
    }
}

QObject *ObjectListArgument::at(int index) const
{
    if (m_engine)
        return scriptArrayElement(index);
    if (!m_variants.isEmpty())
        return toObject(m_variants.at(index));
    return m_objects.at(index);
}

QObject *ObjectListArgument::scriptArrayElement(int index) const
{
    const QV4::Value *value = QJSValuePrivate::getValue(&m_scriptArray);
    // A plain array's elements are read from its storage; holes, accessors and the rest go
    // through the engine.
    const QV4::Heap::ArrayData *data = value->as<QV4::ArrayObject>()->arrayData();
    if (data && data->type == QV4::Heap::ArrayData::Simple && !data->attrs
        && uint(index) < data->values.size) {
        const QV4::Value &element
            = static_cast<const QV4::Heap::SimpleArrayData *>(data)->data(uint(index));
        if (const QV4::QObjectWrapper *wrapper = element.as<QV4::QObjectWrapper>())
            return wrapper->object();
    }
    QV4::Scope scope(m_engine);
    QV4::ScopedArrayObject array(scope, *value);
    QV4::ScopedValue element(scope, array->get(uint(index)));
    if (const QV4::QObjectWrapper *wrapper = element->as<QV4::QObjectWrapper>())
        return wrapper->object();
    // Converted as a variant list would have converted it.
    return toObject(m_engine->toVariant(element, -1));
}
