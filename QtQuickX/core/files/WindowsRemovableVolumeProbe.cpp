#include "WindowsRemovableVolumeProbe.h"

#ifdef Q_OS_WIN

#include <QDir>

#include <windows.h>

bool WindowsRemovableVolumeProbe::isRemovable(const QStorageInfo &volume) const
{
    const QString root = QDir::toNativeSeparators(volume.rootPath());
    return GetDriveTypeW(reinterpret_cast<const wchar_t *>(root.utf16())) == DRIVE_REMOVABLE;
}

#endif
