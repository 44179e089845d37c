#include "QmlMessageLog.h"

namespace {

QmlMessageLog *recorder = nullptr;
QtMessageHandler previousHandler = nullptr;

} // namespace

QmlMessageLog::QmlMessageLog(QObject *parent)
    : QObject(parent)
{ }

QmlMessageLog::~QmlMessageLog()
{
    stop();
}

int QmlMessageLog::length() const
{
    int total = 0;
    for (const QString &line : m_lines)
        total += line.size() + 1;
    return total;
}

void QmlMessageLog::start()
{
    if (m_recording || recorder)
        return;
    recorder = this;
    m_recording = true;
    previousHandler = qInstallMessageHandler(&QmlMessageLog::record);
}

void QmlMessageLog::stop()
{
    if (!m_recording)
        return;
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    recorder = nullptr;
    m_recording = false;
}

void QmlMessageLog::record(
    QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (recorder)
        recorder->m_lines.append(message);
    if (previousHandler)
        previousHandler(type, context, message);
}
