#include "RefPath.h"

RefPath::RefPath(QObject *parent)
    : PainterPathElement(parent)
{ }

RefPath::~RefPath()
{
    // A referenced path may report this one's destruction back (two references to each other);
    // that must not reach the half-destroyed reference.
    m_path.reset(nullptr, this, &RefPath::pathInvalidated);
}

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
