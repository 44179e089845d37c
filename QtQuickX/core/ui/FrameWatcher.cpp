#include "FrameWatcher.h"

FrameWatcher::FrameWatcher(QObject *parent)
    : QObject(parent)
{ }

FrameWatcher::~FrameWatcher()
{
    disconnectWindow();
}

void FrameWatcher::setWindow(QQuickWindow *window)
{
    if (m_window == window)
        return;
    disconnectWindow();
    m_window = window;
    if (window) {
        // Direct: counted where the frame is made, so that the count belongs to that frame.
        m_synchronized = connect(
            window, &QQuickWindow::afterSynchronizing, this, [this] { ++m_syncSerial; },
            Qt::DirectConnection);
        m_swapped = connect(
            window, &QQuickWindow::frameSwapped, this,
            [this] {
                const quint64 serial = m_syncSerial.load();
                QMetaObject::invokeMethod(
                    this, [this, serial] { takeSwap(serial); }, Qt::QueuedConnection);
            },
            Qt::DirectConnection);
        if (m_armed)
            window->update();
    }
    emit windowChanged();
}

void FrameWatcher::arm()
{
    m_armedAt = m_syncSerial.load();
    if (!m_armed) {
        m_armed = true;
        emit armedChanged();
    }
    if (m_window)
        m_window->update();
}

void FrameWatcher::disarm()
{
    if (!m_armed)
        return;
    m_armed = false;
    emit armedChanged();
}

void FrameWatcher::disconnectWindow()
{
    QObject::disconnect(m_synchronized);
    QObject::disconnect(m_swapped);
}

void FrameWatcher::takeSwap(quint64 serial)
{
    if (!m_armed || serial <= m_armedAt)
        return;
    m_armed = false;
    emit armedChanged();
    emit frameShown();
}
