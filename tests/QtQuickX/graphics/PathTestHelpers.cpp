#include "PathTestHelpers.h"

#include <BuildContext.h>
#include <PainterPathElement.h>

#include <QPainterPath>
#include <QStringList>

#include <cmath>

namespace {
QString number(double value)
{
    const double rounded = std::round(value * 1000.0) / 1000.0;
    return QString::number(rounded == 0.0 ? 0.0 : rounded);
}
} // namespace

QString describePath(const QPainterPath &path)
{
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo())
            parts << QStringLiteral("M");
        else if (e.isLineTo())
            parts << QStringLiteral("L");
        else if (e.isCurveTo())
            parts << QStringLiteral("C");
        parts << number(e.x) << number(e.y);
    }
    return parts.join(QLatin1Char(' '));
}

QPainterPath buildTree(PainterPathElement &element)
{
    BuildContext context;
    QPainterPath path = context.emptyPath();
    element.addToPath(path, context);
    element.validate();
    return path;
}

int subpathCount(const QPainterPath &path)
{
    if (path.isEmpty())
        return 0;
    int count = 0;
    for (int i = 0; i < path.elementCount(); ++i)
        count += path.elementAt(i).isMoveTo() ? 1 : 0;
    return count;
}
