#pragma once

#include <QStorageInfo>

#include <memory>

// Asks the operating system whether a mounted volume sits on a removable drive.
class RemovableVolumeProbe
{
public:
    virtual ~RemovableVolumeProbe() = default;
    virtual bool isRemovable(const QStorageInfo &volume) const = 0;

    // The probe of the platform the program runs on.
    static std::unique_ptr<RemovableVolumeProbe> create();
};
