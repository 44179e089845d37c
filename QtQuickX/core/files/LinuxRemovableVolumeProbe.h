#pragma once

#include "RemovableVolumeProbe.h"

#include <QString>

// Reads the kernel's view of a volume's block device from sysfs: removable media, or a disk
// attached through USB (flash drives often claim to be fixed disks).
class LinuxRemovableVolumeProbe : public RemovableVolumeProbe
{
public:
    explicit LinuxRemovableVolumeProbe(const QString &sysfsRoot = QStringLiteral("/sys"));

    bool isRemovable(const QStorageInfo &volume) const override;
    // devicePath is the device node ("/dev/sdb1") or a link to it.
    bool isRemovableDevice(const QString &devicePath) const;

private:
    QString blockDeviceDirectory(const QString &deviceName) const;

    QString m_sysfsRoot;
};
