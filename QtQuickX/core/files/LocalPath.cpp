#include "LocalPath.h"

QString LocalPath::fromValue(const QVariant &value)
{
    if (value.userType() == QMetaType::QUrl) {
        const QUrl url = value.toUrl();
        return url.isLocalFile() ? url.toLocalFile() : QString();
    }
    const QString text = value.toString();
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(text).toLocalFile();
    const QUrl url(text);
    if (url.scheme().size() > 1) // a single letter is a Windows drive, not a scheme
        return QString();
    return text;
}

QString LocalPath::readablePath(const QUrl &url)
{
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme().compare(QLatin1String("qrc"), Qt::CaseInsensitive) != 0)
        return QString();
    const QString text = url.toString();
    const int afterScheme = text.indexOf(QLatin1Char(':')) + 1;
    if (text.midRef(afterScheme).startsWith(QLatin1String("///")))
        return QLatin1Char(':') + url.path();
    if (text.midRef(afterScheme).startsWith(QLatin1String("//")))
        return QLatin1String(":/") + text.mid(afterScheme + 2);
    // "qrc:/path" and "qrc:path" name the same resource as "qrc:///path".
    const QString path = url.path();
    return path.startsWith(QLatin1Char('/')) ? QLatin1Char(':') + path : QLatin1String(":/") + path;
}

QList<QUrl> LocalPath::urls(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QList<QUrl>>())
        return value.value<QList<QUrl>>();
    QList<QUrl> result;
    if (value.canConvert<QVariantList>() && value.userType() != QMetaType::QString) {
        const QVariantList items = value.toList();
        for (const QVariant &item : items)
            result.append(item.toUrl());
    } else if (value.isValid()) {
        result.append(value.toUrl());
    }
    return result;
}
