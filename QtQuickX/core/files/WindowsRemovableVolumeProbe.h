#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "RemovableVolumeProbe.h"

// Asks Windows for the drive type of the volume's root.
class WindowsRemovableVolumeProbe : public RemovableVolumeProbe
{
public:
    bool isRemovable(const QStorageInfo &volume) const override;
};

#endif
