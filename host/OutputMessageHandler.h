#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// Routes Qt's message log to standard output or to a log file in Documents.
class OutputMessageHandler : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    static void consoleHandler(
        QtMsgType type, const QMessageLogContext &context, const QString &message);
    static void fileHandler(
        QtMsgType type, const QMessageLogContext &context, const QString &message);

    // Line builders, kept apart from the output so tests can check them byte for byte.
    static QByteArray consoleLine(
        QtMsgType type, const QMessageLogContext &context, const QString &message);
    static QString fileLine(
        QtMsgType type, const QMessageLogContext &context, const QString &message);
    static QString logFilePath(const QString &documentsDir, const QDateTime &firstMessageTime);
};
