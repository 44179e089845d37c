#include "PainterPathElement.h"

#include "BuildContext.h"

#include <QPainterPath>

PainterPathElement::PainterPathElement(QObject *parent)
    : QObject(parent)
{ }

void PainterPathElement::setVisible(bool visible)
{
    if (assign(m_visible, visible))
        emit visibleChanged();
}

void PainterPathElement::setTransformation(const QMatrix4x4 &transformation)
{
    if (assign(m_transformation, transformation))
        emit transformationChanged();
}

void PainterPathElement::validate()
{
    m_invalidated = false;
}

void PainterPathElement::addToPath(QPainterPath &path, BuildContext &context)
{
    if (m_transformation.isIdentity()) {
        buildPath(path, context);
        return;
    }
    QPainterPath own = context.emptyPath();
    buildPath(own, context);
    path.addPath(m_transformation.toTransform().map(own));
}

void PainterPathElement::invalidate()
{
    if (m_invalidated)
        return;
    m_invalidated = true;
    emit invalidated();
}
