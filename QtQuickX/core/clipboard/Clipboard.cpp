#include "Clipboard.h"

#include "ClipboardFileStorage.h"
#include "ClipboardPictureData.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QJsonDocument>
#include <QMimeData>

const QString Clipboard::imageMimeType = QStringLiteral("application/x-qt-image");

namespace {

const QMimeData emptyMimeData;

const QMimeData &currentMimeData()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data ? *data : emptyMimeData;
}

} // namespace

QClipboard *Clipboard::clipboard()
{
    return QGuiApplication::clipboard();
}

QStringList Clipboard::formats() const
{
    return currentMimeData().formats();
}

bool Clipboard::hasMimeType(const QString &mimeType) const
{
    return currentMimeData().hasFormat(mimeType);
}

bool Clipboard::hasText() const
{
    const QMimeData &data = currentMimeData();
    if (data.hasHtml())
        return !data.html().isEmpty();
    if (data.hasText())
        return !data.text().isEmpty();
    if (data.hasUrls())
        return !data.urls().constFirst().isEmpty();
    return false;
}

bool Clipboard::hasHtml() const
{
    return currentMimeData().hasHtml();
}

bool Clipboard::hasImage() const
{
    return currentMimeData().hasImage();
}

QVariant Clipboard::data(const QString &arg) const
{
    const QMimeData &data = currentMimeData();
    if (!data.hasFormat(arg))
        return QVariant();
    return QJsonDocument::fromJson(data.data(arg)).toVariant();
}

QString Clipboard::text() const
{
    const QMimeData &data = currentMimeData();
    if (data.hasHtml())
        return data.html();
    if (data.hasUrls())
        return data.urls().constFirst().toString();
    return data.text();
}

QString Clipboard::html() const
{
    return currentMimeData().html();
}

ClipboardPictureData *Clipboard::image() const
{
    const QImage picture = clipboard()->image(QClipboard::Clipboard);
    const QString stored = ClipboardFileStorage().storeImage(picture, QStringLiteral("png"));
    return new ClipboardPictureData(QUrl(stored), picture.size());
}

void Clipboard::setData(const QVariantMap &obj, const QVariantList &urls)
{
    auto *data = new QMimeData;
    for (auto it = obj.cbegin(); it != obj.cend(); ++it) {
        if (it.key() == imageMimeType) {
            const QUrl file = it.value().toUrl();
            data->setImageData(file.isLocalFile() ? QImage(file.toLocalFile()) : QImage());
        } else {
            const QVariant &value = it.value();
            data->setData(it.key(),
                value.userType() == QMetaType::QByteArray ? value.toByteArray()
                                                          : value.toString().toUtf8());
        }
    }
    QList<QUrl> urlList;
    for (const QVariant &url : urls)
        urlList.append(url.toUrl());
    if (!urlList.isEmpty())
        data->setUrls(urlList);
    clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void Clipboard::setData(const QVariantMap &obj)
{
    setData(obj, QVariantList());
}

void Clipboard::setImage(const QUrl &url)
{
    setImage(url, url);
}

void Clipboard::setImage(const QUrl &imgurl, const QUrl &url)
{
    setData({ { imageMimeType, imgurl } }, { url });
}

void Clipboard::setText(const QString &text)
{
    clipboard()->setText(text, QClipboard::Clipboard);
}
