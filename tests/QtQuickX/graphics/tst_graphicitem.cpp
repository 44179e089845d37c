#include <GraphicItem.h>
#include <PainterPathGraphics.h>
#include <PathTriangulator.h>
#include <SGElementGeometryNode.h>
#include <SGGraphicNode.h>
#include <SimpleFlatColorMaterial.h>
#include <StencilMaterial.h>

#include <QPainterPath>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtTest>
#include <private/qquickitem_p.h>

#include <memory>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

namespace {
// A rectangle that counts how often it was triangulated.
class CountingElement : public GraphicElement
{
public:
    explicit CountingElement(const QRectF &rect, QObject *parent = nullptr)
        : GraphicElement(parent)
        , m_rect(rect)
    { }

    QSGGeometry *geometry() override
    {
        ++triangulations;
        QPainterPath path;
        path.addRect(m_rect);
        return PathTriangulator::triangulate(path);
    }
    QRectF bounds() override { return m_rect; }
    void setRect(const QRectF &rect)
    {
        m_rect = rect;
        emit itemChanged();
    }

    int triangulations = 0;

private:
    QRectF m_rect;
};

bool near(QRgb actual, QRgb expected)
{
    return qAbs(qRed(actual) - qRed(expected)) <= 3 && qAbs(qGreen(actual) - qGreen(expected)) <= 3
        && qAbs(qBlue(actual) - qBlue(expected)) <= 3;
}

QString rgb(QRgb value)
{
    return QStringLiteral("(%1,%2,%3)").arg(qRed(value)).arg(qGreen(value)).arg(qBlue(value));
}
} // namespace

class TestGraphicItem : public QObject
{
    Q_OBJECT
public:
    static void initMain();

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pixels_data();
    void pixels();
    void onlyChangedElementsAreTriangulated();
    void hidingAndShowingElementsRemovesAndRecreatesNodes();
    void hiddenNodeIsReusedForAShownElement();
    void elementsWithoutGeometryGiveNoNode();
    void materialFollowsAlpha();
    void disableStencilPaintingSwitchesAtOnce();
    void boundsExcludeInvisibleElements();
    void destroyedElementLosesItsNode();

private:
    SGGraphicNode *renderedRoot();
    QImage render();

    std::unique_ptr<QQuickWindow> m_window;
    QQmlEngine *m_engine = nullptr;
    GraphicItem *m_item = nullptr;
};

void TestGraphicItem::initMain()
{
    // Nodes are inspected between frames; one thread keeps that deterministic.
    qputenv("QSG_RENDER_LOOP", "basic");
}

void TestGraphicItem::initTestCase()
{
    m_engine = new QQmlEngine(this);
    m_engine->addImportPath(QStringLiteral("qrc:/"));
}

