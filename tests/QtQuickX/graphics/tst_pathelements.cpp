#include "PathTestHelpers.h"

#include <BasicPath.h>
#include <BuildContext.h>
#include <EllipsePath.h>
#include <GroupPath.h>
#include <IntersectionPath.h>
#include <Knot.h>
#include <PathData.h>
#include <PiePath.h>
#include <PolylinePath.h>
#include <RectanglePath.h>
#include <RefPath.h>
#include <SnapToPixelPath.h>
#include <StrokePathElem.h>
#include <SubtractionPath.h>
#include <SvgPath.h>
#include <UnionPath.h>

#include <QPainterPath>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtMath>
#include <QtTest>

#include <memory>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

namespace {
RectanglePath *rectangle(QObject *parent, const QRectF &rect)
{
    auto *element = new RectanglePath(parent);
    element->setRect(rect);
    return element;
}

} // namespace

class TestPathElements : public QObject
{
    Q_OBJECT
private slots:
    void burstOfChangesInvalidatesOnce();
    void groupForwardsOneInvalidationPerRebuild();
    void hiddenChildShownAgainAfterRebuild();
    void unchangedValuesDoNotInvalidate();
    void setOperations_data();
    void setOperations();
    void setOperationWithOneChildPassesItThrough();
    void boxedShapes_data();
    void boxedShapes();
    void pieIsAQuarterDisc();
    void polyline_data();
    void polyline();
    void snapToPixel();
    void stroke_data();
    void stroke();
    void transformationAppliesToOwnContribution();
    void refPath();
    void refPathToAncestorTerminates();
    void refPathsToEachOtherAreDestroyedCleanly();
    void pathDataArea_data();
    void pathDataArea();
    void instantiatorSpans();
};

void TestPathElements::burstOfChangesInvalidatesOnce()
{
    EllipsePath ellipse;
    QSignalSpy invalidated(&ellipse, &PainterPathElement::invalidated);
    ellipse.setRect(QRectF(0, 0, 10, 10));
    ellipse.setRect(QRectF(0, 0, 20, 10));
    ellipse.setRect(QRectF(0, 0, 30, 10));
    QCOMPARE(invalidated.count(), 1);
    QCOMPARE(buildTree(ellipse).boundingRect(), QRectF(0, 0, 30, 10));
    ellipse.setRotation(1.0);
    QCOMPARE(invalidated.count(), 2);
}

void TestPathElements::groupForwardsOneInvalidationPerRebuild()
{
    GroupPath group;
    auto *first = rectangle(&group, QRectF(0, 0, 1, 1));
    auto *second = rectangle(&group, QRectF(5, 5, 1, 1));
    group.appendPath(first);
    group.appendPath(second);
    buildTree(group);
    QSignalSpy invalidated(&group, &PainterPathElement::invalidated);
    first->setRadius(0.1);
    second->setRect(QRectF(6, 6, 1, 1));
    first->setVisible(false);
    QCOMPARE(invalidated.count(), 1);
    QCOMPARE(buildTree(group).boundingRect(), QRectF(6, 6, 1, 1));
    second->setRect(QRectF(7, 7, 1, 1));
    QCOMPARE(invalidated.count(), 2);
}

void TestPathElements::hiddenChildShownAgainAfterRebuild()
{
    GroupPath group;
    auto *child = rectangle(&group, QRectF(0, 0, 4, 4));
    group.appendPath(child);
    buildTree(group);
    child->setVisible(false);
    QVERIFY(buildTree(group).isEmpty());
    QSignalSpy invalidated(&group, &PainterPathElement::invalidated);
    child->setVisible(true);
    QCOMPARE(invalidated.count(), 1);
    QCOMPARE(buildTree(group).boundingRect(), QRectF(0, 0, 4, 4));
}

void TestPathElements::unchangedValuesDoNotInvalidate()
{
    RectanglePath rect;
    rect.setRect(QRectF(0, 1e-13, 100, 100));
    buildTree(rect);
    QSignalSpy invalidated(&rect, &PainterPathElement::invalidated);
    QSignalSpy rectChanged(&rect, &BoxedPathBase::rectChanged);
    rect.setRect(QRectF(0, 0, 100 * (1 + 1e-13), 100));
    rect.setRadius(0);
    rect.setVisible(true);
    QCOMPARE(invalidated.count(), 0);
    QCOMPARE(rectChanged.count(), 0);
    rect.setRect(QRectF(0, 0, 100.001, 100));
    QCOMPARE(invalidated.count(), 1);
}

