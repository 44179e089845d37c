#pragma once

#include "GraphicElement.h"

#include <QColor>
#include <QPointer>
#include <QQmlListProperty>
#include <QQuickItem>
#include <QSet>
#include <QVector>

class SGGraphicNode;

// Draws its graphic elements in one colour through the scene graph. Only elements that reported a
// change are triangulated again; nodes of hidden elements are reused for newly shown ones.
class GraphicItem : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<GraphicElement> elements READ elements NOTIFY elementsChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    // Always draw with the plain flat-colour material.
    Q_PROPERTY(bool disableStencilPainting READ disableStencilPainting WRITE
            setDisableStencilPainting NOTIFY disableStencilPaintingChanged)
    // Union of the visible elements' bounds.
    Q_PROPERTY(QRectF bounds READ bounds NOTIFY boundsChanged)
    Q_CLASSINFO("DefaultProperty", "elements")
public:
    explicit GraphicItem(QQuickItem *parent = nullptr);

    QQmlListProperty<GraphicElement> elements();
    void appendElement(GraphicElement *element);
    void clearElements();
    int elementCount() const { return m_elements.size(); }
    GraphicElement *elementAt(int index) const { return m_elements.value(index); }

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool disableStencilPainting() const { return m_disableStencilPainting; }
    void setDisableStencilPainting(bool disable);
    QRectF bounds();

    // Queries are in the coordinates of the parent item.
    Q_INVOKABLE bool hitTestPoint(const QPointF &point, double tolerance);
    Q_INVOKABLE bool hitTestRect(const QRectF &rect);
    Q_INVOKABLE bool hitTestPolygon(const PathData &polygon);

signals:
    void elementsChanged();
    void colorChanged();
    void disableStencilPaintingChanged();
    void boundsChanged();

protected slots:
    void onElementChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    void componentComplete() override;

private:
    void markElementChanged(GraphicElement *element);
    void updateGeometryNodes(SGGraphicNode *root);
    QVector<GraphicElement *> liveElements() const;
    QTransform itemToParent() const;
    template<typename Test>
    bool anyVisibleElementHits(Test test);

    QVector<QPointer<GraphicElement>> m_elements;
    QSet<GraphicElement *> m_changed;
    QColor m_color;
    bool m_disableStencilPainting = false;
    bool m_geometryDirty = false;
    bool m_colorDirty = false;
    bool m_boundsValid = false;
    QRectF m_bounds;
};
