#pragma once

#include <QObject>
#include <QSize>
#include <QUrl>

// A clipboard image stored as a file: where it is and how large it is.
class ClipboardPictureData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QSize size MEMBER m_size NOTIFY sizeChanged)
    Q_PROPERTY(QUrl url MEMBER m_url NOTIFY urlChanged)
public:
    explicit ClipboardPictureData(QObject *parent = nullptr);
    ClipboardPictureData(const QUrl &url, const QSize &size);

    QSize size() const { return m_size; }
    QUrl url() const { return m_url; }

signals:
    void sizeChanged();
    void urlChanged();

private:
    QSize m_size;
    QUrl m_url;
};
