#include "Application.h"

#include "BuildInfo.h"
#include "CommandLineOptions.h"
#include "ConsoleTranslation.h"
#include "OstrelModule.h"
#include "ServiceUriOption.h"
#include "StartupIncubationController.h"

#include <QtQuickX.h>
#include <QuickInMemoryImageProvider.h>

#include <QDebug>
#include <QIcon>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QtPlugin>

#include <utility>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

namespace {

// Long enough to create a screen in one go, short enough to keep input and painting going.
constexpr int IncubationSliceMs = 12;

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

void Application::setQmlApp(QObject *qmlApp)
{
    if (m_qmlApp == qmlApp)
        return;
    m_qmlApp = qmlApp;
}

int Application::run()
{
    int exitCode = 0;
    if (processCommandLine(exitCode))
        return exitCode;

    QtQuickX::registerResources();
    // Before any QML is loaded, so that every text is looked up in it.
    if (ConsoleTranslation::install(QLocale::system()))
        qDebug() << "Translation installed for" << QLocale::system().name();
    qDebug() << "Application font set to:" << font().toString();
    QQuickStyle::setStyle(QStringLiteral("Material"));
    QtQuickX::instance()->createUiSizes();

    qDebug() << "ICON IMPORT PATHS:" << QIcon::themeSearchPaths();
    QIcon::setFallbackSearchPaths(QIcon::fallbackSearchPaths() << QStringLiteral(":Icons"));

    QQmlApplicationEngine engine;
    StartupIncubationController incubationController(IncubationSliceMs);
    engine.setIncubationController(&incubationController);
    QuickInMemoryImageProvider::installOn(&engine);
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImportPath(QStringLiteral("qrc:/com.brannock"));
    m_engine = &engine;
    setupContextProperties();

    if (!loadMainWindow()) {
        m_engine = nullptr;
        return 1;
    }
    const int result = launch();
    m_engine = nullptr;
    return result;
}

bool Application::processCommandLine(int &exitCode)
{
    CommandLineOptions options;
    QCommandLineParser &parser = options.parser();
    const QCommandLineOption &helpOption = options.help();
    parser.parse(QCoreApplication::arguments());

    if (parser.isSet(helpOption)) {
        QMessageBox::information(nullptr, QString(), parser.helpText(), QMessageBox::Ok);
        exitCode = 0;
        return true;
    }
    const std::pair<const QCommandLineOption *, QString> uriOptions[] = {
        { &options.serviceUri(), QStringLiteral("serviceUri") },
        { &options.storeUri(), QStringLiteral("storeUri") },
        { &options.otaUri(), QStringLiteral("otaUri") },
    };
    for (const auto &[option, key] : uriOptions) {
        if (!parser.isSet(*option))
            continue;
        const QString uri = parser.value(*option);
        if (!ServiceUriOption::apply(uri, key)) {
            qCritical() << "Unusable URI for" << key << uri;
            exitCode = 1;
            return true;
        }
        qDebug() << key << "set to" << uri;
    }
    return false;
}

void Application::setupContextProperties()
{
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("appCore"), this);
    context->setContextProperty(QStringLiteral("BUILD_VERSION"), BuildInfo::buildVersion());
    context->setContextProperty(
        QStringLiteral("BUILD_VERSION_SHORT"), BuildInfo::buildVersionShort());
    context->setContextProperty(QStringLiteral("BUILD_DATE"), BuildInfo::buildDate());
#ifdef KESTRUM_NON_PRODUCTION
    context->setContextProperty(QStringLiteral("NON_PRODUCTION_BUILD"), true);
#else
    context->setContextProperty(
        QStringLiteral("NON_PRODUCTION_BUILD"), QVariant::fromValue<QObject *>(nullptr));
#endif
}

bool Application::loadMainWindow()
{
    qDebug() << "Loading main window";
    m_engine->load(QUrl(QStringLiteral("qrc:///App/Windows/MainWindow.qml")));
    qDebug() << "Main window loaded";

    const QList<QObject *> roots = m_engine->rootObjects();
    m_mainWindow = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
    if (!m_mainWindow) {
        // Without a window there is nothing to run; the engine has already logged its errors.
        qCritical() << "The main window could not be created";
        return false;
    }
    m_engine->rootContext()->setContextProperty(QStringLiteral("MainWindow"), m_mainWindow.data());
    qDebug() << "Create main window done";
    return true;
}

int Application::launch()
{
    QMetaObject::invokeMethod(m_mainWindow, "readyToShow");
    OstrelModule::registerTypes();
    QMetaObject::invokeMethod(
        m_mainWindow, "beginLaunch", Q_ARG(int, 0), Q_ARG(QString, QString()));
    return exec();
}
