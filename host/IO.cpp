#include "IO.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QTime>

QUrl IO::setFileName(const QUrl &uri, const QString &fileName) const
{
    const QString folder = uri.adjusted(QUrl::StripTrailingSlash).toString(QUrl::FullyEncoded);
    return QUrl(folder + QLatin1Char('/') + fileName, QUrl::TolerantMode);
}

QVariant IO::timeFromString(const QString &time, Qt::DateFormat format) const
{
    return QVariant::fromValue(QTime::fromString(time, format));
}

QVariant IO::timeFromString(const QString &time) const
{
    return timeFromString(time, Qt::TextDate);
}

QVariant IO::localeTimeFromString(const QString &time, const QLocale &locale) const
{
    return QVariant::fromValue(locale.toDateTime(time, QLocale::LongFormat));
}

QUrl IO::defaultDocumentsDirectory() const
{
    return QUrl::fromLocalFile(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}
