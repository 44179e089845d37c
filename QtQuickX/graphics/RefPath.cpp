#include "RefPath.h"

RefPath::RefPath(QObject *parent)
    : PainterPathElement(parent)
{ }

void RefPath::setPath(PainterPathElement *path)
{
    if (!m_path.reset(path, this, &RefPath::pathInvalidated))
        return;
    invalidate();
    emit pathChanged();
}

void RefPath::validate()
{
    PainterPathElement::validate();
    if (!m_path || m_busy)
        return;
    m_busy = true;
    m_path->validate();
    m_busy = false;
}

void RefPath::buildPath(QPainterPath &path, BuildContext &context)
{
    if (!m_path || m_busy)
        return;
    m_busy = true;
    m_path->addToPath(path, context);
    m_busy = false;
}

void RefPath::pathInvalidated()
{
    invalidate();
}
