#include "SGElementGeometryNode.h"

#include "GraphicElement.h"

SGElementGeometryNode::SGElementGeometryNode(QSGMaterial *material)
{
    setFlags(OwnedByParent | OwnsGeometry);
    setMaterial(material);
}
