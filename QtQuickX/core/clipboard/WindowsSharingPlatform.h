#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "SharingPlatform.h"

// Starts the Windows file explorer with the file selected.
class WindowsSharingPlatform : public SharingPlatform
{
public:
    int capabilities() const override;
    bool showInExplorer(const QUrl &filePath) override;
};

#endif
