#pragma once

#include <QObject>
#include <QQmlIncubationController>
#include <QTimer>

// Incubates asynchronously created objects on every turn of the event loop rather than in
// the window's frame slices: a frame-bound slice stretches a short load over many frames
// while an animation runs, so the launcher would finish long after it could.
class StartupIncubationController : public QObject, public QQmlIncubationController
{
    Q_OBJECT
public:
    explicit StartupIncubationController(int sliceMs, QObject *parent = nullptr);

protected:
    void incubatingObjectCountChanged(int count) override;

private:
    void incubateSlice();

    QTimer m_timer;
    int m_sliceMs;
};
