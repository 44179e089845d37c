#include "QtQuickXPlugin.h"

#include "ActionProgress.h"
#include "AdmixedProperties.h"
#include "AdmixedProperty.h"
#include "Args.h"
#include "BasicPath.h"
#include "BoxedPathBase.h"
#include "Clipboard.h"
#include "ClipboardFileStorage.h"
#include "ClipboardPictureData.h"
#include "Condition.h"
#include "ConditionArgument.h"
#include "DateTimeOffset.h"
#include "Debounce.h"
#include "DebouncedValue.h"
#include "Dye.h"
#include "ElapsedTimer.h"
#include "EllipsePath.h"
#include "EmptyPath.h"
#include "EngineSingleton.h"
#include "FrameWatcher.h"
#include "GraphicElement.h"
#include "GraphicItem.h"
#include "GroupPath.h"
#include "HttpRequest.h"
#include "IntersectionPath.h"
#include "Knot.h"
#include "LocalIO.h"
#include "Matrix.h"
#include "OperationResult.h"
#include "PainterPathCanvasPainter.h"
#include "PainterPathElement.h"
#include "PainterPathGraphics.h"
#include "PathData.h"
#include "Picture.h"
#include "PiePath.h"
#include "PolylinePath.h"
#include "QEnums.h"
#include "QQmlObject.h"
#include "QmlClipboard.h"
#include "QmlDateTimeOffsetFactory.h"
#include "QmlHitTestHelper.h"
#include "QmlObjectListModel.h"
#include "QmlX.h"
#include "QtQuickX.h"
#include "QtX.h"
#include "QuickInMemoryImageProvider.h"
#include "Rect.h"
#include "RectanglePath.h"
#include "RefPath.h"
#include "ScriptDateJson.h"
#include "SharingUtility.h"
#include "SimplifyPath.h"
#include "SnapToPixelPath.h"
#include "StandardPath.h"
#include "StorageInfo.h"
#include "Storages.h"
#include "StrokePathElem.h"
#include "SubtractionPath.h"
#include "SvgPath.h"
#include "TextController.h"
#include "TreeOrder.h"
#include "UiSizes.h"
#include "UnionPath.h"
#include "UriUtils.h"
#include "ValueObserver.h"

