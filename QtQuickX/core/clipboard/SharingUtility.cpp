#include "SharingUtility.h"

#include "SharingPlatform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>

SharingUtility::SharingUtility(QObject *parent)
    : SharingUtility(SharingPlatform::create(), parent)
{ }

SharingUtility::SharingUtility(std::unique_ptr<SharingPlatform> platform, QObject *parent)
    : QObject(parent)
    , m_platform(std::move(platform))
{ }

SharingUtility::~SharingUtility() = default;

SharingUtility::Capabilities SharingUtility::capabilities() const
{
    return Capabilities(m_platform->capabilities());
}

bool SharingUtility::shareToClipboard(const QUrl &filePath)
{
    QFile file(filePath.toLocalFile());
    if (!filePath.isLocalFile() || !file.open(QIODevice::ReadOnly))
        return false;
    QGuiApplication::clipboard()->setText(QString::fromUtf8(file.readAll()), QClipboard::Clipboard);
    return true;
}

bool SharingUtility::shareToClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    return true;
}

bool SharingUtility::showInExplorer(const QUrl &filePath)
{
    return m_platform->showInExplorer(filePath);
}

bool SharingUtility::showFolderInExplorer(const QUrl &filePath)
{
    if (!filePath.isLocalFile())
        return false;
    const QFileInfo info(filePath.toLocalFile());
    const QUrl folder = info.isDir() ? filePath : QUrl::fromLocalFile(info.absolutePath());
    return QDesktopServices::openUrl(folder);
}

bool SharingUtility::sendFile(const QUrl &uri, const QString &mimeType)
{
    const QString type = mimeType.isEmpty() ? QMimeDatabase().mimeTypeForUrl(uri).name() : mimeType;
    return m_platform->sendFile(uri, type);
}

bool SharingUtility::sendFile(const QUrl &uri)
{
    return sendFile(uri, QString());
}
