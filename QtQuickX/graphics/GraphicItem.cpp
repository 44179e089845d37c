#include "GraphicItem.h"

#include "ListPropertyOf.h"

#include "SGElementGeometryNode.h"
#include "SGGraphicNode.h"

#include <private/qquickitem_p.h>

GraphicItem::GraphicItem(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents, true);
}

QQmlListProperty<GraphicElement> GraphicItem::elements()
{
    return listPropertyOf<GraphicElement, GraphicItem, &GraphicItem::appendElement,
        &GraphicItem::elementCount, &GraphicItem::elementAt, &GraphicItem::clearElements>(this);
}

void GraphicItem::appendElement(GraphicElement *element)
{
    if (!element)
        return;
    m_elements.append(element);
    connect(element, &GraphicElement::itemChanged, this, &GraphicItem::onElementChanged,
        Qt::UniqueConnection);
    connect(
        element, &QObject::destroyed, this, &GraphicItem::onElementChanged, Qt::UniqueConnection);
    markElementChanged(element);
    emit elementsChanged();
}

void GraphicItem::clearElements()
{
    for (const QPointer<GraphicElement> &element : qAsConst(m_elements)) {
        if (element)
            element->disconnect(this);
    }
    m_elements.clear();
    m_changed.clear();
    markElementChanged(nullptr);
    emit elementsChanged();
}

void GraphicItem::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    m_colorDirty = true;
    update();
    emit colorChanged();
}

void GraphicItem::setDisableStencilPainting(bool disable)
{
    if (m_disableStencilPainting == disable)
        return;
    m_disableStencilPainting = disable;
    m_colorDirty = true;
    update();
    emit disableStencilPaintingChanged();
}

QRectF GraphicItem::bounds()
{
    if (m_boundsValid)
        return m_bounds;
    QRectF united;
    const QVector<GraphicElement *> elements = liveElements();
    for (GraphicElement *element : elements) {
        if (element->isVisible())
            united |= element->bounds();
    }
    m_bounds = united;
    m_boundsValid = true;
    return m_bounds;
}

bool GraphicItem::hitTestPoint(const QPointF &point, double tolerance)
{
    const QTransform t = itemToParent();
    return anyVisibleElementHits(
        [&](GraphicElement *element) { return element->hitTestPoint(point, tolerance, t); });
}

bool GraphicItem::hitTestRect(const QRectF &rect)
{
    const QTransform t = itemToParent();
    return anyVisibleElementHits(
        [&](GraphicElement *element) { return element->hitTestRect(rect, t); });
}

bool GraphicItem::hitTestPolygon(const PathData &polygon)
{
    const QTransform t = itemToParent();
    return anyVisibleElementHits(
        [&](GraphicElement *element) { return element->hitTestPolygon(polygon, t); });
}

void GraphicItem::onElementChanged()
{
    markElementChanged(qobject_cast<GraphicElement *>(sender()));
}

void GraphicItem::markElementChanged(GraphicElement *element)
{
    if (element)
        m_changed.insert(element);
    m_geometryDirty = true;
    m_boundsValid = false;
    update();
    emit boundsChanged();
}

QSGNode *GraphicItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *root = static_cast<SGGraphicNode *>(oldNode);
    if (m_elements.isEmpty()) {
        delete root;
        m_changed.clear();
        return nullptr;
    }
    if (!root) {
        root = new SGGraphicNode;
        root->applyColor(m_color, m_disableStencilPainting);
        m_colorDirty = false;
        // A fresh tree (first frame, or the scene graph was rebuilt) needs every element.
        const QVector<GraphicElement *> elements = liveElements();
        for (GraphicElement *element : elements)
            m_changed.insert(element);
        m_geometryDirty = true;
    }
    if (m_geometryDirty) {
        updateGeometryNodes(root);
        if (!root->container()->childCount()) {
            delete root;
            m_changed.clear();
            return nullptr;
        }
        root->setItemBounds(bounds());
        m_geometryDirty = false;
    }
    m_changed.clear();
    if (m_colorDirty) {
        root->applyColor(m_color, m_disableStencilPainting);
        m_colorDirty = false;
    }
    return root;
}

void GraphicItem::updateGeometryNodes(SGGraphicNode *root)
{
    QVector<SGElementGeometryNode *> spare;
    QSet<GraphicElement *> withNode;
    const QVector<SGElementGeometryNode *> nodes = root->geometryNodes();
    for (SGElementGeometryNode *node : nodes) {
        GraphicElement *element = node->element();
        if (element && !m_changed.contains(element)) {
            withNode.insert(element);
            continue;
        }
        QSGGeometry *geometry = element && element->isVisible() ? element->geometry() : nullptr;
        if (!geometry) {
            node->setElement(nullptr);
            spare.append(node);
            continue;
        }
        node->setGeometry(geometry);
        node->markDirty(QSGNode::DirtyGeometry);
        withNode.insert(element);
    }

    const QVector<GraphicElement *> elements = liveElements();
    for (GraphicElement *element : elements) {
        if (!m_changed.contains(element) || withNode.contains(element) || !element->isVisible())
            continue;
        QSGGeometry *geometry = element->geometry();
        if (!geometry)
            continue;
        SGElementGeometryNode *node = nullptr;
        if (!spare.isEmpty()) {
            node = spare.takeLast();
        } else {
            node = new SGElementGeometryNode(root->currentMaterial());
            root->container()->appendChildNode(node);
        }
        node->setElement(element);
        node->setGeometry(geometry);
        node->markDirty(QSGNode::DirtyGeometry);
        withNode.insert(element);
    }

    for (SGElementGeometryNode *node : qAsConst(spare)) {
        root->container()->removeChildNode(node);
        delete node;
    }
}

void GraphicItem::componentComplete()
{
    QQuickItem::componentComplete();
    update();
}

QVector<GraphicElement *> GraphicItem::liveElements() const
{
    QVector<GraphicElement *> result;
    result.reserve(m_elements.size());
    for (const QPointer<GraphicElement> &element : m_elements) {
        if (element)
            result.append(element.data());
    }
    return result;
}

QTransform GraphicItem::itemToParent() const
{
    QTransform t;
    QQuickItemPrivate::get(this)->itemToParentTransform(t);
    return t;
}

template<typename Test>
bool GraphicItem::anyVisibleElementHits(Test test)
{
    const QVector<GraphicElement *> elements = liveElements();
    for (GraphicElement *element : elements) {
        if (element->isVisible() && test(element))
            return true;
    }
    return false;
}
