#pragma once

// The QML set-up of the console's start-up, for benchmarks that show its screens: call
// prepareConsoleQml() once before the engine exists, then prepareConsoleEngine() on it.
#include "BuildInfo.h"
#include "OstrelModule.h"

#include <QtQuickX.h>
#include <QuickInMemoryImageProvider.h>

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>

#include <cstdio>
#include <memory>

inline void prepareConsoleQml()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brannock USA"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrum Console Bench"));
    QtQuickX::registerResources();
    QQuickStyle::setStyle(QStringLiteral("Material"));
    QtQuickX::instance()->createUiSizes();
    OstrelModule::registerTypes();
}

inline void prepareConsoleEngine(QQmlEngine &engine)
{
    QuickInMemoryImageProvider::installOn(&engine);
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImportPath(QStringLiteral("qrc:/com.brannock"));
    engine.rootContext()->setContextProperty(
        QStringLiteral("BUILD_VERSION"), BuildInfo::buildVersion());
}

// The window the benchmark's pages show in, at the console's usual size.
inline void showConsoleWindow(QQuickWindow &window)
{
    window.resize(1280, 800);
    window.show();
}

// A page made from the component into the window's content, with these initial properties; null
// (the errors printed) when it cannot be made.
inline QQuickItem *openPage(
    QQmlComponent &component, QQuickWindow &window, const QVariantMap &properties)
{
    auto *page
        = qobject_cast<QQuickItem *>(component.beginCreate(component.engine()->rootContext()));
    if (!page) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return nullptr;
    }
    page->setParentItem(window.contentItem());
    component.setInitialProperties(page, properties);
    component.completeCreate();
    return page;
}

// The page is left to the event loop, as a screen that is closed.
inline void closePage(std::unique_ptr<QQuickItem> &page)
{
    if (!page)
        return;
    page->setParentItem(nullptr);
    page.release()->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
