#include "SGGraphicNode.h"

#include "SGElementGeometryNode.h"
#include "SimpleFlatColorMaterial.h"
#include "StencilMaterial.h"

namespace {
constexpr double opaqueAlpha = 0.96;
}

SGGraphicNode::SGGraphicNode()
    : m_flatMaterial(std::make_unique<SimpleFlatColorMaterial>(Qt::white))
    , m_stencilMaterial(std::make_unique<StencilMaterial>())
    , m_container(new QSGNode)
    , m_currentMaterial(m_flatMaterial.get())
{
    m_container->setFlag(OwnedByParent);
    appendChildNode(m_container);
}

SGGraphicNode::~SGGraphicNode()
{
    // The geometry nodes refer to the materials; they go first.
    removeAllChildNodes();
    delete m_container;
}

QVector<SGElementGeometryNode *> SGGraphicNode::geometryNodes() const
{
    QVector<SGElementGeometryNode *> nodes;
    for (QSGNode *node = m_container->firstChild(); node; node = node->nextSibling())
        nodes.append(static_cast<SGElementGeometryNode *>(node));
    return nodes;
}

void SGGraphicNode::applyColor(const QColor &color, bool disableStencilPainting)
{
    if (m_colorApplied && color == m_currentColor && disableStencilPainting == m_stencilDisabled)
        return;
    m_colorApplied = true;
    m_currentColor = color;
    m_stencilDisabled = disableStencilPainting;

    const bool nearlyOpaque = color.alphaF() > opaqueAlpha;
    QSGMaterial *chosen;
    if (disableStencilPainting || nearlyOpaque) {
        QColor flat = color;
        if (nearlyOpaque)
            flat.setAlpha(255);
        m_flatMaterial->setColor(flat);
        chosen = m_flatMaterial.get();
    } else {
        m_stencilMaterial->setColor(color);
        chosen = m_stencilMaterial.get();
    }
    const bool switched = chosen != m_currentMaterial;
    m_currentMaterial = chosen;
    const QVector<SGElementGeometryNode *> nodes = geometryNodes();
    for (SGElementGeometryNode *node : nodes) {
        if (switched)
            node->setMaterial(chosen);
        node->markDirty(DirtyMaterial);
    }
}
