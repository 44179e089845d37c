#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>

// Turns the URLs and texts that QML hands over into paths the file system understands.
class LocalPath
{
public:
    // A local URL gives its local path, a text that is not a URL is taken as a path;
    // anything else gives the empty string.
    static QString fromValue(const QVariant &value);
    // A list of URLs or texts (or a single one) as URLs.
    static QList<QUrl> urls(const QVariant &value);
    // Local URLs give their path, "qrc:" URLs the resource path (":/..."); other schemes nothing.
    static QString readablePath(const QUrl &url);
};