void TestPathElements::setOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<int>("subpaths");
    QTest::addColumn<QPointF>("inside");
    QTest::addColumn<QPointF>("outside");

    // Children: (0,0,10,10) and (5,5,10,10), then optionally (100,100,1,1) hidden.
    QTest::newRow("union") << "union" << QRectF(0, 0, 15, 15) << 1 << QPointF(12, 12)
                           << QPointF(12, 2);
    QTest::newRow("intersection") << "intersection" << QRectF(5, 5, 5, 5) << 1 << QPointF(7, 7)
                                  << QPointF(2, 2);
    QTest::newRow("subtraction") << "subtraction" << QRectF(0, 0, 10, 10) << 1 << QPointF(2, 2)
                                 << QPointF(7, 7);
}

void TestPathElements::setOperations()
{
    QFETCH(QString, operation);
    QFETCH(QRectF, bounds);
    QFETCH(int, subpaths);
    QFETCH(QPointF, inside);
    QFETCH(QPointF, outside);

    std::unique_ptr<GroupPath> group;
    if (operation == QLatin1String("union"))
        group.reset(new UnionPath);
    else if (operation == QLatin1String("intersection"))
        group.reset(new IntersectionPath);
    else
        group.reset(new SubtractionPath);
    group->appendPath(rectangle(group.get(), QRectF(0, 0, 10, 10)));
    group->appendPath(rectangle(group.get(), QRectF(5, 5, 10, 10)));
    auto *hidden = rectangle(group.get(), QRectF(100, 100, 1, 1));
    hidden->setVisible(false);
    group->appendPath(hidden);

    const QPainterPath path = buildTree(*group);
    QCOMPARE(path.boundingRect(), bounds);
    QCOMPARE(subpathCount(path), subpaths);
    QVERIFY(path.contains(inside));
    QVERIFY(!path.contains(outside));
}

void TestPathElements::setOperationWithOneChildPassesItThrough()
{
    UnionPath single;
    auto *ellipse = new EllipsePath(&single);
    ellipse->setRect(QRectF(0, 0, 10, 10));
    single.appendPath(ellipse);
    QCOMPARE(describePath(buildTree(single)), describePath(buildTree(*ellipse)));

    UnionPath empty;
    QVERIFY(buildTree(empty).isEmpty());
}

void TestPathElements::boxedShapes_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<QRectF>("bounds");

    QTest::newRow("negative size is normalised")
        << QRectF(10, 10, -5, -5) << 0.0 << QRectF(5, 5, 5, 5);
    QTest::newRow("negative width only") << QRectF(10, 0, -10, 5) << 0.0 << QRectF(0, 0, 10, 5);
    QTest::newRow("rotated about the centre")
        << QRectF(0, 0, 20, 10) << M_PI / 2 << QRectF(5, -5, 10, 20);
}

void TestPathElements::boxedShapes()
{
    QFETCH(QRectF, rect);
    QFETCH(double, rotation);
    QFETCH(QRectF, bounds);

    RectanglePath element;
    element.setRect(rect);
    element.setRotation(rotation);
    const QRectF actual = buildTree(element).boundingRect();
    QVERIFY2(qAbs(actual.left() - bounds.left()) < 1e-9 && qAbs(actual.top() - bounds.top()) < 1e-9
            && qAbs(actual.width() - bounds.width()) < 1e-9
            && qAbs(actual.height() - bounds.height()) < 1e-9,
        qPrintable(describePath(buildTree(element))));
}

void TestPathElements::pieIsAQuarterDisc()
{
    PiePath pie;
    pie.setRect(QRectF(0, 0, 100, 100));
    pie.setEndAngle(90);
    const QPainterPath path = buildTree(pie);
    QCOMPARE(path.boundingRect(), QRectF(50, 0, 50, 50));
    QVERIFY(path.contains(QPointF(70, 30)));
    QVERIFY(!path.contains(QPointF(30, 30)));
    QVERIFY(!path.contains(QPointF(70, 70)));
}

