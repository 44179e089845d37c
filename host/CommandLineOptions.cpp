#include "CommandLineOptions.h"

#include <QtGlobal>

CommandLineOptions::CommandLineOptions()
    : m_help(m_parser.addHelpOption())
    , m_serviceUri(QStringLiteral("service-uri"),
          QStringLiteral("Use the management service at <uri> (kept in the settings)."),
          QStringLiteral("uri"))
    , m_storeUri(QStringLiteral("store-uri"),
          QStringLiteral("Read the software store catalogue at <uri> (kept in the settings)."),
          QStringLiteral("uri"))
    , m_otaUri(QStringLiteral("ota-uri"),
          QStringLiteral("Read the firmware catalogue at <uri> (kept in the settings)."),
          QStringLiteral("uri"))
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(
        QCommandLineOption(QStringLiteral("clog"), QStringLiteral("Enable log output to console")));
    m_parser.addOption(QCommandLineOption(QStringLiteral("log"),
        QStringLiteral("Enable log output to file.\nFile name will be: "
                       "<Documents>\\ostrel_<yyMMdd-hhmmss>.txt.")));
    m_parser.addOption(m_serviceUri);
    m_parser.addOption(m_storeUri);
    m_parser.addOption(m_otaUri);
}

bool CommandLineOptions::displayAvailable()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    // Platforms such as "offscreen" need no display server.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}
