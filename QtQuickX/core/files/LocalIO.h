#pragma once

#include <QObject>
#include <QUrl>
#include <QVariant>

// Reads, writes and probes local files and folders given as URLs.
class LocalIO : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~LocalIO() override;

    Q_INVOKABLE bool isWritable(const QUrl &uri) const;
    Q_INVOKABLE bool isReadable(const QUrl &uri) const;
    Q_INVOKABLE QUrl ensureDirectory(
        const QVariant &directories, bool returnFirstIfFail = true) const;
    Q_INVOKABLE bool createDirectory(const QUrl &uri, const QString &dirPath) const;
    Q_INVOKABLE bool createDirectory(const QUrl &uri) const;
    Q_INVOKABLE QUrl nearestExistingDirectory(const QUrl &uri) const;
    Q_INVOKABLE QUrl nearestWritableDirectory(const QUrl &uri) const;
    // Negative when the first file sorts before the second, 0 when both hold the same bytes.
    Q_INVOKABLE int compareFiles(const QVariant &fileName1, const QVariant &fileName2) const;
    Q_INVOKABLE bool copy(const QUrl &source, const QUrl &destination) const;
    // Replaces the file as a whole: a failed write leaves the previous file untouched.
    Q_INVOKABLE bool writeWholeFile(const QUrl &uri, const QVariant &data) const;
    // As writeWholeFile, readable by the owner only: for files that hold credentials.
    Q_INVOKABLE bool writePrivateFile(const QUrl &uri, const QVariant &data) const;
    Q_INVOKABLE QByteArray readStringData(const QUrl &uri) const;
    Q_INVOKABLE QString readFileText(const QUrl &uri, const QString &encoding) const;
    Q_INVOKABLE QString readFileText(const QUrl &uri) const;
    Q_INVOKABLE QString toNativeSeparators(const QVariant &value) const;
    Q_INVOKABLE qint64 size(const QUrl &uri) const;
    Q_INVOKABLE bool removeFile(const QVariant &value) const;
    Q_INVOKABLE bool renameFile(const QVariant &oldValue, const QVariant &newValue) const;

    static constexpr qint64 compareChunkSize = 1024 * 1024;

private:
    // Walks from the path up through its parents; the first folder that passes is returned.
    template<typename Accept>
    static QUrl nearestDirectory(const QUrl &uri, Accept accept);
};