void TestPathElements::polyline_data()
{
    QTest::addColumn<int>("firstType");
    QTest::addColumn<int>("secondType");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("corners") << int(Knot::Corner) << int(Knot::Corner) << false
                             << "M 0 0 L 10 0 L 10 10";
    QTest::newRow("closed") << int(Knot::Corner) << int(Knot::Corner) << true
                            << "M 0 0 L 10 0 L 10 10 L 0 0";
    QTest::newRow("first knot bezier makes the first segment a curve")
        << int(Knot::BezierCorner) << int(Knot::Corner) << false << "M 0 0 C 1 1 9 -1 10 0 L 10 10";
    QTest::newRow("second knot bezier curves the second segment")
        << int(Knot::Corner) << int(Knot::BezierCorner) << false << "M 0 0 L 10 0 C 11 1 9 9 10 10";
}

void TestPathElements::polyline()
{
    QFETCH(int, firstType);
    QFETCH(int, secondType);
    QFETCH(bool, closed);
    QFETCH(QString, expected);

    PolylinePath polyline;
    const QPointF vertices[] = { { 0, 0 }, { 10, 0 }, { 10, 10 } };
    const int types[] = { firstType, secondType, Knot::Corner };
    for (int i = 0; i < 3; ++i) {
        auto *knot = new Knot(&polyline);
        knot->setVertex(vertices[i]);
        knot->setOutVec(vertices[i] + QPointF(1, 1));
        knot->setInVec(vertices[i] - QPointF(1, 1));
        knot->setKnotType(Knot::KnotTypeEnum(types[i]));
        polyline.appendKnot(knot);
    }
    polyline.setClosed(closed);
    QCOMPARE(describePath(buildTree(polyline)), expected);

    QSignalSpy invalidated(&polyline, &PainterPathElement::invalidated);
    polyline.knotAt(1)->setVertex(QPointF(20, 0));
    polyline.knotAt(2)->setVertex(QPointF(20, 20));
    QCOMPARE(invalidated.count(), 1);

    PolylinePath single;
    single.appendKnot(new Knot(&single));
    QVERIFY(buildTree(single).isEmpty());
}

void TestPathElements::snapToPixel()
{
    SnapToPixelPath snap;
    auto *svg = new SvgPath(&snap);
    svg->setPathData(QStringLiteral("M0.4 0.6L10.5 -2.5C10.7 -2.3 3.2 3.2 3.4 3.6"));
    snap.appendPath(svg);
    // The curve's first control point moves with (10.5,-2.5)->(11,-3), its second with the end.
    QCOMPARE(
        describePath(buildTree(snap)), QStringLiteral("M 0 1 L 11 -3 C 11.2 -2.8 2.8 3.6 3 4"));
}

void TestPathElements::stroke_data()
{
    QTest::addColumn<double>("weight");
    QTest::addColumn<QVector<qreal>>("dashes");
    QTest::addColumn<QRectF>("bounds");

    QTest::newRow("solid") << 2.0 << QVector<qreal>() << QRectF(0, -1, 100, 2);
    QTest::newRow("weight 0 adds nothing") << 0.0 << QVector<qreal>() << QRectF();
    QTest::newRow("negative weight adds nothing") << -3.0 << QVector<qreal>() << QRectF();
    QTest::newRow("dash array") << 2.0 << QVector<qreal> { 5, 50 } << QRectF(0, -1, 10, 2);
    QTest::newRow("zero-length dash array falls back to the pen style")
        << 2.0 << QVector<qreal> { 0, 0 } << QRectF(0, -1, 100, 2);
}

void TestPathElements::stroke()
{
    QFETCH(double, weight);
    QFETCH(QVector<qreal>, dashes);
    QFETCH(QRectF, bounds);

    StrokePathElem stroke;
    stroke.setCapStyle(Qt::FlatCap);
    stroke.setStrokeWeight(weight);
    stroke.setDashPatternArray(dashes);
    auto *line = new SvgPath(&stroke);
    line->setPathData(QStringLiteral("M0 0H100"));
    stroke.appendPath(line);
    QCOMPARE(buildTree(stroke).boundingRect(), bounds);
}

void TestPathElements::transformationAppliesToOwnContribution()
{
    GroupPath group;
    auto *rect = rectangle(&group, QRectF(0, 0, 10, 10));
    QMatrix4x4 translation;
    translation.translate(5, 7);
    rect->setTransformation(translation);
    group.appendPath(rect);
    QMatrix4x4 scale;
    scale.scale(2);
    group.setTransformation(scale);
    QCOMPARE(buildTree(group).boundingRect(), QRectF(10, 14, 20, 20));
}

