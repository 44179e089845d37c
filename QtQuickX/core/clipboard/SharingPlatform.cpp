#include "SharingPlatform.h"

#include <QDebug>

#ifdef Q_OS_WIN
#include "WindowsSharingPlatform.h"
using NativeSharingPlatform = WindowsSharingPlatform;
#else
#include "LinuxSharingPlatform.h"
using NativeSharingPlatform = LinuxSharingPlatform;
#endif

bool SharingPlatform::sendFile(const QUrl &uri, const QString &mimeType)
{
    qDebug() << "sendFile" << uri << mimeType;
    return false;
}

std::unique_ptr<SharingPlatform> SharingPlatform::create()
{
    return std::make_unique<NativeSharingPlatform>();
}
