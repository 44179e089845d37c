#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QUrl>
#include <QVariant>

#include <memory>

class InMemoryImageProvider;

// An image held in memory that QML shows through its url ("image://memory-image/<id>").
class Picture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl url READ url NOTIFY idChanged)
    Q_PROPERTY(QString id READ id NOTIFY idChanged)
    Q_PROPERTY(QSize size READ size NOTIFY idChanged)
    Q_PROPERTY(QRect geometry MEMBER m_geometry)
    Q_PROPERTY(QImage image READ image)
public:
    explicit Picture(QObject *parent = nullptr);
    ~Picture() override;

    QUrl url() const;
    QString id() const { return m_id; }
    QSize size() const { return m_image.size(); }
    QImage image() const { return m_image; }
    // Each new image gets a new id, so views showing the old url do not keep a stale copy.
    void setImage(const QImage &image);

    static constexpr int defaultQuality = 95;
    // quality: 1 to 100; anything else gives the default.
    Q_INVOKABLE bool saveTo(const QUrl &fileName, const QVariant &params);
    Q_INVOKABLE bool saveTo(const QUrl &fileName);

signals:
    void idChanged();

private:
    static QString nextId();

    std::shared_ptr<InMemoryImageProvider> m_store;
    QString m_id;
    QImage m_image;
    QRect m_geometry;
};