void TestPathElements::refPath()
{
    RefPath ref;
    auto target = std::make_unique<EllipsePath>();
    target->setRect(QRectF(0, 0, 8, 8));
    QMatrix4x4 translation;
    translation.translate(2, 0);
    target->setTransformation(translation);
    ref.setPath(target.get());
    QCOMPARE(buildTree(ref).boundingRect(), QRectF(2, 0, 8, 8));

    QSignalSpy invalidated(&ref, &PainterPathElement::invalidated);
    target->setRect(QRectF(0, 0, 4, 4));
    target->setRect(QRectF(0, 0, 5, 5));
    QCOMPARE(invalidated.count(), 1);
    buildTree(ref);
    target.reset();
    QCOMPARE(invalidated.count(), 2);
    QVERIFY(!ref.path());
    QVERIFY(buildTree(ref).isEmpty());
}

void TestPathElements::refPathToAncestorTerminates()
{
    GroupPath group;
    group.appendPath(rectangle(&group, QRectF(0, 0, 1, 1)));
    auto *ref = new RefPath(&group);
    ref->setPath(&group);
    group.appendPath(ref);
    QCOMPARE(buildTree(group).boundingRect(), QRectF(0, 0, 1, 1));
}

void TestPathElements::refPathsToEachOtherAreDestroyedCleanly()
{
    RefPath survivor;
    auto doomed = std::make_unique<RefPath>();
    survivor.setPath(doomed.get());
    doomed->setPath(&survivor);
    buildTree(survivor);
    QSignalSpy invalidated(&survivor, &PainterPathElement::invalidated);
    // The survivor reports the loss to the dying reference, which must no longer listen.
    doomed.reset();
    QCOMPARE(invalidated.count(), 1);
    QVERIFY(!survivor.path());
}

void TestPathElements::pathDataArea_data()
{
    QTest::addColumn<QString>("svg");
    QTest::addColumn<double>("area");

    QTest::newRow("unit square one way") << "M0 0H1V1H0Z" << -1.0;
    QTest::newRow("unit square the other way") << "M0 0V1H1V0Z" << 1.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("single line") << "M0 0L5 5" << 0.0;
}

void TestPathElements::pathDataArea()
{
    QFETCH(QString, svg);
    QFETCH(double, area);

    SvgPath path;
    path.setPathData(svg);
    const PathData data(buildTree(path));
    QCOMPARE(data.area(), area);
    QMatrix4x4 scale;
    scale.scale(3, 2);
    QCOMPARE(data.mapped(scale).area(), area * 6);
}

void TestPathElements::instantiatorSpans()
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQml 2.15
        import QtQml.Models 2.15
        import QtQuickX 1.0
        GroupPath {
            property alias firstModel: first.model
            property alias secondModel: second.model
            RectanglePath { rect: Qt.rect(0, 0, 1, 1) }
            Instantiator {
                id: first
                model: 2
                delegate: RectanglePath { rect: Qt.rect(10 + index, 0, 1, 1) }
            }
            Instantiator {
                id: second
                model: 1
                delegate: RectanglePath { rect: Qt.rect(20 + index, 0, 1, 1) }
            }
            QtObject { }
            RectanglePath { rect: Qt.rect(30, 0, 1, 1) }
        })",
        QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto *group = qobject_cast<GroupPath *>(object.get());
    QVERIFY(group);

    auto lefts = [group] {
        QList<double> result;
        const QVector<PainterPathElement *> children = group->children();
        for (PainterPathElement *child : children)
            result << static_cast<RectanglePath *>(child)->rect().left();
        return result;
    };
    QCOMPARE(lefts(), (QList<double> { 0, 10, 11, 20, 30 }));
    buildTree(*group);

    QSignalSpy invalidated(group, &PainterPathElement::invalidated);
    group->setProperty("firstModel", 3);
    QCOMPARE(lefts(), (QList<double> { 0, 10, 11, 12, 20, 30 }));
    QCOMPARE(invalidated.count(), 1);
    group->setProperty("firstModel", 1);
    QCOMPARE(lefts(), (QList<double> { 0, 10, 20, 30 }));
    buildTree(*group);
    group->setProperty("secondModel", 2);
    QCOMPARE(lefts(), (QList<double> { 0, 10, 20, 21, 30 }));
    QCOMPARE(buildTree(*group).boundingRect(), QRectF(0, 0, 31, 1));
}

QTEST_MAIN(TestPathElements)
#include "tst_pathelements.moc"
