#include "Storages.h"

#include "LocalPath.h"
#include "RemovableVolumeProbe.h"
#include "UniqueFileName.h"
#include "WriteProbe.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <limits>

namespace {

const QStringList &sizeUnits()
{
    static const QStringList units = {
        QCoreApplication::translate("Storages", "bytes"),
        QCoreApplication::translate("Storages", "KB"),
        QCoreApplication::translate("Storages", "MB"),
        QCoreApplication::translate("Storages", "GB"),
        QCoreApplication::translate("Storages", "TB"),
        QCoreApplication::translate("Storages", "PB"),
        QCoreApplication::translate("Storages", "EB"),
        QCoreApplication::translate("Storages", "ZB"),
        QCoreApplication::translate("Storages", "YB"),
    };
    return units;
}

// The folder of a local URL when it exists or could be created and files can be made in it.
QString usableFolder(const QUrl &directory)
{
    if (!directory.isLocalFile())
        return QString();
    const QString folder = directory.toLocalFile();
    if (!QDir().mkpath(folder) || !WriteProbe::canCreateFileIn(folder))
        return QString();
    return folder;
}

} // namespace

Storages::Storages(QObject *parent)
    : Storages(RemovableVolumeProbe::create(), parent)
{ }

Storages::Storages(std::unique_ptr<RemovableVolumeProbe> probe, QObject *parent)
    : QObject(parent)
    , m_removableProbe(std::move(probe))
{ }

Storages::~Storages()
{
    qInfo() << "~Storages";
}

QString Storages::userFriendlySize(qint64 bytes, qint64 max) const
{
    const QStringList &units = sizeUnits();
    qint64 divisor = 1;
    int unit = 0;
    // Units past what 64 bits can hold are never reached.
    while (bytes / divisor >= max && unit < units.size() - 1
        && divisor <= std::numeric_limits<qint64>::max() / 1000) {
        divisor *= 1000;
        ++unit;
    }
    const qint64 quotient = bytes / divisor;
    return tr("%1 %2").arg(quotient).arg(units.at(unit));
}

QUrl Storages::generateFileName(const QVariant &directories, const QString &prefix,
    const QString &suffix, GenerateFileNameOptions options) const
{
    const QList<QUrl> folders = LocalPath::urls(directories);
    qDebug() << "Storages::generateFileName" << prefix << suffix << folders;
    const UniqueFileName name(
        prefix, suffix, options.testFlag(ForceTimeStamp), options.testFlag(DisableTimeStamp));
    for (const QUrl &directory : folders) {
        qDebug() << "URI:" << directory;
        const QString folder = usableFolder(directory);
        if (folder.isEmpty())
            continue;
        const QString path = name.findIn(folder, options.testFlag(ReserveFile));
        if (!path.isEmpty())
            return QUrl::fromLocalFile(path);
    }
    return QUrl();
}

QString Storages::generateFileNameOnly(
    const QString &prefix, const QString &suffix, GenerateFileNameOptions options) const
{
    return UniqueFileName(
        prefix, suffix, options.testFlag(ForceTimeStamp), options.testFlag(DisableTimeStamp))
        .nameOnly();
}

QUrl Storages::writableDir(const QVariant &directories) const
{
    const QList<QUrl> folders = LocalPath::urls(directories);
    for (const QUrl &directory : folders) {
        const QString folder = usableFolder(directory);
        if (!folder.isEmpty())
            return QUrl(folder);
    }
    return QUrl();
}

QUrl Storages::writableLocation(StandardLocation standardLocation, const QString &subDir) const
{
    const QString base
        = QStandardPaths::writableLocation(QStandardPaths::StandardLocation(standardLocation));
    const QString folder = subDir.isEmpty() ? base : QDir(base).filePath(subDir);
    QDir().mkpath(folder);
    return QUrl::fromLocalFile(folder);
}

bool Storages::fileExists(const QUrl &fileUri) const
{
    return fileUri.isLocalFile() && QFileInfo::exists(fileUri.toLocalFile());
}

QVariantList Storages::populateHomeFileModel() const
{
    qDebug() << "Storages::populateHomeFileModel()";
    return QVariantList();
}

QList<QUrl> Storages::writableUsbFlashDrives() const
{
    QList<QUrl> drives;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (volume.isValid() && !volume.isReadOnly() && m_removableProbe->isRemovable(volume))
            drives.append(QUrl::fromLocalFile(volume.rootPath()));
    }
    return drives;
}