void TestGraphicItem::init()
{
    m_window = std::make_unique<QQuickWindow>();
    m_window->setColor(Qt::white);
    m_window->resize(100, 100);
    m_item = new GraphicItem(m_window->contentItem());
    m_item->setSize(QSizeF(100, 100));
    m_item->setColor(Qt::red);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestGraphicItem::cleanup()
{
    m_window.reset();
    m_item = nullptr;
}

QImage TestGraphicItem::render()
{
    return m_window->grabWindow();
}

SGGraphicNode *TestGraphicItem::renderedRoot()
{
    render();
    return static_cast<SGGraphicNode *>(QQuickItemPrivate::get(m_item)->paintNode);
}

void TestGraphicItem::pixels_data()
{
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("disableStencil");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QRgb>("expected");

    const QString rect = QStringLiteral("PainterPathGraphics { RectanglePath { rect: "
                                        "Qt.rect(10, 10, 50, 30) } }");
    const QString two = rect
        + QStringLiteral(
            " PainterPathGraphics { RectanglePath { rect: Qt.rect(40, 20, 50, 50) } }");
    const QString moved = QStringLiteral(
        "PainterPathGraphics { matrixTransform: Qt.matrix4x4(1,0,0,20, 0,2,0,0, 0,0,1,0, 0,0,0,1);"
        " SvgPath { pathData: 'M0 0H20V10H0Z' } }");
    const QColor halfBlue(0, 0, 255, 128);
    const QRgb white = qRgb(255, 255, 255);

    QTest::newRow("inside the shape")
        << rect << QColor(Qt::red) << false << QPoint(30, 25) << qRgb(255, 0, 0);
    QTest::newRow("left of the shape")
        << rect << QColor(Qt::red) << false << QPoint(5, 25) << white;
    QTest::newRow("below the shape") << rect << QColor(Qt::red) << false << QPoint(30, 45) << white;
    QTest::newRow("translucent blends over the background")
        << rect << halfBlue << false << QPoint(30, 25) << qRgb(127, 127, 255);
    QTest::newRow("translucent overlap blends twice")
        << two << halfBlue << false << QPoint(50, 30) << qRgb(63, 63, 255);
    QTest::newRow("translucent without stencil blends too")
        << rect << halfBlue << true << QPoint(30, 25) << qRgb(127, 127, 255);
    QTest::newRow("alpha above 0.96 is drawn opaque")
        << rect << QColor(0, 0, 255, 248) << false << QPoint(30, 25) << qRgb(0, 0, 255);
    QTest::newRow("element transform applies")
        << moved << QColor(Qt::green) << false << QPoint(35, 15) << qRgb(0, 255, 0);
    QTest::newRow("outside the transformed element")
        << moved << QColor(Qt::green) << false << QPoint(35, 25) << white;
    QTest::newRow("pie quarter inside")
        << "PainterPathGraphics { PiePath { rect: Qt.rect(0, 0, 100, 100); endAngle: 90 } }"
        << QColor(Qt::black) << false << QPoint(70, 30) << qRgb(0, 0, 0);
    QTest::newRow("pie quarter leaves the rest")
        << "PainterPathGraphics { PiePath { rect: Qt.rect(0, 0, 100, 100); endAngle: 90 } }"
        << QColor(Qt::black) << false << QPoint(30, 70) << white;
}

void TestGraphicItem::pixels()
{
    QFETCH(QString, elements);
    QFETCH(QColor, color);
    QFETCH(bool, disableStencil);
    QFETCH(QPoint, probe);
    QFETCH(QRgb, expected);

    QQmlComponent component(m_engine);
    component.setData(("import QtQuick 2.15; import QtQuickX 1.0; GraphicItem { width: 100; "
                       "height: 100; "
                          + elements + " }")
                          .toUtf8(),
        QUrl());
    auto *item = qobject_cast<GraphicItem *>(component.create());
    QVERIFY2(item, qPrintable(component.errorString()));
    delete m_item;
    m_item = item;
    item->setParentItem(m_window->contentItem());
    item->setColor(color);
    item->setDisableStencilPainting(disableStencil);

    const QImage image = render();
    const qreal ratio = image.devicePixelRatio();
    const QRgb actual = image.pixel(QPoint(int(probe.x() * ratio), int(probe.y() * ratio)));
    QVERIFY2(near(actual, expected), qPrintable(rgb(actual) + " != " + rgb(expected)));
}

void TestGraphicItem::onlyChangedElementsAreTriangulated()
{
    auto *first = new CountingElement(QRectF(0, 0, 10, 10), m_item);
    auto *second = new CountingElement(QRectF(20, 0, 10, 10), m_item);
    m_item->appendElement(first);
    m_item->appendElement(second);
    QCOMPARE(renderedRoot()->geometryNodes().size(), 2);
    QCOMPARE(first->triangulations, 1);
    QCOMPARE(second->triangulations, 1);

    second->setRect(QRectF(30, 0, 10, 10));
    second->setRect(QRectF(40, 0, 10, 10));
    QCOMPARE(renderedRoot()->geometryNodes().size(), 2);
    QCOMPARE(first->triangulations, 1);
    QCOMPARE(second->triangulations, 2);
    m_item->setColor(Qt::blue);
    renderedRoot();
    QCOMPARE(second->triangulations, 2);
}

void TestGraphicItem::hidingAndShowingElementsRemovesAndRecreatesNodes()
{
    CountingElement *elements[3];
    for (int i = 0; i < 3; ++i) {
        elements[i] = new CountingElement(QRectF(i * 20, 0, 10, 10), m_item);
        m_item->appendElement(elements[i]);
    }
    QCOMPARE(renderedRoot()->geometryNodes().size(), 3);
    elements[1]->setVisible(false);
    const QVector<SGElementGeometryNode *> nodes = renderedRoot()->geometryNodes();
    QCOMPARE(nodes.size(), 2);
    for (SGElementGeometryNode *node : nodes)
        QVERIFY(node->element() != elements[1]);
    elements[1]->setVisible(true);
    QCOMPARE(renderedRoot()->geometryNodes().size(), 3);
    QCOMPARE(elements[0]->triangulations, 1);
}

void TestGraphicItem::hiddenNodeIsReusedForAShownElement()
{
    auto *shown = new CountingElement(QRectF(0, 0, 10, 10), m_item);
    auto *later = new CountingElement(QRectF(20, 0, 10, 10), m_item);
    later->setVisible(false);
    m_item->appendElement(shown);
    m_item->appendElement(later);
    const QVector<SGElementGeometryNode *> before = renderedRoot()->geometryNodes();
    QCOMPARE(before.size(), 1);
    shown->setVisible(false);
    later->setVisible(true);
    const QVector<SGElementGeometryNode *> after = renderedRoot()->geometryNodes();
    QCOMPARE(after.size(), 1);
    QCOMPARE(after.first(), before.first());
    QCOMPARE(after.first()->element(), later);
}

void TestGraphicItem::elementsWithoutGeometryGiveNoNode()
{
    auto *empty = new PainterPathGraphics(m_item);
    m_item->appendElement(empty);
    QTest::ignoreMessage(QtWarningMsg, "QPainterPath is empty");
    QVERIFY(!renderedRoot());

    auto *drawn = new CountingElement(QRectF(0, 0, 10, 10), m_item);
    m_item->appendElement(drawn);
    QCOMPARE(renderedRoot()->geometryNodes().size(), 1);
    drawn->setVisible(false);
    QVERIFY(!renderedRoot());
    m_item->clearElements();
    QVERIFY(!renderedRoot());
}

void TestGraphicItem::materialFollowsAlpha()
{
    for (int i = 0; i < 2; ++i)
        m_item->appendElement(new CountingElement(QRectF(i * 20, 0, 10, 10), m_item));
    m_item->setColor(QColor::fromRgbF(0, 0, 1, 0.5));
    SGGraphicNode *root = renderedRoot();
    for (SGElementGeometryNode *node : root->geometryNodes())
        QCOMPARE(node->material(), root->stencilMaterial());
    QVERIFY(root->stencilMaterial()->flags() & QSGMaterial::Blending);

    m_item->setColor(QColor::fromRgbF(0, 0, 1, 0.97));
    root = renderedRoot();
    for (SGElementGeometryNode *node : root->geometryNodes())
        QCOMPARE(node->material(), root->flatMaterial());
    QCOMPARE(root->flatMaterial()->color().alpha(), 255);
    QVERIFY(!(root->flatMaterial()->flags() & QSGMaterial::Blending));

    m_item->setColor(QColor::fromRgbF(1, 0, 0, 1.0));
    root = renderedRoot();
    for (SGElementGeometryNode *node : root->geometryNodes())
        QCOMPARE(node->material(), root->flatMaterial());
    QCOMPARE(root->flatMaterial()->color(), QColor(Qt::red));
}

void TestGraphicItem::disableStencilPaintingSwitchesAtOnce()
{
    m_item->appendElement(new CountingElement(QRectF(0, 0, 10, 10), m_item));
    m_item->setColor(QColor::fromRgbF(0, 0, 1, 0.5));
    SGGraphicNode *root = renderedRoot();
    QCOMPARE(root->geometryNodes().first()->material(), root->stencilMaterial());
    m_item->setDisableStencilPainting(true);
    root = renderedRoot();
    QCOMPARE(root->geometryNodes().first()->material(), root->flatMaterial());
    QVERIFY(root->flatMaterial()->flags() & QSGMaterial::Blending);
}

void TestGraphicItem::boundsExcludeInvisibleElements()
{
    auto *left = new CountingElement(QRectF(0, 0, 10, 10), m_item);
    auto *right = new CountingElement(QRectF(50, 50, 10, 10), m_item);
    m_item->appendElement(left);
    m_item->appendElement(right);
    QCOMPARE(m_item->bounds(), QRectF(0, 0, 60, 60));
    QSignalSpy boundsChanged(m_item, &GraphicItem::boundsChanged);
    right->setVisible(false);
    QCOMPARE(boundsChanged.count(), 1);
    QCOMPARE(m_item->bounds(), QRectF(0, 0, 10, 10));
}

void TestGraphicItem::destroyedElementLosesItsNode()
{
    auto *kept = new CountingElement(QRectF(0, 0, 10, 10), m_item);
    auto *doomed = new CountingElement(QRectF(20, 0, 10, 10), m_item);
    m_item->appendElement(kept);
    m_item->appendElement(doomed);
    QCOMPARE(renderedRoot()->geometryNodes().size(), 2);
    delete doomed;
    const QVector<SGElementGeometryNode *> nodes = renderedRoot()->geometryNodes();
    QCOMPARE(nodes.size(), 1);
    QCOMPARE(nodes.first()->element(), kept);
}

QTEST_MAIN(TestGraphicItem)
#include "tst_graphicitem.moc"
