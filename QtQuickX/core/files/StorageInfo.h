#pragma once

#include <QObject>
#include <QStorageInfo>
#include <QUrl>

#include <optional>

// Describes the volume that holds a local URL.
class StorageInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl rootUri READ rootUri WRITE setRootUri NOTIFY changed)
    Q_PROPERTY(QString name READ name NOTIFY changed)
    Q_PROPERTY(QString displayName READ displayName NOTIFY changed)
    Q_PROPERTY(double bytesTotal READ bytesTotal NOTIFY changed)
    Q_PROPERTY(double bytesFree READ bytesFree NOTIFY changed)
    Q_PROPERTY(double bytesAvailable READ bytesAvailable NOTIFY changed)
public:
    using QObject::QObject;

    QUrl rootUri() const;
    void setRootUri(const QUrl &uri);
    QString name() const;
    QString displayName() const;
    double bytesTotal() const;
    double bytesFree() const;
    double bytesAvailable() const;

signals:
    void changed();

private:
    QUrl m_writtenUri;
    std::optional<QStorageInfo> m_volume;
};
