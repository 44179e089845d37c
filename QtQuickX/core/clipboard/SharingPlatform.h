#pragma once

#include <QString>
#include <QUrl>

#include <memory>

// What the operating system does when a file is shown or sent.
class SharingPlatform
{
public:
    virtual ~SharingPlatform() = default;

    // SharingUtility::Capabilities that work here.
    virtual int capabilities() const = 0;
    // Opens the file manager with the file selected, or on the folder itself.
    virtual bool showInExplorer(const QUrl &filePath) = 0;
    // No platform has a sending mechanism yet: logs and reports that nothing was sent.
    virtual bool sendFile(const QUrl &uri, const QString &mimeType);

    static std::unique_ptr<SharingPlatform> create();
};
