#pragma once

#include <QMutex>
#include <QObject>
#include <QStringList>

// Stands in for the desktop's file manager on a private D-Bus session and records what it
// was asked to show.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    using QObject::QObject;

    // "ShowItems <uri>" or "ShowFolders <uri>", one entry per call.
    QStringList calls() const;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId);
    void ShowFolders(const QStringList &uris, const QString &startupId);

private:
    mutable QMutex m_mutex;
    QStringList m_calls;
};
