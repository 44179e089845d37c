#include "ClipboardFileStorage.h"

#include "LocalIO.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QUrl>

const QString ClipboardFileStorage::filePrefix = QStringLiteral("clipboardFile");

namespace {

bool writePdf(const QImage &image, const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(96);
    writer.setPageSize(QPageSize(image.size() * 72.0 / 96.0, QPageSize::Point));
    writer.setPageMargins(QMarginsF(), QPageLayout::Point);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.drawImage(QRect(QPoint(), image.size()), image);
    return painter.end();
}

} // namespace

ClipboardFileStorage::ClipboardFileStorage(QObject *parent)
    : ClipboardFileStorage(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation), parent)
{ }

ClipboardFileStorage::ClipboardFileStorage(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{ }

bool ClipboardFileStorage::ensureFolder() const
{
    return QDir().mkpath(m_folder);
}

QString ClipboardFileStorage::storeFile(
    const QString &src, const QString &key, const QString &extension)
{
    if (!ensureFolder())
        return QString();
    const QString target = QDir(m_folder).filePath(filePrefix + key + QLatin1Char('.') + extension);
    const QUrl targetUrl = QUrl::fromLocalFile(target);
    const QFileInfo existing(target);
    if (existing.exists() && existing.size() > 0)
        return targetUrl.toString();
    // An empty leftover (an earlier copy that failed) would block the copy.
    if (existing.exists())
        QFile::remove(target);
    return LocalIO().copy(QUrl(src), targetUrl) ? targetUrl.toString() : QString();
}

bool ClipboardFileStorage::clearOldData()
{
    const QDir dir(m_folder);
    if (!dir.exists())
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    bool allRemoved = true;
    const QFileInfoList entries
        = dir.entryInfoList({ filePrefix + QLatin1Char('*') }, QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.lastRead().secsTo(now) > maxAgeSeconds && !QFile::remove(entry.filePath()))
            allRemoved = false;
    }
    return allRemoved;
}

QString ClipboardFileStorage::storeImage(const QImage &image, const QString &format)
{
    if (image.isNull() || !ensureFolder())
        return QString();
    // Named by the time; a file stored earlier in the same millisecond is never overwritten.
    const QDir dir(m_folder);
    QString path;
    for (qint64 stamp = QDateTime::currentMSecsSinceEpoch();
         path.isEmpty() || QFileInfo::exists(path); ++stamp)
        path = dir.filePath(filePrefix + QString::number(stamp) + QLatin1Char('.') + format);
    const bool written = format.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
        ? writePdf(image, path)
        : image.save(path);
    if (!written) {
        QFile::remove(path);
        return QString();
    }
    return QUrl::fromLocalFile(path).toString();
}
