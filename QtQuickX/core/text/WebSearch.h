#pragma once

#include <QString>
#include <QUrl>

// The web search service that takes user input which is not a web address.
class WebSearch
{
public:
    static QUrl startPage();
    static QUrl searchUrl(const QString &terms);
    static bool isSearchHost(const QString &host);
    // Removes the query items that differ from one request to the next.
    static QUrl withoutRequestStamp(const QUrl &url);
};
