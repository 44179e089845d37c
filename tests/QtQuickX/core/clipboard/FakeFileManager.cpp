#include "FakeFileManager.h"

QStringList FakeFileManager::calls() const
{
    QMutexLocker locker(&m_mutex);
    return m_calls;
}

void FakeFileManager::ShowItems(const QStringList &uris, const QString &)
{
    QMutexLocker locker(&m_mutex);
    m_calls.append("ShowItems " + uris.join(' '));
}

void FakeFileManager::ShowFolders(const QStringList &uris, const QString &)
{
    QMutexLocker locker(&m_mutex);
    m_calls.append("ShowFolders " + uris.join(' '));
}
