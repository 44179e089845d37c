#include <CanvasPathEmitter.h>

#include <QJSEngine>
#include <QPainterPath>
#include <QtTest>

class TestCanvasPathEmitter : public QObject
{
    Q_OBJECT
private slots:
    void svgPointsAreTruncated_data();
    void svgPointsAreTruncated();
    void exactPathKeepsFractions();

private:
    QJSValue recorder();
    QString calls(const QJSValue &context) const;

    QJSEngine m_engine;
};

QJSValue TestCanvasPathEmitter::recorder()
{
    return m_engine.evaluate(QStringLiteral(R"((function () {
        var calls = []
        return {
            calls: calls,
            moveTo: function (x, y) { calls.push("M " + x + " " + y) },
            lineTo: function (x, y) { calls.push("L " + x + " " + y) },
            bezierCurveTo: function (a, b, c, d, x, y) {
                calls.push("C " + [a, b, c, d, x, y].join(" "))
            }
        }
    })())"));
}

QString TestCanvasPathEmitter::calls(const QJSValue &context) const
{
    return context.property(QStringLiteral("calls"))
        .toVariant()
        .toStringList()
        .join(QLatin1String(", "));
}

void TestCanvasPathEmitter::svgPointsAreTruncated_data()
{
    QTest::addColumn<QString>("svg");
    QTest::addColumn<QMatrix4x4>("transform");
    QTest::addColumn<QString>("expected");

    QTest::newRow("toward zero") << "M1.7 -2.7L3.2 4.9" << QMatrix4x4() << "M 1 -2, L 3 4";
    // Control points move with their anchors: the first with (3.5,0.5)->(3,0), the second with
    // the end point (9.9,9.9)->(9,9).
    QTest::newRow("curve control points follow their anchors")
        << "M3.5 0.5C4 1 8 8 9.9 9.9" << QMatrix4x4() << "M 3 0, C 3.5 0.5 7.1 7.1 9 9";
    QMatrix4x4 scale;
    scale.scale(1.5);
    QTest::newRow("mapped before truncation") << "M1 1L3 3" << scale << "M 1 1, L 4 4";
    QTest::newRow("bad data paints what came before")
        << "M1 1L2 2 X" << QMatrix4x4() << "M 1 1, L 2 2";
}

void TestCanvasPathEmitter::svgPointsAreTruncated()
{
    QFETCH(QString, svg);
    QFETCH(QMatrix4x4, transform);
    QFETCH(QString, expected);

    QJSValue context = recorder();
    CanvasPathEmitter::paintSvgPath(context, svg, transform);
    QCOMPARE(calls(context), expected);
}

void TestCanvasPathEmitter::exactPathKeepsFractions()
{
    QPainterPath path;
    path.moveTo(0.5, 0.25);
    path.cubicTo(1, 1, 2, 2, 3.5, 3.5);
    QJSValue context = recorder();
    CanvasPathEmitter(context).emitPath(path);
    QCOMPARE(calls(context), QStringLiteral("M 0.5 0.25, C 1 1 2 2 3.5 3.5"));
}

QTEST_GUILESS_MAIN(TestCanvasPathEmitter)
#include "tst_canvaspathemitter.moc"
