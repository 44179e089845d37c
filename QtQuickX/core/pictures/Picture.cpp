#include "Picture.h"

#include "InMemoryImageProvider.h"
#include "QuickInMemoryImageProvider.h"

#include <QAtomicInteger>
#include <QDebug>

Picture::Picture(QObject *parent)
    : QObject(parent)
    , m_store(InMemoryImageProvider::instance())
{ }

Picture::~Picture()
{
    qDebug() << "Picture::~Picture" << m_id;
    if (!m_id.isEmpty())
        m_store->remove(m_id);
}

QUrl Picture::url() const
{
    if (m_id.isEmpty())
        return QUrl();
    return QUrl(QLatin1String("image://") + QuickInMemoryImageProvider::providerName
        + QLatin1Char('/') + m_id);
}

void Picture::setImage(const QImage &image)
{
    if (image.isNull() && m_image.isNull())
        return;
    if (image.cacheKey() == m_image.cacheKey())
        return;
    if (!m_id.isEmpty())
        m_store->remove(m_id);
    m_image = image;
    if (image.isNull()) {
        m_id.clear();
    } else {
        m_id = nextId();
        m_store->insert(m_id, image);
    }
    emit idChanged();
}

bool Picture::saveTo(const QUrl &fileName, const QVariant &params)
{
    qDebug() << "Picture::saveTo" << fileName;
    bool isNumber = false;
    const int requested = params.toInt(&isNumber);
    const bool usable = params.isValid() && isNumber && requested >= 1 && requested <= 100;
    return m_image.save(fileName.toLocalFile(), nullptr, usable ? requested : defaultQuality);
}

bool Picture::saveTo(const QUrl &fileName)
{
    return saveTo(fileName, QVariant());
}

QString Picture::nextId()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("picture-") + QString::number(++counter, 16);
}
