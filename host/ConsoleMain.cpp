#include "ConsoleMain.h"

#include "Application.h"
#include "BuildInfo.h"
#include "CommandLineOptions.h"
#include "OutputMessageHandler.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool hasArgument(int argc, char **argv, const char *option)
{
    for (int i = 0; i < argc; ++i) {
        if (qstricmp(argv[i], option) == 0)
            return true;
    }
    return false;
}

// Without a display the application object cannot be made, so the help is printed here.
bool printedHelpWithoutDisplay(int argc, char **argv)
{
    if (CommandLineOptions::displayAvailable())
        return false;
    QCoreApplication application(argc, argv);
    CommandLineOptions options;
    options.parser().parse(QCoreApplication::arguments());
    if (!options.parser().isSet(options.help()))
        return false;
    std::fputs(qPrintable(options.parser().helpText()), stdout);
    std::fflush(stdout);
    return true;
}

int runApplication(int &argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_DisableWindowContextHelpButton);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    qputenv("QT_QUICK_CONTROLS_MATERIAL_VARIANT", "Dense");

    // The application keeps pointers into its arguments for its whole life.
    std::vector<std::string> argumentCopies(argv, argv + argc);
    std::vector<char *> argumentPointers;
    for (std::string &argument : argumentCopies)
        argumentPointers.push_back(argument.data());
    argumentPointers.push_back(nullptr);
    int argumentCount = argc;

    int result = 0;
    {
        Application application(argumentCount, argumentPointers.data());
        qDebug() << "Application instantiated";
        result = application.run();
    }
    return result;
}

} // namespace

int consoleMain(int argc, char **argv)
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Base");
    int result = 0;
    {
        OutputMessageHandler handler;
        if (hasArgument(argc, argv, "--log"))
            qputenv("ZT_LOG_ENABLED", "1");
        if (hasArgument(argc, argv, "--clog"))
            qInstallMessageHandler(OutputMessageHandler::consoleHandler);
        if (qgetenv("ZT_LOG_ENABLED") == "1")
            qInstallMessageHandler(OutputMessageHandler::fileHandler);

        qDebug() << "C++ side: starting application";
        const QLocale locale = QLocale::system();
        qDebug() << "Current locale:" << locale.name();
        qDebug() << "Current native country:" << locale.nativeCountryName();
        qDebug() << "Current native language:" << locale.nativeLanguageName();

        QCoreApplication::setOrganizationName(QStringLiteral("Brannock USA"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("kestrum.example.com"));
        QCoreApplication::setApplicationName(QStringLiteral("Kestrum Console"));
        QCoreApplication::setApplicationVersion(BuildInfo::buildVersion());

        if (!printedHelpWithoutDisplay(argc, argv))
            result = runApplication(argc, argv);
    }
    return result;
}
