#include "OutputMessageHandler.h"

#include <PrivateFile.h>

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

namespace {

const char *consolePrefix(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "Debug   : ";
    case QtWarningMsg:
        return "Warning : ";
    case QtCriticalMsg:
        return "Critical: ";
    case QtFatalMsg:
        return "Error   : ";
    case QtInfoMsg:
        return "Info    : ";
    }
    return "Unknown : ";
}

const char *fileTag(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "... ";
    case QtWarningMsg:
        return "[W] ";
    case QtCriticalMsg:
        return "[C] ";
    case QtFatalMsg:
        return "[E] ";
    case QtInfoMsg:
        return "[I] ";
    }
    return "[U] ";
}

// One lock for both handlers: a message is never interleaved with another.
QMutex &outputMutex()
{
    static QMutex mutex;
    return mutex;
}

struct LogFile
{
    QFile file;
    QTextStream stream;
    bool opened = false;

    LogFile()
        : file(OutputMessageHandler::logFilePath(
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QDateTime::currentDateTime()))
    {
        stream.setDevice(&file);
    }
};

} // namespace

QByteArray OutputMessageHandler::consoleLine(
    QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QByteArray line(consolePrefix(type));
    line += message.toUtf8();
    line += '(';
    line += context.file ? context.file : "?";
    line += ',';
    line += QByteArray::number(context.line);
    line += ',';
    line += context.function ? context.function : "?";
    line += ")\n";
    return line;
}

QString OutputMessageHandler::fileLine(
    QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QString line = QLatin1String(fileTag(type));
    if (context.category && qstrcmp(context.category, "default") != 0) {
        line += QString::fromUtf8(context.category);
        line += QLatin1String(": ");
    }
    line += message;
    line += QLatin1String("\r\n");
    return line;
}

QString OutputMessageHandler::logFilePath(
    const QString &documentsDir, const QDateTime &firstMessageTime)
{
    return QStringLiteral("%1/ostrel_%2.txt")
        .arg(documentsDir, firstMessageTime.toString(QStringLiteral("yyMMdd-hhmmss")));
}

void OutputMessageHandler::consoleHandler(
    QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray line = consoleLine(type, context, message);
    QMutexLocker lock(&outputMutex());
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

void OutputMessageHandler::fileHandler(
    QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString line = fileLine(type, context, message);
    QMutexLocker lock(&outputMutex());
    static LogFile log;
    if (!log.opened) {
        log.opened = true;
        // The log records what the operator did and where: his account's alone.
        PrivateFile::open(log.file);
    }
    if (!log.file.isOpen())
        return;
    log.stream << line;
    log.stream.flush();
}
