#include "LocalIO.h"

#include "LocalPath.h"
#include "PrivateFile.h"
#include "WriteProbe.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace {

int compareOpenFiles(QFile &first, QFile &second)
{
    const qint64 sizeDifference = first.size() - second.size();
    if (sizeDifference != 0)
        return int(qBound<qint64>(
            std::numeric_limits<int>::min(), sizeDifference, std::numeric_limits<int>::max()));
    while (true) {
        const QByteArray a = first.read(LocalIO::compareChunkSize);
        const QByteArray b = second.read(LocalIO::compareChunkSize);
        const int common = qMin(a.size(), b.size());
        for (int i = 0; i < common; ++i) {
            if (a.at(i) != b.at(i))
                return int(quint8(a.at(i))) - int(quint8(b.at(i)));
        }
        if (a.size() != b.size())
            return a.size() - b.size();
        if (a.isEmpty())
            return 0;
    }
}

} // namespace

LocalIO::~LocalIO()
{
    qDebug() << "~LocalIO";
}

bool LocalIO::isWritable(const QUrl &uri) const
{
    return uri.isLocalFile() && WriteProbe::canCreateFileIn(uri.toLocalFile());
}

bool LocalIO::isReadable(const QUrl &uri) const
{
    return uri.isLocalFile() && QFileInfo(uri.toLocalFile()).isReadable();
}

QUrl LocalIO::ensureDirectory(const QVariant &directoryList, bool returnFirstIfFail) const
{
    const QList<QUrl> directories = LocalPath::urls(directoryList);
    for (const QUrl &directory : directories) {
        if (directory.isLocalFile() && QDir().mkpath(directory.toLocalFile()))
            return directory;
    }
    return returnFirstIfFail && !directories.isEmpty() ? directories.first() : QUrl();
}

bool LocalIO::createDirectory(const QUrl &uri, const QString &dirPath) const
{
    return uri.isLocalFile() && QDir(uri.toLocalFile()).mkpath(dirPath);
}

bool LocalIO::createDirectory(const QUrl &uri) const
{
    return createDirectory(uri, QStringLiteral("."));
}

template<typename Accept>
QUrl LocalIO::nearestDirectory(const QUrl &uri, Accept accept)
{
    if (!uri.isLocalFile())
        return uri;
    QString path = QDir::cleanPath(uri.toLocalFile());
    while (true) {
        if (QFileInfo(path).isDir() && accept(path))
            return QUrl::fromLocalFile(path);
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return QUrl();
        path = parent;
    }
}

QUrl LocalIO::nearestExistingDirectory(const QUrl &uri) const
{
    return nearestDirectory(uri, [](const QString &) { return true; });
}

QUrl LocalIO::nearestWritableDirectory(const QUrl &uri) const
{
    const QString start = uri.toLocalFile();
    return nearestDirectory(uri, [&start](const QString &folder) {
        QString probeName;
        const bool writable = WriteProbe::canCreateFileIn(folder, &probeName);
        qDebug() << "LocalIO::nearestWritableDirectory:" << start << folder << probeName;
        return writable;
    });
}

int LocalIO::compareFiles(const QVariant &fileName1, const QVariant &fileName2) const
{
    QFile first(LocalPath::fromValue(fileName1));
    QFile second(LocalPath::fromValue(fileName2));
    const bool firstOpen = first.open(QIODevice::ReadOnly);
    const bool secondOpen = second.open(QIODevice::ReadOnly);
    if (firstOpen != secondOpen)
        return firstOpen ? 1 : -1;
    if (!firstOpen)
        return 0;
    return compareOpenFiles(first, second);
}

bool LocalIO::copy(const QUrl &source, const QUrl &destination) const
{
    if (!source.isLocalFile() || !destination.isLocalFile())
        return false;
    const QString sourcePath = source.toLocalFile();
    return QFileInfo(sourcePath).isFile() && QFile::copy(sourcePath, destination.toLocalFile());
}

bool LocalIO::writeWholeFile(const QUrl &uri, const QVariant &data) const
{
    if (!uri.isLocalFile())
        return false;
    const QString path = uri.toLocalFile();
    const QByteArray bytes
        = data.userType() == QMetaType::QByteArray ? data.toByteArray() : data.toString().toUtf8();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool LocalIO::writePrivateFile(const QUrl &uri, const QVariant &data) const
{
    if (!uri.isLocalFile())
        return false;
    return PrivateFile::write(uri.toLocalFile(),
        data.userType() == QMetaType::QByteArray ? data.toByteArray() : data.toString().toUtf8());
}

QByteArray LocalIO::readStringData(const QUrl &uri) const
{
    const QString path = LocalPath::readablePath(uri);
    if (path.isEmpty())
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString LocalIO::readFileText(const QUrl &uri, const QString &encoding) const
{
    Q_UNUSED(encoding) // the program's files are all UTF-8
    return readFileText(uri);
}

QString LocalIO::readFileText(const QUrl &uri) const
{
    return QString::fromUtf8(readStringData(uri));
}

QString LocalIO::toNativeSeparators(const QVariant &value) const
{
    return QDir::toNativeSeparators(LocalPath::fromValue(value));
}

qint64 LocalIO::size(const QUrl &uri) const
{
    if (!uri.isLocalFile())
        return -1;
    const QFileInfo info(uri.toLocalFile());
    return info.exists() ? info.size() : -1;
}

bool LocalIO::removeFile(const QVariant &value) const
{
    const QString path = LocalPath::fromValue(value);
    return !path.isEmpty() && QFile::remove(path);
}

bool LocalIO::renameFile(const QVariant &oldValue, const QVariant &newValue) const
{
    const QString oldPath = LocalPath::fromValue(oldValue);
    const QString newPath = LocalPath::fromValue(newValue);
    return !oldPath.isEmpty() && !newPath.isEmpty() && QFile::rename(oldPath, newPath);
}
