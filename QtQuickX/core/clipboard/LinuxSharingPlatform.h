#pragma once

#include <QtGlobal>

#ifndef Q_OS_WIN

#include "SharingPlatform.h"

#include <QDBusConnection>

// Asks the desktop's file manager through the freedesktop D-Bus interface
// org.freedesktop.FileManager1; without one, opens the folder with the default handler.
class LinuxSharingPlatform : public SharingPlatform
{
public:
    LinuxSharingPlatform();
    // bus: where the file manager is looked for (the desktop session's bus by default).
    explicit LinuxSharingPlatform(const QDBusConnection &bus);

    int capabilities() const override;
    bool showInExplorer(const QUrl &filePath) override;

    static const QString fileManagerService;

private:
    bool fileManagerReachable() const;
    bool askFileManager(const QString &method, const QUrl &item);

    QDBusConnection m_bus;
    mutable int m_capabilities = -1;
};

#endif
