#pragma once

#include "Clipboard.h"

class Picture;

// The clipboard as QML sees it: images come and go as in-memory pictures.
class QmlClipboard : public Clipboard
{
    Q_OBJECT
public:
    using Clipboard::Clipboard;

    // The clipboard's current image; the caller owns the result.
    Q_INVOKABLE Picture *image() const;
    // Stores the picture as a file of that format (PNG when empty) and puts it on the
    // clipboard; a PDF goes with a PNG copy for programs that take images only.
    Q_INVOKABLE void setImage(Picture *picture, const QString &format);
    // The base overloads, so QML still finds them next to the one above.
    Q_INVOKABLE void setImage(const QUrl &url) { Clipboard::setImage(url); }
    Q_INVOKABLE void setImage(const QUrl &imgurl, const QUrl &url)
    {
        Clipboard::setImage(imgurl, url);
    }
};
