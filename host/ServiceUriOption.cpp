#include "ServiceUriOption.h"

#include <QSettings>

QUrl ServiceUriOption::parse(const QString &value)
{
    QUrl url(value.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QUrl();
    // Methods are appended with a slash of their own.
    return url.adjusted(QUrl::StripTrailingSlash);
}

bool ServiceUriOption::apply(const QString &value, const QString &key)
{
    const QUrl url = parse(value);
    if (!url.isValid())
        return false;
    QSettings settings;
    settings.setValue(QStringLiteral("Endpoints/") + key, url);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
