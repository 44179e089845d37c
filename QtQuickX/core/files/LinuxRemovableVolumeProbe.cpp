#include "LinuxRemovableVolumeProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

LinuxRemovableVolumeProbe::LinuxRemovableVolumeProbe(const QString &sysfsRoot)
    : m_sysfsRoot(QFileInfo(sysfsRoot).canonicalFilePath())
{ }

bool LinuxRemovableVolumeProbe::isRemovable(const QStorageInfo &volume) const
{
    return isRemovableDevice(QString::fromLocal8Bit(volume.device()));
}

bool LinuxRemovableVolumeProbe::isRemovableDevice(const QString &devicePath) const
{
    if (m_sysfsRoot.isEmpty() || !devicePath.startsWith(QLatin1Char('/')))
        return false; // pseudo file systems name no device node
    const QString node = QFileInfo(devicePath).canonicalFilePath();
    const QString deviceName = QFileInfo(node.isEmpty() ? devicePath : node).fileName();
    const QString deviceDirectory = blockDeviceDirectory(deviceName);
    if (deviceDirectory.isEmpty())
        return false;
    if (deviceDirectory.midRef(m_sysfsRoot.size()).contains(QLatin1String("/usb")))
        return true;
    // A partition's removable flag lives on the disk that holds it.
    const bool isPartition = QFileInfo::exists(deviceDirectory + QLatin1String("/partition"));
    const QString disk = isPartition ? QFileInfo(deviceDirectory).path() : deviceDirectory;
    QFile removable(disk + QLatin1String("/removable"));
    return removable.open(QIODevice::ReadOnly) && removable.readAll().trimmed() == "1";
}

QString LinuxRemovableVolumeProbe::blockDeviceDirectory(const QString &deviceName) const
{
    if (deviceName.isEmpty())
        return QString();
    const QString entry = m_sysfsRoot + QLatin1String("/class/block/") + deviceName;
    return QFileInfo(entry).canonicalFilePath();
}
