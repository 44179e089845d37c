#include "RemovableVolumeProbe.h"

#ifdef Q_OS_WIN
#include "WindowsRemovableVolumeProbe.h"
using PlatformRemovableVolumeProbe = WindowsRemovableVolumeProbe;
#else
#include "LinuxRemovableVolumeProbe.h"
using PlatformRemovableVolumeProbe = LinuxRemovableVolumeProbe;
#endif

std::unique_ptr<RemovableVolumeProbe> RemovableVolumeProbe::create()
{
    return std::make_unique<PlatformRemovableVolumeProbe>();
}
