#include "QuickInMemoryImageProvider.h"

#include "InMemoryImageProvider.h"

#include <QDebug>
#include <QQmlEngine>

const QString QuickInMemoryImageProvider::providerName = QStringLiteral("memory-image");

QuickInMemoryImageProvider::QuickInMemoryImageProvider(QObject *parent)
    : QObject(parent)
    , QQuickImageProvider(QQuickImageProvider::Image)
    , m_store(InMemoryImageProvider::instance())
{
    connect(m_store.get(), &InMemoryImageProvider::imagesCountChanged, this,
        &QuickInMemoryImageProvider::imagesCountChanged);
}

QuickInMemoryImageProvider::~QuickInMemoryImageProvider()
{
    qDebug() << "~QuickInMemoryImageProvider";
}

void QuickInMemoryImageProvider::installOn(QQmlEngine *engine)
{
    if (!engine->imageProvider(providerName))
        engine->addImageProvider(providerName, new QuickInMemoryImageProvider);
}

int QuickInMemoryImageProvider::imagesCount() const
{
    return m_store->count();
}

QImage QuickInMemoryImageProvider::requestImage(
    const QString &id, QSize *size, const QSize &requestedSize)
{
    Q_UNUSED(requestedSize)
    const QImage image = m_store->image(id);
    if (size)
        *size = image.size();
    return image;
}
