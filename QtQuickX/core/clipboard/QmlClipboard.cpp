#include "QmlClipboard.h"

#include "ClipboardFileStorage.h"
#include "Picture.h"

#include <QClipboard>

Picture *QmlClipboard::image() const
{
    auto *picture = new Picture;
    picture->setImage(clipboard()->image(QClipboard::Clipboard));
    return picture;
}

void QmlClipboard::setImage(Picture *picture, const QString &format)
{
    if (!picture)
        return;
    const QString png = QStringLiteral("png");
    const QString fileFormat = format.isEmpty() ? png : format;
    ClipboardFileStorage storage;
    const QUrl stored(storage.storeImage(picture->image(), fileFormat));
    if (fileFormat.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        const QUrl pngCopy(storage.storeImage(picture->image(), png));
        Clipboard::setImage(pngCopy, stored);
    } else {
        Clipboard::setImage(stored, stored);
    }
}
