#include "QmlTestSetup.h"

#include "Application.h"
#include "BuildInfo.h"
#include "OstrelModule.h"
#include "QmlMessageLog.h"
#include "QmlReferenceService.h"
#include "QmlScriptedServer.h"
#include "TimerSentinel.h"

#include <QtQuickX.h>
#include <QuickInMemoryImageProvider.h>

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QtQml>

void QmlTestSetup::applicationAvailable()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brannock USA"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrum Console Tests"));
    QtQuickX::registerResources();
    QQuickStyle::setStyle(QStringLiteral("Material"));
    QtQuickX::instance()->createUiSizes();
    OstrelModule::registerTypes();
    qmlRegisterType(QUrl(QStringLiteral("qrc:/KestrumTest/SignalSpies.qml")), "KestrumTest", 1, 0,
        "SignalSpies");
    qmlRegisterSingletonType<TimerSentinel>("KestrumTest", 1, 0, "TimerSentinel",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new TimerSentinel; });
    qmlRegisterType<QmlScriptedServer>("KestrumTest", 1, 0, "ScriptedServer");
    qmlRegisterType<QmlReferenceService>("KestrumTest", 1, 0, "ReferenceService");
    qmlRegisterType<QmlMessageLog>("KestrumTest", 1, 0, "MessageLog");
}

void QmlTestSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    QuickInMemoryImageProvider::installOn(engine);
    engine->addImportPath(QStringLiteral("qrc:/"));
    engine->addImportPath(QStringLiteral("qrc:/com.brannock"));
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("BUILD_VERSION"), BuildInfo::buildVersion());
    context->setContextProperty(
        QStringLiteral("BUILD_VERSION_SHORT"), BuildInfo::buildVersionShort());
    context->setContextProperty(QStringLiteral("BUILD_DATE"), BuildInfo::buildDate());
    context->setContextProperty(
        QStringLiteral("NON_PRODUCTION_BUILD"), QVariant::fromValue<QObject *>(nullptr));
}
