#pragma once

#include <QImage>
#include <QObject>

// The folder where clipboard images and files are kept as files named "clipboardFile...".
class ClipboardFileStorage : public QObject
{
    Q_OBJECT
public:
    explicit ClipboardFileStorage(QObject *parent = nullptr);
    // folder: where the files go instead of the application's local data folder.
    explicit ClipboardFileStorage(const QString &folder, QObject *parent = nullptr);

    QString folder() const { return m_folder; }

    // Copies the file at src (a URL text) once per key and extension; the copy's URL text.
    Q_INVOKABLE QString storeFile(const QString &src, const QString &key, const QString &extension);
    // Removes the stored files not read for a day; false if one could not be removed.
    Q_INVOKABLE bool clearOldData();
    // Writes the image in the format of the suffix ("pdf" gives a one-page document);
    // the file's URL text, or empty when it could not be written.
    Q_INVOKABLE QString storeImage(
        const QImage &image, const QString &format = QStringLiteral("png"));

    static const QString filePrefix;
    static constexpr qint64 maxAgeSeconds = 86399;

private:
    bool ensureFolder() const;

    QString m_folder;
};
