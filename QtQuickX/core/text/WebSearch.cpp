#include "WebSearch.h"

#include <QUrlQuery>

QUrl WebSearch::startPage()
{
    return QUrl(QStringLiteral("https://www.google.com/"));
}

QUrl WebSearch::searchUrl(const QString &terms)
{
    QUrl url(QStringLiteral("https://www.google.com/search"));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(terms)));
    return url;
}

bool WebSearch::isSearchHost(const QString &host)
{
    const QString lower = host.toLower();
    return lower == QLatin1String("google.com") || lower.startsWith(QLatin1String("google."))
        || lower.contains(QLatin1String(".google."));
}

QUrl WebSearch::withoutRequestStamp(const QUrl &url)
{
    QUrlQuery query(url);
    query.removeAllQueryItems(QStringLiteral("ei"));
    QUrl result = url;
    result.setQuery(query);
    return result;
}
