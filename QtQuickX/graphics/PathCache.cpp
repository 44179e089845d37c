#include "PathCache.h"

#include "BuildContext.h"
#include "PainterPathElement.h"

const QPainterPath &PathCache::path(PainterPathElement *root, const QMatrix4x4 &transform)
{
    if (!m_dirty)
        return m_path;
    m_dirty = false;
    BuildContext context(m_fillRule);
    QPainterPath path = context.emptyPath();
    if (root) {
        root->addToPath(path, context);
        root->validate();
        if (!transform.isIdentity())
            path = transform.toTransform().map(path);
    }
    m_path = path;
    m_bounds = m_path.boundingRect();
    return m_path;
}
