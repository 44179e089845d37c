#pragma once

#include <QPointer>
#include <QSGGeometryNode>

#include "GraphicElement.h"

// The triangles of one element; remembers which element they came from.
class SGElementGeometryNode : public QSGGeometryNode
{
public:
    explicit SGElementGeometryNode(QSGMaterial *material);

    GraphicElement *element() const { return m_element; }
    void setElement(GraphicElement *element) { m_element = element; }

private:
    QPointer<GraphicElement> m_element;
};
