#include "QtQuickXPlugin.h"

#include "BasicPath.h"
#include "BoxedPathBase.h"
#include "EllipsePath.h"
#include "EmptyPath.h"
#include "GraphicElement.h"
#include "GraphicItem.h"
#include "GroupPath.h"
#include "IntersectionPath.h"
#include "Knot.h"
#include "PainterPathCanvasPainter.h"
#include "PainterPathElement.h"
#include "PainterPathGraphics.h"
#include "PathData.h"
#include "PiePath.h"
#include "PolylinePath.h"
#include "QmlHitTestHelper.h"
#include "QtQuickX.h"
#include "RectanglePath.h"
#include "RefPath.h"
#include "SnapToPixelPath.h"
#include "StrokePathElem.h"
#include "SubtractionPath.h"
#include "SvgPath.h"
#include "UiSizes.h"
#include "UnionPath.h"

#include <QDebug>
#include <QQmlEngine>

QtQuickXPlugin::QtQuickXPlugin(QObject *parent)
    : QQmlExtensionPlugin(parent)
{
    QtQuickX::registerResources();
    qDebug() << "QtQuickXPlugin instantiated";
}

void QtQuickXPlugin::registerTypes(const char *uri)
{
    qDebug() << "QtQuickXPlugin::registerTypes";

    // Registration table, in table order. Rows still to be built are named here.
    // 1 GraphicItem
    qmlRegisterType<GraphicItem>(uri, 1, 0, "GraphicItem");
    // 2 GraphicElement
    qmlRegisterUncreatableType<GraphicElement>(
        uri, 1, 0, "GraphicElement", QStringLiteral("Use derived classes"));
    // 3 Knot
    qmlRegisterType<Knot>(uri, 1, 0, "Knot");
    // 4 PainterPathGraphics
    qmlRegisterType<PainterPathGraphics>(uri, 1, 0, "PainterPathGraphics");
    // 5 PainterPathElement
    qmlRegisterUncreatableType<PainterPathElement>(
        uri, 1, 0, "PainterPathElement", QStringLiteral("Use derived classes"));
    // 6 GroupPath
    qmlRegisterType<GroupPath>(uri, 1, 0, "GroupPath");
    // 7 BoxedPathBase
    qmlRegisterUncreatableType<BoxedPathBase>(
        uri, 1, 0, "BoxedPathBase", QStringLiteral("Use derived classes"));
    // 8 EllipsePath
    qmlRegisterType<EllipsePath>(uri, 1, 0, "EllipsePath");
    // 9 RectanglePath
    qmlRegisterType<RectanglePath>(uri, 1, 0, "RectanglePath");
    // 10 PiePath
    qmlRegisterType<PiePath>(uri, 1, 0, "PiePath");
    // 11 StrokePath
    qmlRegisterType<StrokePathElem>(uri, 1, 0, "StrokePath");
    // 12 PolylinePath
    qmlRegisterType<PolylinePath>(uri, 1, 0, "PolylinePath");
    // 13 RefPath
    qmlRegisterType<RefPath>(uri, 1, 0, "RefPath");
    // 14 UnionPath
    qmlRegisterType<UnionPath>(uri, 1, 0, "UnionPath");
    // 15 IntersectionPath
    qmlRegisterType<IntersectionPath>(uri, 1, 0, "IntersectionPath");
    // 16 SubtractionPath
    qmlRegisterType<SubtractionPath>(uri, 1, 0, "SubtractionPath");
    // 17 SnapToPixelPath
    qmlRegisterType<SnapToPixelPath>(uri, 1, 0, "SnapToPixelPath");
    // 18 PainterPathCanvasPainter
    qmlRegisterType<PainterPathCanvasPainter>(uri, 1, 0, "PainterPathCanvasPainter");
    // 19 SvgPath
    qmlRegisterType<SvgPath>(uri, 1, 0, "SvgPath");
    // 20 EmptyPath
    qmlRegisterType<EmptyPath>(uri, 1, 0, "EmptyPath");
    // 21 BasicPath
    qmlRegisterType<BasicPath>(uri, 1, 0, "BasicPath");
    // 22 SimplifyPath
    // 23 meta-type PathData
    qRegisterMetaType<PathData>("PathData");
    // 24 meta-type OperationResult
    // 25 OperationResult
    // 26 HitTestHelper
    qmlRegisterSingletonType<QmlHitTestHelper>(uri, 1, 0, "HitTestHelper",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new QmlHitTestHelper; });
    // 27 QtX
    // 28 Enums
    // 29 Dye
    // 30 ElapsedTimer
    // 31 QmlObject
    // 32 Debounce
    // 33 DebouncedValue
    // 34 ActionProgress
    // 35 SharingUtility
    // 36 ObjectListModel
    // 37 StorageInfo
    // 38 Storages
    // 39 UriUtils
    // 40 LocalIO
    // 41 StandardPath
    // 42 Clipboard
    // 43 QmlClipboard
    // 44 ClipboardFileStorage
    // 45 ClipboardPictureData
    // 46 QuickInMemoryImageProvider
    // 47 Picture
    // 48 Args
    // 49 ValueObserver
    // 50 Condition
    // 51 ConditionArgument
    // 52 TextController

    // 53 QtQuickX
    qmlRegisterSingletonType<QtQuickX>(
        uri, 1, 0, "QtQuickX", [](QQmlEngine *, QJSEngine *) -> QObject * {
            QObject *object = QtQuickX::instance();
            QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
            return object;
        });
    // 54 UiSizes
    qmlRegisterSingletonType<UiSizes>(
        uri, 1, 0, "UiSizes", [](QQmlEngine *, QJSEngine *) -> QObject * {
            QtQuickX *library = QtQuickX::instance();
            UiSizes *sizes = library->uiSizes();
            if (!sizes)
                sizes = library->createUiSizes();
            QQmlEngine::setObjectOwnership(sizes, QQmlEngine::CppOwnership);
            return sizes;
        });

    // Rows marked * are registered under "QtQuickX" literally.
    // 55 QmlX *
    // 56 AdmixedProperties *
    // 57 Matrix *
    // 58 Rect *
    // 59 AdmixedProperty *
    // 60 meta-type DateTimeOffset
    // 61 converter DateTimeOffset -> QString
    // 62 converter QString -> DateTimeOffset
    // 63 DateTimeOffsetType *
    // 64 DateTimeOffset *
}

void QtQuickXPlugin::initializeEngine(QQmlEngine *engine, const char *uri)
{
    qDebug() << "QtQuickXPlugin::initializeEngine";
    QQmlExtensionPlugin::initializeEngine(engine, uri);
}