#include <QCoreApplication>
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
    qmlRegisterType<SimplifyPath>(uri, 1, 0, "SimplifyPath");
    // 23 meta-type PathData
    qRegisterMetaType<PathData>("PathData");
    // 24 meta-type OperationResult
    qRegisterMetaType<OperationResult>("OperationResult");
    // 25 OperationResult
    qmlRegisterUncreatableType<OperationResult>(uri, 1, 0, "OperationResult",
        QCoreApplication::translate("QtQuickXPlugin", "Use QtX::operationXXX(...)"));
    // 26 HitTestHelper
    qmlRegisterSingletonType<QmlHitTestHelper>(
        uri, 1, 0, "HitTestHelper", createEngineSingleton<QmlHitTestHelper>);
    // 27 QtX
    qmlRegisterSingletonType<QtX>(uri, 1, 0, "QtX", createEngineSingleton<QtX>);
    // 28 Enums
    qmlRegisterSingletonType<QEnums>(uri, 1, 0, "Enums", createEngineSingleton<QEnums>);
    // 29 Dye
    qmlRegisterSingletonType<Dye>(uri, 1, 0, "Dye", createEngineSingleton<Dye>);
    // 30 ElapsedTimer
    qmlRegisterType<ElapsedTimer>(uri, 1, 0, "ElapsedTimer");
    qmlRegisterType<FrameWatcher>(uri, 1, 0, "FrameWatcher");
    // 31 QmlObject
    qmlRegisterType<QQmlObject>(uri, 1, 0, "QmlObject");
    // 32 Debounce
    qmlRegisterType<Debounce>(uri, 1, 0, "Debounce");
    // 33 DebouncedValue
    qmlRegisterType<DebouncedValue>(uri, 1, 0, "DebouncedValue");
    // 34 ActionProgress
    qmlRegisterType<ActionProgress>(uri, 1, 0, "ActionProgress");
    // 35 SharingUtility
    qmlRegisterType<SharingUtility>(uri, 1, 0, "SharingUtility");
    // 36 ObjectListModel
    qmlRegisterType<QmlObjectListModel>(uri, 1, 0, "ObjectListModel");
    // 37 StorageInfo
    qmlRegisterType<StorageInfo>(uri, 1, 0, "StorageInfo");
    // 38 Storages
    qmlRegisterSingletonType<Storages>(uri, 1, 0, "Storages", createEngineSingleton<Storages>);
    // 39 UriUtils
    qmlRegisterSingletonType<UriUtils>(uri, 1, 0, "UriUtils", createEngineSingleton<UriUtils>);
    // 40 LocalIO
    qmlRegisterSingletonType<LocalIO>(uri, 1, 0, "LocalIO", createEngineSingleton<LocalIO>);
    // 41 StandardPath
    qmlRegisterSingletonType<StandardPath>(
        uri, 1, 0, "StandardPath", createEngineSingleton<StandardPath>);
    // 42 Clipboard
    qmlRegisterSingletonType<Clipboard>(uri, 1, 0, "Clipboard", createEngineSingleton<Clipboard>);
    // 43 QmlClipboard
    qmlRegisterSingletonType<QmlClipboard>(
        uri, 1, 0, "QmlClipboard", createEngineSingleton<QmlClipboard>);
    // 44 ClipboardFileStorage
    qmlRegisterSingletonType<ClipboardFileStorage>(
        uri, 1, 0, "ClipboardFileStorage", createEngineSingleton<ClipboardFileStorage>);
    // 45 ClipboardPictureData
    qmlRegisterType<ClipboardPictureData>(uri, 1, 0, "ClipboardPictureData");
    // 46 QuickInMemoryImageProvider
    qmlRegisterSingletonType<QuickInMemoryImageProvider>(
        uri, 1, 0, "QuickInMemoryImageProvider", createEngineSingleton<QuickInMemoryImageProvider>);
    // 47 Picture
    qmlRegisterType<Picture>(uri, 1, 0, "Picture");
    // 48 Args
    qmlRegisterType<Args>(uri, 1, 0, "Args");
    // 49 ValueObserver
    qmlRegisterType<ValueObserver>(uri, 1, 0, "ValueObserver");
    // 50 Condition
    qmlRegisterType<Condition>(uri, 1, 0, "Condition");
    // 51 ConditionArgument
    qmlRegisterType<ConditionArgument>(uri, 1, 0, "ConditionArgument");
    // 52 TextController
    qmlRegisterType<TextController>(uri, 1, 0, "TextController");
    // Tree order of long lists of entities, read in one pass.
    qmlRegisterSingletonType<TreeOrder>(uri, 1, 0, "TreeOrder", createEngineSingleton<TreeOrder>);
    // The bounded HTTP exchange under FileLoader.
    qmlRegisterType<HttpRequest>(uri, 1, 0, "HttpRequest");

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
    qmlRegisterSingletonType<QmlX>("QtQuickX", 1, 0, "QmlX", createEngineSingleton<QmlX>);
    // 56 AdmixedProperties *
    qmlRegisterSingletonType<AdmixedProperties>(
        "QtQuickX", 1, 0, "AdmixedProperties", createEngineSingleton<AdmixedProperties>);
    // 57 Matrix *
    qmlRegisterSingletonType<Matrix>("QtQuickX", 1, 0, "Matrix", createEngineSingleton<Matrix>);
    // 58 Rect *
    qmlRegisterSingletonType<Rect>("QtQuickX", 1, 0, "Rect", createEngineSingleton<Rect>);
    // 59 AdmixedProperty *
    qmlRegisterType<AdmixedProperty>("QtQuickX", 1, 0, "AdmixedProperty");
    // 60 meta-type DateTimeOffset
    qRegisterMetaType<DateTimeOffset>("DateTimeOffset");
    // 61 converter DateTimeOffset -> QString
    // 62 converter QString -> DateTimeOffset
    DateTimeOffset::registerStringConverters();
    // 63 DateTimeOffsetType *
    qmlRegisterUncreatableType<DateTimeOffset>("QtQuickX", 1, 0, "DateTimeOffsetType",
        QCoreApplication::translate("QtQuickXPlugin",
            "Create DateTimeOffset values with the DateTimeOffset "
            "singleton: DateTimeOffset.now(), DateTimeOffset.of(...)"));
    // 64 DateTimeOffset *
    qmlRegisterSingletonType<QmlDateTimeOffsetFactory>(
        "QtQuickX", 1, 0, "DateTimeOffset", createEngineSingleton<QmlDateTimeOffsetFactory>);
}

void QtQuickXPlugin::initializeEngine(QQmlEngine *engine, const char *uri)
{
    qDebug() << "QtQuickXPlugin::initializeEngine";
    ScriptDateJson::setEngine(engine);
    QQmlExtensionPlugin::initializeEngine(engine, uri);
}
