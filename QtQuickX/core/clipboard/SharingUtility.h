#pragma once

#include <QObject>
#include <QUrl>

#include <memory>

class SharingPlatform;

// Hands files to the operating system: clipboard, file manager, sending.
class SharingUtility : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Capabilities capabilities READ capabilities CONSTANT)
public:
    enum Capability {
        ShareToClipboard = 1,
        ShowInExplorer = 2,
        SendFile = 4,
    };
    Q_DECLARE_FLAGS(Capabilities, Capability)
    Q_FLAG(Capabilities)

    explicit SharingUtility(QObject *parent = nullptr);
    SharingUtility(std::unique_ptr<SharingPlatform> platform, QObject *parent = nullptr);
    ~SharingUtility() override;

    Capabilities capabilities() const;

    // Puts the local file's text on the clipboard.
    Q_INVOKABLE bool shareToClipboard(const QUrl &filePath);
    Q_INVOKABLE bool shareToClipboard(const QString &text);
    Q_INVOKABLE bool showInExplorer(const QUrl &filePath);
    // Opens the folder (or the folder holding the file) with the desktop's default handler.
    Q_INVOKABLE bool showFolderInExplorer(const QUrl &filePath);
    // An empty MIME type is taken from the file's name.
    Q_INVOKABLE bool sendFile(const QUrl &uri, const QString &mimeType);
    Q_INVOKABLE bool sendFile(const QUrl &uri);

private:
    std::unique_ptr<SharingPlatform> m_platform;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SharingUtility::Capabilities)
