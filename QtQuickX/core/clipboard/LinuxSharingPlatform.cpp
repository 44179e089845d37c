#include "LinuxSharingPlatform.h"

#ifndef Q_OS_WIN

#include "SharingUtility.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr int fileManagerTimeoutMs = 5000;

QUrl folderOf(const QUrl &filePath)
{
    const QFileInfo info(filePath.toLocalFile());
    return info.isDir() ? filePath : QUrl::fromLocalFile(info.absolutePath());
}

} // namespace

const QString LinuxSharingPlatform::fileManagerService
    = QStringLiteral("org.freedesktop.FileManager1");

namespace {

// A desktop session names its bus; without one, asking for the session bus would make
// libdbus launch a bus daemon of its own that outlives the program.
QDBusConnection desktopSessionBus()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return QDBusConnection(QStringLiteral("no desktop session"));
    return QDBusConnection::sessionBus();
}

} // namespace

LinuxSharingPlatform::LinuxSharingPlatform()
    : LinuxSharingPlatform(desktopSessionBus())
{ }

LinuxSharingPlatform::LinuxSharingPlatform(const QDBusConnection &bus)
    : m_bus(bus)
{ }

int LinuxSharingPlatform::capabilities() const
{
    int result = SharingUtility::ShareToClipboard;
    if (fileManagerReachable()
        || !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        result |= SharingUtility::ShowInExplorer;
    return result;
}

bool LinuxSharingPlatform::showInExplorer(const QUrl &filePath)
{
    if (!filePath.isLocalFile())
        return false;
    const bool isFolder = QFileInfo(filePath.toLocalFile()).isDir();
    if (askFileManager(
            isFolder ? QStringLiteral("ShowFolders") : QStringLiteral("ShowItems"), filePath))
        return true;
    return QDesktopServices::openUrl(folderOf(filePath));
}

bool LinuxSharingPlatform::fileManagerReachable() const
{
    if (!m_bus.isConnected())
        return false;
    const QDBusConnectionInterface *busInterface = m_bus.interface();
    if (!busInterface)
        return false;
    if (busInterface->isServiceRegistered(fileManagerService))
        return true;
    const QStringList activatable = busInterface->activatableServiceNames();
    return activatable.contains(fileManagerService);
}

bool LinuxSharingPlatform::askFileManager(const QString &method, const QUrl &item)
{
    if (!m_bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(fileManagerService,
        QStringLiteral("/org/freedesktop/FileManager1"), fileManagerService, method);
    call << QStringList { item.toString(QUrl::FullyEncoded) } << QString();
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, fileManagerTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

#endif
