#include "BuildContext.h"

BuildContext::BuildContext(Qt::FillRule fillRule)
    : m_fillRule(fillRule)
{ }

QPainterPath BuildContext::emptyPath() const
{
    QPainterPath path;
    path.setFillRule(m_fillRule);
    return path;
}
