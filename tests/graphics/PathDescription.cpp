#include "PathDescription.h"

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
