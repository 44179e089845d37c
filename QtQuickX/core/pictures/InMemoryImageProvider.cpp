#include "InMemoryImageProvider.h"

#include <QDebug>

std::shared_ptr<InMemoryImageProvider> InMemoryImageProvider::instance()
{
    static QMutex mutex;
    static std::weak_ptr<InMemoryImageProvider> current;
    QMutexLocker locker(&mutex);
    std::shared_ptr<InMemoryImageProvider> store = current.lock();
    if (!store) {
        store.reset(new InMemoryImageProvider);
        current = store;
    }
    return store;
}

InMemoryImageProvider::~InMemoryImageProvider()
{
    qDebug() << "~InMemoryImageProvider";
}

void InMemoryImageProvider::insert(const QString &id, const QImage &image)
{
    int before = 0;
    int after = 0;
    {
        QMutexLocker locker(&m_mutex);
        before = m_images.size();
        m_images.insert(id, image);
        after = m_images.size();
    }
    if (before != after)
        emit imagesCountChanged();
}

void InMemoryImageProvider::remove(const QString &id)
{
    int removed = 0;
    {
        QMutexLocker locker(&m_mutex);
        removed = m_images.remove(id);
    }
    if (removed)
        emit imagesCountChanged();
}

QImage InMemoryImageProvider::image(const QString &id) const
{
    QMutexLocker locker(&m_mutex);
    return m_images.value(id);
}

int InMemoryImageProvider::count() const
{
    QMutexLocker locker(&m_mutex);
    return m_images.size();
}
