#pragma once

#include <QObject>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <memory>

class RemovableVolumeProbe;

// Standard locations, removable drives, unique file names and readable sizes.
class Storages : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QUrl> writableUsbFlashDrives READ writableUsbFlashDrives)
public:
    enum GenerateFileNameOption {
        ForceTimeStamp = 1,
        DisableTimeStamp = 2,
        ReserveFile = 4,
    };
    Q_DECLARE_FLAGS(GenerateFileNameOptions, GenerateFileNameOption)
    Q_FLAG(GenerateFileNameOptions)

    // The values of QStandardPaths' locations.
    enum StandardLocation {
        DesktopLocation = QStandardPaths::DesktopLocation,
        DocumentsLocation = QStandardPaths::DocumentsLocation,
        FontsLocation = QStandardPaths::FontsLocation,
        ApplicationsLocation = QStandardPaths::ApplicationsLocation,
        MusicLocation = QStandardPaths::MusicLocation,
        MoviesLocation = QStandardPaths::MoviesLocation,
        PicturesLocation = QStandardPaths::PicturesLocation,
        TempLocation = QStandardPaths::TempLocation,
        HomeLocation = QStandardPaths::HomeLocation,
        DataLocation = 9,
        CacheLocation = QStandardPaths::CacheLocation,
        GenericDataLocation = QStandardPaths::GenericDataLocation,
        RuntimeLocation = QStandardPaths::RuntimeLocation,
        ConfigLocation = QStandardPaths::ConfigLocation,
        DownloadLocation = QStandardPaths::DownloadLocation,
        GenericCacheLocation = QStandardPaths::GenericCacheLocation,
        GenericConfigLocation = QStandardPaths::GenericConfigLocation,
        AppDataLocation = QStandardPaths::AppDataLocation,
        AppConfigLocation = QStandardPaths::AppConfigLocation,
        AppLocalDataLocation = QStandardPaths::AppLocalDataLocation,
    };
    Q_ENUM(StandardLocation)

    enum FileModelType {
        BasicFileModel = 0,
        LocalFileModel = 1,
        HomeFileModel = 2,
        HistoryFileModel = 3,
        CloudFileModel = 4,
    };
    Q_ENUM(FileModelType)

    enum FileModelError {
        DestinationUnreachable = 404,
        HistoryRefreshFailed = 801,
    };
    Q_ENUM(FileModelError)

    explicit Storages(QObject *parent = nullptr);
    // The probe decides which mounted volumes count as removable drives.
    explicit Storages(std::unique_ptr<RemovableVolumeProbe> probe, QObject *parent = nullptr);
    ~Storages() override;

    Q_INVOKABLE QString userFriendlySize(qint64 bytes, qint64 max = 10000) const;
    Q_INVOKABLE QUrl generateFileName(const QVariant &directories, const QString &prefix,
        const QString &suffix, GenerateFileNameOptions options = {}) const;
    Q_INVOKABLE QString generateFileNameOnly(
        const QString &prefix, const QString &suffix, GenerateFileNameOptions options = {}) const;
    Q_INVOKABLE QUrl writableDir(const QVariant &directories) const;
    Q_INVOKABLE QUrl writableLocation(
        StandardLocation standardLocation, const QString &subDir = QString()) const;
    Q_INVOKABLE bool fileExists(const QUrl &fileUri) const;
    Q_INVOKABLE QVariantList populateHomeFileModel() const;

    QList<QUrl> writableUsbFlashDrives() const;

private:
    std::unique_ptr<RemovableVolumeProbe> m_removableProbe;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Storages::GenerateFileNameOptions)
