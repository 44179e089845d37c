#include "QtQuickXPlugin.h"

#include "QtQuickX.h"
#include "UiSizes.h"

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

    qmlRegisterSingletonType<QtQuickX>(
        uri, 1, 0, "QtQuickX", [](QQmlEngine *, QJSEngine *) -> QObject * {
            QObject *object = QtQuickX::instance();
            QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
            return object;
        });
    qmlRegisterSingletonType<UiSizes>(
        uri, 1, 0, "UiSizes", [](QQmlEngine *, QJSEngine *) -> QObject * {
            QtQuickX *library = QtQuickX::instance();
            UiSizes *sizes = library->uiSizes();
            if (!sizes)
                sizes = library->createUiSizes();
            QQmlEngine::setObjectOwnership(sizes, QQmlEngine::CppOwnership);
            return sizes;
        });
}

void QtQuickXPlugin::initializeEngine(QQmlEngine *engine, const char *uri)
{
    qDebug() << "QtQuickXPlugin::initializeEngine";
    QQmlExtensionPlugin::initializeEngine(engine, uri);
}
