#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QObject>

#include <memory>

// The process-wide store of in-memory pictures, by picture id. Image providers read it from
// the image loading threads, so every access is locked.
class InMemoryImageProvider : public QObject
{
    Q_OBJECT
public:
    // The store that exists, or a new one; it lives while anyone holds it.
    static std::shared_ptr<InMemoryImageProvider> instance();

    ~InMemoryImageProvider() override;

    void insert(const QString &id, const QImage &image);
    void remove(const QString &id);
    // A null image when there is none with that id.
    QImage image(const QString &id) const;
    int count() const;

signals:
    void imagesCountChanged();

private:
    InMemoryImageProvider() = default;

    mutable QMutex m_mutex;
    QHash<QString, QImage> m_images;
};
