#include "WindowsSharingPlatform.h"

#ifdef Q_OS_WIN

#include "SharingUtility.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>
#include <shellapi.h>

int WindowsSharingPlatform::capabilities() const
{
    return SharingUtility::ShareToClipboard | SharingUtility::ShowInExplorer;
}

bool WindowsSharingPlatform::showInExplorer(const QUrl &filePath)
{
    if (!filePath.isLocalFile())
        return false;
    const QString localPath = filePath.toLocalFile();
    const QString quoted
        = QLatin1Char('"') + QDir::toNativeSeparators(localPath) + QLatin1Char('"');
    const QString arguments
        = QFileInfo(localPath).isDir() ? quoted : QStringLiteral("/select,") + quoted;
    ShellExecuteW(nullptr, nullptr, L"explorer.exe",
        reinterpret_cast<const wchar_t *>(arguments.utf16()), nullptr, SW_SHOWNORMAL);
    return true;
}

#endif
