#pragma once

#include <QJSValue>
#include <QMatrix4x4>

class QPainterPath;

// Replays a path onto a QML Canvas 2D context through its moveTo, lineTo and bezierCurveTo.
// It neither begins, fills nor strokes: the caller does that around it with its own styles.
class CanvasPathEmitter
{
public:
    enum class Points { Exact, TruncatedToWholeUnits };

    explicit CanvasPathEmitter(const QJSValue &context2d);

    // Truncation moves each curve control point with the anchor it belongs to.
    void emitPath(const QPainterPath &path, Points points = Points::Exact);

    // SVG path data mapped by transform, with points truncated toward zero to whole units.
    static void paintSvgPath(
        const QJSValue &context2d, const QString &svg, const QMatrix4x4 &transform = QMatrix4x4());

private:
    void call(QJSValue &function, const QJSValueList &arguments);

    QJSValue m_context;
    QJSValue m_moveTo;
    QJSValue m_lineTo;
    QJSValue m_bezierCurveTo;
};
