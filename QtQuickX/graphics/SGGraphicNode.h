#pragma once

#include <QColor>
#include <QRectF>
#include <QSGNode>
#include <QVector>

#include <memory>

class SGElementGeometryNode;
class SimpleFlatColorMaterial;
class StencilMaterial;

// Root of a GraphicItem's nodes: holds the two colour materials and a container of one geometry
// node per drawn element. Opaque colours use the flat material, translucent ones the stencil one.
class SGGraphicNode : public QSGNode
{
public:
    SGGraphicNode();
    ~SGGraphicNode() override;

    QSGNode *container() const { return m_container; }
    QVector<SGElementGeometryNode *> geometryNodes() const;
    QSGMaterial *currentMaterial() const { return m_currentMaterial; }
    SimpleFlatColorMaterial *flatMaterial() const { return m_flatMaterial.get(); }
    StencilMaterial *stencilMaterial() const { return m_stencilMaterial.get(); }

    // Does nothing when neither the colour nor the stencil choice changed.
    void applyColor(const QColor &color, bool disableStencilPainting);

    QRectF itemBounds() const { return m_itemBounds; }
    void setItemBounds(const QRectF &bounds) { m_itemBounds = bounds; }

private:
    std::unique_ptr<SimpleFlatColorMaterial> m_flatMaterial;
    // Owned by the node tree rather than the item: the render thread may still draw it after the
    // item is gone.
    std::unique_ptr<StencilMaterial> m_stencilMaterial;
    QSGNode *m_container;
    QSGMaterial *m_currentMaterial;
    QColor m_currentColor;
    bool m_colorApplied = false;
    bool m_stencilDisabled = false;
    QRectF m_itemBounds;
};
