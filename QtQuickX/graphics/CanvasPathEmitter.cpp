#include "CanvasPathEmitter.h"

#include "SvgPathParser.h"

#include <QPainterPath>
#include <QtGlobal>

#include <cmath>

namespace {
QPointF truncated(const QPointF &point)
{
    return QPointF(std::trunc(point.x()), std::trunc(point.y()));
}
} // namespace

CanvasPathEmitter::CanvasPathEmitter(const QJSValue &context2d)
    : m_context(context2d)
    , m_moveTo(context2d.property(QStringLiteral("moveTo")))
    , m_lineTo(context2d.property(QStringLiteral("lineTo")))
    , m_bezierCurveTo(context2d.property(QStringLiteral("bezierCurveTo")))
{ }

void CanvasPathEmitter::emitPath(const QPainterPath &path, Points points)
{
    const bool truncate = points == Points::TruncatedToWholeUnits;
    QPointF shift;
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e0 = path.elementAt(i);
        if (e0.isMoveTo() || e0.isLineTo()) {
            const QPointF point = truncate ? truncated(e0) : QPointF(e0);
            shift = point - QPointF(e0);
            call(e0.isMoveTo() ? m_moveTo : m_lineTo, { point.x(), point.y() });
        } else if (e0.isCurveTo() && i + 2 < count) {
            const QPointF end = path.elementAt(i + 2);
            const QPointF endPoint = truncate ? truncated(end) : end;
            const QPointF first = QPointF(e0) + shift;
            shift = endPoint - end;
            const QPointF second = QPointF(path.elementAt(i + 1)) + shift;
            call(m_bezierCurveTo,
                { first.x(), first.y(), second.x(), second.y(), endPoint.x(), endPoint.y() });
            i += 2;
        } else {
            qFatal("Unknown e0.type");
        }
    }
}

void CanvasPathEmitter::paintSvgPath(
    const QJSValue &context2d, const QString &svg, const QMatrix4x4 &transform)
{
    QPainterPath path;
    SvgPathParser::parse(svg, path);
    if (!transform.isIdentity())
        path = transform.toTransform().map(path);
    CanvasPathEmitter(context2d).emitPath(path, Points::TruncatedToWholeUnits);
}

void CanvasPathEmitter::call(QJSValue &function, const QJSValueList &arguments)
{
    function.callWithInstance(m_context, arguments);
}
