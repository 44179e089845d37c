#include "QtQuickXPlugin.h"

#include "Clipboard.h"
#include "ClipboardFileStorage.h"
#include "ClipboardPictureData.h"
#include "EngineSingleton.h"
#include "LocalIO.h"
#include "Picture.h"
#include "QmlClipboard.h"
#include "QmlObjectListModel.h"
#include "QtQuickX.h"
#include "QuickInMemoryImageProvider.h"
#include "SharingUtility.h"
#include "StandardPath.h"
#include "StorageInfo.h"
#include "Storages.h"
#include "TextController.h"
#include "UiSizes.h"
#include "UriUtils.h"

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
    // 2 GraphicElement
    // 3 Knot
    // 4 PainterPathGraphics
    // 5 PainterPathElement
    // 6 GroupPath
    // 7 BoxedPathBase
    // 8 EllipsePath
    // 9 RectanglePath
    // 10 PiePath
    // 11 StrokePath
    // 12 PolylinePath
    // 13 RefPath
    // 14 UnionPath
    // 15 IntersectionPath
    // 16 SubtractionPath
    // 17 SnapToPixelPath
    // 18 PainterPathCanvasPainter
    // 19 SvgPath
    // 20 EmptyPath
    // 21 BasicPath
    // 22 SimplifyPath
    // 23 meta-type PathData
    // 24 meta-type OperationResult
    // 25 OperationResult
    // 26 HitTestHelper
    // 27 QtX
    // 28 Enums
    // 29 Dye
    // 30 ElapsedTimer
    // 31 QmlObject
    // 32 Debounce
    // 33 DebouncedValue
    // 34 ActionProgress
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
    // 49 ValueObserver
    // 50 Condition
    // 51 ConditionArgument
    // 52 TextController
    qmlRegisterType<TextController>(uri, 1, 0, "TextController");

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
