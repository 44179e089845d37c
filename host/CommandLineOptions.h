#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

// The console's command-line options, declared once for the application and for the help
// printed when there is no display to show it on.
class CommandLineOptions
{
public:
    CommandLineOptions();

    QCommandLineParser &parser() { return m_parser; }
    const QCommandLineOption &help() const { return m_help; }
    const QCommandLineOption &serviceUri() const { return m_serviceUri; }
    const QCommandLineOption &storeUri() const { return m_storeUri; }
    const QCommandLineOption &otaUri() const { return m_otaUri; }

    // Without a display the help goes to the terminal: a message box could not be shown.
    static bool displayAvailable();

private:
    // Declared first: the help option is made by the parser.
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_serviceUri;
    QCommandLineOption m_storeUri;
    QCommandLineOption m_otaUri;
};
