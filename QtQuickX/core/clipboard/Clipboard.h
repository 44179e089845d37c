#pragma once

#include <QObject>
#include <QUrl>
#include <QVariant>

class ClipboardPictureData;
class QClipboard;

// The system clipboard (not the selection) for QML.
class Clipboard : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QStringList formats() const;
    Q_INVOKABLE bool hasMimeType(const QString &mimeType) const;
    Q_INVOKABLE bool hasText() const;
    Q_INVOKABLE bool hasHtml() const;
    Q_INVOKABLE bool hasImage() const;
    // The data of that type read as JSON.
    Q_INVOKABLE QVariant data(const QString &arg) const;
    // HTML when there is some, else the first URL, else the plain text.
    Q_INVOKABLE QString text() const;
    Q_INVOKABLE QString html() const;
    // Stores the clipboard image as a PNG file; the caller owns the result.
    Q_INVOKABLE ClipboardPictureData *image() const;
    // Each key of obj is a MIME type; "application/x-qt-image" takes the URL of an image file.
    Q_INVOKABLE void setData(const QVariantMap &obj, const QVariantList &urls);
    Q_INVOKABLE void setData(const QVariantMap &obj);
    Q_INVOKABLE void setImage(const QUrl &url);
    Q_INVOKABLE void setImage(const QUrl &imgurl, const QUrl &url);
    Q_INVOKABLE void setText(const QString &text);

    static const QString imageMimeType;

protected:
    static QClipboard *clipboard();
};
