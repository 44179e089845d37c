#include "StorageInfo.h"

#include "UriUtils.h"

#include <QDebug>

QUrl StorageInfo::rootUri() const
{
    return m_volume ? QUrl::fromLocalFile(m_volume->rootPath()) : QUrl();
}

void StorageInfo::setRootUri(const QUrl &uri)
{
    if (uri == m_writtenUri)
        return;
    m_writtenUri = uri;
    m_volume.reset();
    if (uri.isLocalFile()) {
        const QStorageInfo volume(uri.toLocalFile());
        if (volume.isValid())
            m_volume = volume;
    }
    if (m_volume) {
        qInfo() << "StorageInfo: free" << m_volume->bytesFree() << "available"
                << m_volume->bytesAvailable() << "total" << m_volume->bytesTotal();
    }
    emit changed();
}

QString StorageInfo::name() const
{
    return m_volume ? m_volume->name() : QString();
}

QString StorageInfo::displayName() const
{
    if (!m_volume)
        return QString();
    const QString rootPath = UriUtils().userFriendlyPath(rootUri());
    const QString volumeName = m_volume->displayName();
    if (volumeName == m_volume->rootPath())
        return rootPath;
    return tr("%1 (%2)").arg(volumeName, rootPath);
}

double StorageInfo::bytesTotal() const
{
    return m_volume ? double(m_volume->bytesTotal()) : 0.0;
}

double StorageInfo::bytesFree() const
{
    return m_volume ? double(m_volume->bytesFree()) : 0.0;
}

double StorageInfo::bytesAvailable() const
{
    return m_volume ? double(m_volume->bytesAvailable()) : 0.0;
}
