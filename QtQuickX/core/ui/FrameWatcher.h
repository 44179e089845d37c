#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QQuickWindow>

#include <atomic>

// Tells when the first frame drawn after arm() has been swapped, that is when what the scene
// held at arm() is on screen. A plain frameSwapped handler cannot tell that: it reaches the GUI
// thread queued, and one of a frame synchronised before the scene changed may come after it.
class FrameWatcher : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickWindow *window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(bool armed READ armed NOTIFY armedChanged)

public:
    explicit FrameWatcher(QObject *parent = nullptr);
    ~FrameWatcher() override;

    QQuickWindow *window() const { return m_window; }
    void setWindow(QQuickWindow *window);
    bool armed() const { return m_armed; }

    // Waits for a frame synchronised from now on; the window is asked for one.
    Q_INVOKABLE void arm();
    Q_INVOKABLE void disarm();

signals:
    void windowChanged();
    void armedChanged();
    // Once per arm(), on the GUI thread.
    void frameShown();

private:
    void disconnectWindow();
    void takeSwap(quint64 serial);

    QPointer<QQuickWindow> m_window;
    QMetaObject::Connection m_synchronized;
    QMetaObject::Connection m_swapped;
    // Counted on the render thread; the GUI thread is blocked while a frame synchronises.
    std::atomic<quint64> m_syncSerial { 0 };
    quint64 m_armedAt = 0;
    bool m_armed = false;
};
