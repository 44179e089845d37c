import QtQuick 2.15
import QtTest 1.2
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "Graphics"
    width: 300
    height: 200
    when: windowShown

    function recorder() {
        var calls = []
        return {
            calls: calls,
            moveTo: function (x, y) { calls.push("M " + x + " " + y) },
            lineTo: function (x, y) { calls.push("L " + x + " " + y) },
            bezierCurveTo: function (a, b, c, d, x, y) {
                calls.push("C " + [a, b, c, d, x, y].join(" "))
            }
        }
    }

    Component {
        id: itemComponent
        Item {
            property alias graphic: graphic
            GraphicItem {
                id: graphic
                x: 100
                y: 50
                transformOrigin: Item.TopLeft
                color: "red"
                PainterPathGraphics {
                    RectanglePath { rect: Qt.rect(0, 0, 20, 10) }
                }
                PainterPathGraphics {
                    visible: false
                    RectanglePath { rect: Qt.rect(-100, -100, 10, 10) }
                }
            }
        }
    }

    PainterPathGraphics {
        id: built
        matrixTransform: Qt.matrix4x4(2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)
        UnionPath {
            RectanglePath { rect: Qt.rect(0, 0, 10, 10) }
            RectanglePath { rect: Qt.rect(5, 0, 10, 10) }
        }
    }

    PainterPathGraphics {
        id: simplified
        SimplifyPath {
            id: simplifier
            algorithm: SimplifyPath.DouglasPeucker | SimplifyPath.OnFills
            tolerance: 0.5
            PolylinePath {
                Knot { vertex: Qt.point(0, 0) }
                Knot { vertex: Qt.point(5, 0.1) }
                Knot { vertex: Qt.point(10, 0) }
                Knot { vertex: Qt.point(10, 10) }
            }
        }
    }

    EllipsePath { id: ellipse }
    SignalSpy { id: ellipseSpy; target: ellipse; signalName: "invalidated" }

    PainterPathCanvasPainter {
        id: painter
        GroupPath {
            SvgPath { id: svg; pathData: "M0 0L10 0" }
            PolylinePath {
                Knot { vertex: Qt.point(0, 5); knotType: Knot.BezierCorner; outVec: Qt.point(1, 6) }
                Knot { vertex: Qt.point(4, 5); inVec: Qt.point(3, 6) }
            }
        }
    }
    SignalSpy { id: svgSpy; target: svg; signalName: "invalidated" }

    Canvas {
        id: canvas
        width: 40
        height: 40
        property var inside: []
        property var outside: []
        onPaint: {
            var ctx = getContext("2d")
            ctx.fillStyle = "#0000ff"
            ctx.beginPath()
            canvasPainter.paint(ctx)
            ctx.fill()
            inside = Array.prototype.slice.call(ctx.getImageData(20, 20, 1, 1).data)
            outside = Array.prototype.slice.call(ctx.getImageData(5, 5, 1, 1).data)
        }
        PainterPathCanvasPainter {
            id: canvasPainter
            RectanglePath { rect: Qt.rect(10, 10, 20, 20) }
        }
    }

    function test_abstractTypesAreUncreatable_data() {
        return [{ tag: "GraphicElement" }, { tag: "PainterPathElement" }, { tag: "BoxedPathBase" }]
    }

    function test_abstractTypesAreUncreatable(data) {
        var message = ""
        try {
            Qt.createQmlObject("import QtQuickX 1.0; " + data.tag + " {}", testCase)
        } catch (error) {
            message = error.qmlErrors[0].message
        }
        compare(message, "Use derived classes")
    }

    function test_pathDataOfATree() {
        // Union of 15 x 10 scaled by two.
        compare(Math.abs(built.pathData.area), 600)
        var moved = built.pathData.mapped(Qt.matrix4x4(1, 0, 0, 5, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1))
        compare(Math.abs(moved.area), 600)
    }

    function test_simplifyPathFromQml() {
        compare(simplifier.algorithm, 4096 + 7)
        // The near-straight knot goes; the triangle 0,0 - 10,0 - 10,10 remains.
        compare(Math.abs(simplified.pathData.area), 50)
        simplifier.algorithm = SimplifyPath.PerpendicularDistance
        simplifier.tolerance = 0
        // Nothing dropped: the knot slightly above the base line is back.
        compare(Math.abs(simplified.pathData.area), 49.5)
    }

    function test_burstOfChangesInvalidatesOnce() {
        ellipseSpy.clear()
        ellipse.rect = Qt.rect(0, 0, 1, 1)
        ellipse.rect = Qt.rect(0, 0, 2, 1)
        ellipse.rect = Qt.rect(0, 0, 3, 1)
        compare(ellipseSpy.count, 1)
    }

    function test_itemHitTests_data() {
        return [
            { tag: "translated, inside", scale: 1, rotation: 0, point: Qt.point(105, 55), hit: true },
            { tag: "translated, item coordinates miss", scale: 1, rotation: 0, point: Qt.point(5, 5), hit: false },
            { tag: "scaled, inside", scale: 2, rotation: 0, point: Qt.point(135, 65), hit: true },
            { tag: "scaled, beyond", scale: 2, rotation: 0, point: Qt.point(145, 75), hit: false },
            { tag: "rotated, inside", scale: 1, rotation: 90, point: Qt.point(95, 65), hit: true },
            { tag: "rotated, unrotated place misses", scale: 1, rotation: 90, point: Qt.point(115, 55), hit: false },
            { tag: "hidden element is ignored", scale: 1, rotation: 0, point: Qt.point(5, -45), hit: false }
        ]
    }

    function test_itemHitTests(data) {
        var holder = createTemporaryObject(itemComponent, testCase)
        holder.graphic.scale = data.scale
        holder.graphic.rotation = data.rotation
        compare(holder.graphic.hitTestPoint(data.point, 0), data.hit)
    }

    function test_tolerance() {
        var holder = createTemporaryObject(itemComponent, testCase)
        verify(!holder.graphic.hitTestPoint(Qt.point(121.5, 55), 0))
        verify(holder.graphic.hitTestPoint(Qt.point(121.5, 55), 2))
        verify(!holder.graphic.hitTestPoint(Qt.point(124, 55), 2))
    }

    function test_rectAndPolygonHits() {
        var holder = createTemporaryObject(itemComponent, testCase)
        verify(holder.graphic.hitTestRect(Qt.rect(115, 55, 20, 20)))
        verify(!holder.graphic.hitTestRect(Qt.rect(125, 55, 20, 20)))
        holder.graphic.rotation = 90
        verify(holder.graphic.hitTestRect(Qt.rect(92, 60, 2, 2)))
        verify(!holder.graphic.hitTestRect(Qt.rect(105, 55, 2, 2)))
        holder.graphic.rotation = 0
        // built.pathData covers (0,0)-(30,20) in the parent's coordinates.
        verify(!holder.graphic.hitTestPolygon(built.pathData))
        holder.graphic.x = 25
        holder.graphic.y = 15
        verify(holder.graphic.hitTestPolygon(built.pathData))
    }

    function test_hitTestHelper() {
        var square = [Qt.point(0, 0), Qt.point(10, 0), Qt.point(10, 10), Qt.point(0, 10)]
        var objects = [{ x: 0, y: 0 }, { x: 10, y: 0 }, { x: 10, y: 10 }, { x: 0, y: 10 }]
        var shift = Qt.matrix4x4(1, 0, 0, 20, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)
        verify(HitTestHelper.hitTestPoint(square, Qt.point(5, 5), 0))
        verify(HitTestHelper.hitTestPoint(objects, Qt.point(5, 5), 0))
        verify(HitTestHelper.hitTestPoint(square, Qt.point(25, 5), 0, shift))
        verify(!HitTestHelper.hitTestPoint(square, Qt.point(5, 5), 0, shift))
        verify(HitTestHelper.hitTestRect(square, Qt.rect(28, 8, 5, 5), shift))
        verify(!HitTestHelper.hitTestRect(square, Qt.rect(8, 8, 1, 1), shift))
        verify(HitTestHelper.hitTestPolygon(square, built.pathData))
        verify(!HitTestHelper.hitTestPoint("not a list", Qt.point(5, 5), 0))
        verify(!HitTestHelper.hitTestPoint(42, Qt.point(5, 5), 0))
    }

    function test_canvasPainterReplaysThePath() {
        var context = recorder()
        painter.paint(context)
        compare(context.calls, ["M 0 0", "L 10 0", "M 0 5", "C 1 6 3 6 4 5"])

        svgSpy.clear()
        svg.pathData = "M1 1L2 2"
        svg.pathData = "M1 1L3 3"
        compare(svgSpy.count, 1)
        context = recorder()
        painter.paint(context)
        compare(context.calls, ["M 1 1", "L 3 3", "M 0 5", "C 1 6 3 6 4 5"])
        // The rebuild re-armed the tree: the next change is reported again.
        svg.pathData = "M0 0L1 0"
        compare(svgSpy.count, 2)
    }

    function test_paintSvgPath() {
        var context = recorder()
        QtX.paintSvgPath(context, "M1.5 2.5L-3.7 4")
        compare(context.calls, ["M 1 2", "L -3 4"])
        context = recorder()
        QtX.paintSvgPath(context, "M1 1L3 3", Qt.matrix4x4(1.5, 0, 0, 0, 0, 1.5, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1))
        compare(context.calls, ["M 1 1", "L 4 4"])
    }

    function test_canvasPainterFillsARealCanvas() {
        canvas.requestPaint()
        tryVerify(function () { return canvas.inside.length === 4 })
        compare(canvas.inside, [0, 0, 255, 255])
        compare(canvas.outside, [0, 0, 0, 0])
    }
}
