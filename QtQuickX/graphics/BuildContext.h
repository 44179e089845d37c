#pragma once

#include <QPainterPath>

// What a consumer hands to a path element tree while it is built: every temporary path an element
// makes comes from here, so it carries the consumer's fill rule.
class BuildContext
{
public:
    explicit BuildContext(Qt::FillRule fillRule = Qt::WindingFill);

    QPainterPath emptyPath() const;
    Qt::FillRule fillRule() const { return m_fillRule; }

private:
    Qt::FillRule m_fillRule;
};
